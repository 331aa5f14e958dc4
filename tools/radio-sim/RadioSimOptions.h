#pragma once

#include <QString>
#include <QStringList>

#include <variant>

#include "core/sim/SimulatedRadio.h"

namespace orvex {

struct RadioSimOptions {
    RadioConfig config;
    RadioFaults faults;
    QString memoryFile;  // empty: no file
};

// The options of orvex-radio-sim, or a message for the user when they are wrong (the
// help and version texts included).
struct RadioSimExit {
    QString message;
    int exitCode = 0;
};

std::variant<RadioSimOptions, RadioSimExit> parseRadioSimOptions(const QStringList& arguments);

}  // namespace orvex
