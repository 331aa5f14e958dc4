#pragma once

#include <QJsonObject>
#include <QString>

#include "core/wholeradio/RadioSession.h"

namespace orvex {

// The result of one radio in a few words: "written and verified", "did not answer", ...
QString ResultWords(const SessionReport& report, bool wrote, bool verified);

// " 400-470 MHz" or "unknown band" when the radio was never identified.
QString BandWords(const SessionReport& report);

// "0150: image 0A, radio FF"
QString DifferenceLine(const ByteDifference& difference);

// The summary line of one radio: port, band, result and time, in aligned columns.
QString RadioLine(const QString& port, const SessionReport& report, bool wrote, bool verified);

// The same as JSON: port, band, family, result, areas written and read, differences, seconds.
QJsonObject RadioJson(const QString& port, const SessionReport& report, bool wrote, bool verified);

// The exit status a radio's result gives: 0, 2 or 3.
int ExitStatusOf(SessionResult result);

}  // namespace orvex
