#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

#include "core/wholeradio/RadioSession.h"

namespace orvex {

// Progress on standard error: on a terminal one line redrawn in place with every radio's
// area and percentage; otherwise one line per finished area, for logs.
class ProgressPrinter {
  public:
    ProgressPrinter(std::FILE* out, bool terminal, const QStringList& ports);

    void update(int radio, const SessionProgress& progress);
    // Ends the redrawn line, so that what follows starts on a line of its own.
    void finish();

  private:
    void redraw();

    std::FILE* out_;
    bool terminal_;
    QStringList ports_;
    QStringList states_;
    QString shown_;
};

}  // namespace orvex
