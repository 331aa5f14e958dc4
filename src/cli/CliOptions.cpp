#include "cli/CliOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <algorithm>

#include "ProgramVersion.h"

namespace orvex {

namespace {

constexpr const char* kUsage =
    "Usage: orvex-cli COMMAND [OPTIONS]\n"
    "\n"
    "Reads, writes, verifies and clones whole Orvex radios through a programming cable, and\n"
    "shows and compares radio image files.\n"
    "\n"
    "Commands:\n"
    "  identify --port DEVICE                 print the radio's band and family\n"
    "  read --port DEVICE --output FILE       read the radio into an image file\n"
    "  write --port DEVICE FILE [--verify] [--force]\n"
    "                                         write the image to the radio\n"
    "  verify --port DEVICE FILE              compare the radio with the image\n"
    "  clone FILE --port DEVICE --port DEVICE ... [--verify]\n"
    "                                         write the image to several radios at once\n"
    "  show FILE                              print the image as the editors show it\n"
    "  diff FILE FILE                         list what differs, setting by setting\n"
    "\n"
    "Exit status: 0 success; 1 usage or file error; 2 a radio did not answer, did not\n"
    "verify or the transfer was interrupted; 3 band mismatch refused.\n";

QString Joined(const std::vector<RadioArea>& areas) {
    QStringList names;
    for (RadioArea a : areas)
        names << QString::fromUtf8(AreaName(a).data(), static_cast<int>(AreaName(a).size()));
    return names.join(',');
}

}  // namespace

std::optional<std::vector<RadioArea>> ParseAreaList(const QString& list) {
    std::vector<RadioArea> chosen;
    for (const QString& name : list.split(',')) {
        const auto area = AreaFromName(name.trimmed().toStdString());
        if (!area || std::find(chosen.begin(), chosen.end(), *area) != chosen.end())
            return std::nullopt;
        chosen.push_back(*area);
    }
    if (chosen.empty()) return std::nullopt;
    std::vector<RadioArea> ordered;
    for (RadioArea area : kRadioAreas)
        if (std::find(chosen.begin(), chosen.end(), area) != chosen.end()) ordered.push_back(area);
    return ordered;
}

ParsedCliOptions ParseCliOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help({"h", "help"}, "Shows this help.");
    const QCommandLineOption version("version", "Shows the program's version.");
    const QCommandLineOption port("port", "The radio's serial device; clone takes several.",
                                  "DEVICE");
    const QCommandLineOption output("output", "read: the image file to write.", "FILE");
    const QCommandLineOption verify("verify", "write, clone: read every area back and compare.");
    const QCommandLineOption force("force", "write, clone: write to a radio of another band.");
    const QCommandLineOption areas("areas", "The areas to move.", "LIST");
    const QCommandLineOption json("json", "A machine-readable summary on standard output.");
    const QCommandLineOption virtualRadio("virtual-radio", "Adds a simulated radio.");
    const QCommandLineOption band("virtual-radio-band", "The simulated radios' band.", "LOW-HIGH",
                                  "400-470");
    const QCommandLineOption memory("virtual-radio-memory",
                                    "65536 bytes the simulated radios start with.", "FILE");
    parser.addOptions(
        {help, version, port, output, verify, force, areas, json, virtualRadio, band, memory});

    ParsedCliOptions result;
    const auto fail = [&result](const QString& text) {
        result.text = text + " (see orvex-cli --help)";
        return result;
    };
    if (!parser.parse(arguments)) return fail(parser.errorText() + ".");
    if (parser.isSet(help)) {
        result.text = kUsage;
        result.informational = true;
        return result;
    }
    if (parser.isSet(version)) {
        result.text = QString("orvex-cli %1")
                          .arg(QString::fromUtf8(kProgramVersion.data(),
                                                 static_cast<int>(kProgramVersion.size())));
        result.informational = true;
        return result;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) return fail("No command given.");
    const QString name = positional.takeFirst();
    static const std::vector<std::pair<QString, CliCommand>> kCommands = {
        {"identify", CliCommand::Identify}, {"read", CliCommand::Read},
        {"write", CliCommand::Write},       {"verify", CliCommand::Verify},
        {"clone", CliCommand::Clone},       {"show", CliCommand::Show},
        {"diff", CliCommand::Diff}};
    const auto found = std::find_if(kCommands.begin(), kCommands.end(),
                                    [&name](const auto& entry) { return entry.first == name; });
    if (found == kCommands.end()) return fail(QString("Unknown command \"%1\".").arg(name));

    CliOptions options;
    options.command = found->second;
    options.ports = parser.values(port);
    options.output = parser.value(output);
    options.files = positional;
    options.verify = parser.isSet(verify);
    options.force = parser.isSet(force);
    options.json = parser.isSet(json);
    options.virtualRadios = static_cast<int>(parser.optionNames().count("virtual-radio"));
    options.virtualMemory = parser.value(memory);
    if (parser.isSet(areas)) {
        const auto list = ParseAreaList(parser.value(areas));
        if (!list)
            return fail(QString("--areas wants names from %1, each once, not \"%2\".")
                            .arg(Joined(options.areas), parser.value(areas)));
        options.areas = *list;
        options.areasChosen = true;
    }
    const auto bandMatch = QRegularExpression("^(\\d{1,3})-(\\d{1,3})$").match(parser.value(band));
    if (!bandMatch.hasMatch() || bandMatch.captured(1).toInt() > bandMatch.captured(2).toInt())
        return fail(QString("--virtual-radio-band wants LOW-HIGH in whole MHz, such as 136-174, "
                            "not \"%1\".")
                        .arg(parser.value(band)));
    options.virtualBandLow = bandMatch.captured(1).toInt();
    options.virtualBandHigh = bandMatch.captured(2).toInt();

    const int radios = static_cast<int>(options.ports.size()) + options.virtualRadios;
    const CliCommand command = options.command;
    const bool onRadios = command != CliCommand::Show && command != CliCommand::Diff;
    const int filesWanted = command == CliCommand::Diff                                      ? 2
                            : command == CliCommand::Identify || command == CliCommand::Read ? 0
                                                                                             : 1;
    if (onRadios && radios == 0) return fail(name + " needs --port DEVICE (or --virtual-radio).");
    if (onRadios && command != CliCommand::Clone && radios > 1)
        return fail(name + " takes one radio; clone writes to several.");
    for (const QString& device : options.ports)
        if (options.ports.count(device) > 1)
            return fail(
                QString("The port %1 is given twice; each radio needs its own port.").arg(device));
    if (!onRadios && radios > 0) return fail(name + " works on files and takes no radio.");
    if (options.files.size() != filesWanted)
        return fail(filesWanted == 0   ? name + " takes no file (read writes to --output FILE)."
                    : filesWanted == 1 ? name + " needs one image file."
                                       : name + " needs two image files.");
    if (command == CliCommand::Read && options.output.isEmpty())
        return fail("read needs --output FILE.");
    if (command != CliCommand::Read && parser.isSet(output))
        return fail("--output belongs to read.");
    if ((options.verify || options.force) && command != CliCommand::Write &&
        command != CliCommand::Clone)
        return fail("--verify and --force belong to write and clone.");
    if (parser.isSet(areas) && (command == CliCommand::Identify || !onRadios))
        return fail("--areas belongs to read, write, verify and clone.");
    result.options = options;
    return result;
}

}  // namespace orvex
