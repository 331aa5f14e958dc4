#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace orvex {

// Options that only add to what the program does; without them it behaves as it always has.
struct CommandLine {
    std::vector<std::string> ports;  // --port DEVICE: first in line for COM8, COM7, ...
    bool virtualRadio = false;       // --virtual-radio: a simulated radio on a pseudo-terminal
    int virtualBandLow = 400;        // --virtual-radio-band LOW-HIGH (MHz)
    int virtualBandHigh = 470;
};

// The options, or an error text for the user.
struct ParsedCommandLine {
    std::optional<CommandLine> options;
    QString error;
    bool helpShown = false;
};

ParsedCommandLine ParseCommandLine(const QStringList& arguments);

}  // namespace orvex
