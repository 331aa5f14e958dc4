#include "windows/grid/GridFormatString.h"

namespace orvex {

QList<GridHeading> ParseGridFormatString(const QString& format) {
    static const QChar kCentre = u'^';
    QList<GridHeading> headings;
    for (const QString& part : format.split(u'|')) {
        if (part.startsWith(kCentre)) {
            headings.append({part.mid(1), kGridCentredAlignment});
        } else {
            headings.append({part, kGridLeftAlignment});
        }
    }
    return headings;
}

}  // namespace orvex
