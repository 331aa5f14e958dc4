#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace orvex {

ParsedCommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Orvex CPS: programming software for Orvex radios.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption port(
        "port",
        "Puts DEVICE first in line for the port search (COM8, then COM7, ...). May be repeated.",
        "DEVICE");
    const QCommandLineOption virtualRadio(
        "virtual-radio", "Starts a simulated radio on a pseudo-terminal and uses it like --port.");
    const QCommandLineOption band("virtual-radio-band",
                                  "Band of the simulated radio in MHz, for example 136-174 "
                                  "(default 400-470).",
                                  "LOW-HIGH", "400-470");
    parser.addOptions({port, virtualRadio, band});

    // Qt's own options (-platform offscreen, -style ...) belong to the toolkit; they are
    // accepted here and left for it.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon", "style",
                             "stylesheet", "session", "display", "geometry", "title"}) {
        QCommandLineOption toolkit(name, QString(), "value");
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption toolkit(name);
        toolkit.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(toolkit);
    }

    ParsedCommandLine result;
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.error = parser.helpText();
        result.helpShown = true;
        return result;
    }
    CommandLine options;
    for (const QString& device : parser.values(port))
        options.ports.push_back(device.toStdString());
    options.virtualRadio = parser.isSet(virtualRadio);
    const auto match = QRegularExpression("^(\\d{1,3})-(\\d{1,3})$").match(parser.value(band));
    if (!match.hasMatch() || match.captured(1).toInt() > match.captured(2).toInt()) {
        result.error = QString(
                           "--virtual-radio-band wants LOW-HIGH in whole MHz, such as "
                           "136-174, not \"%1\".")
                           .arg(parser.value(band));
        return result;
    }
    options.virtualBandLow = match.captured(1).toInt();
    options.virtualBandHigh = match.captured(2).toInt();
    result.options = options;
    return result;
}

}  // namespace orvex
