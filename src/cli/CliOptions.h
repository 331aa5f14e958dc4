#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "core/image/RadioArea.h"

namespace orvex {

enum class CliCommand { Identify, Read, Write, Verify, Clone, Show, Diff };

// What the command line asks for, checked for its command.
struct CliOptions {
    CliCommand command = CliCommand::Identify;
    QStringList ports;  // --port, in the order given (simulated radios are added in front)
    QString output;     // read: --output
    QStringList files;  // write, verify, clone, show: one image; diff: two
    // --areas, in address order; without it every area (write, verify and clone: every area
    // the image holds).
    std::vector<RadioArea> areas{kRadioAreas.begin(), kRadioAreas.end()};
    bool areasChosen = false;
    bool verify = false;
    bool force = false;
    bool json = false;
    int virtualRadios = 0;  // --virtual-radio, once per simulated radio
    int virtualBandLow = 400;
    int virtualBandHigh = 470;
    QString virtualMemory;  // --virtual-radio-memory: 65536 bytes each simulated radio starts with
};

// The options, or the text to print: the help or version (exit 0) or a one-line error
// (exit 1).
struct ParsedCliOptions {
    std::optional<CliOptions> options;
    QString text;
    bool informational = false;  // --help or --version
};

ParsedCliOptions ParseCliOptions(const QStringList& arguments);

// "channels,options" to its areas in address order; nullopt for an unknown or doubled name
// or an empty list.
std::optional<std::vector<RadioArea>> ParseAreaList(const QString& list);

}  // namespace orvex
