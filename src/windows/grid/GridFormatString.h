#pragma once

#include <QList>
#include <QString>
#include <Qt>

namespace orvex {

// One column heading of a grid format string: the text shown and the column's alignment.
struct GridHeading {
    QString text;
    Qt::Alignment alignment;
};

// Splits a grid format string into column headings. "|" separates the columns; a text that
// begins with "^" is centred (the "^" is not shown), any other text is left-aligned. Blanks
// are kept as given, so "^SigCode " heads its column with "SigCode ".
QList<GridHeading> ParseGridFormatString(const QString& format);

inline constexpr Qt::Alignment kGridLeftAlignment = Qt::AlignLeft | Qt::AlignVCenter;
inline constexpr Qt::Alignment kGridCentredAlignment = Qt::AlignCenter;

}  // namespace orvex
