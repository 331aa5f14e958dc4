#include "RadioSimOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace orvex {

namespace {

RadioSimExit wrong(const QString& message) {
    return RadioSimExit{message, 2};
}

}  // namespace

std::variant<RadioSimOptions, RadioSimExit> parseRadioSimOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "A simulated Orvex radio on a pseudo-terminal. Prints the device to open as the\n"
        "radio's serial port, then serves it until interrupted.");
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption band("band", "Band limits in whole MHz (default 400-470).", "LOW-HIGH",
                                  "400-470");
    const QCommandLineOption family("family", "Family byte of the identification (default 0xA0).",
                                    "BYTE", "0xA0");
    const QCommandLineOption memory("memory",
                                    "64 KiB memory image: loaded at start if it exists, "
                                    "saved on exit.",
                                    "FILE");
    const QCommandLineOption noPace("no-pace", "Send bytes without 9600-baud wire time.");
    const QCommandLineOption silent("silent", "Answer nothing.");
    const QCommandLineOption junk("junk", "Bytes sent ahead of each identification, in hex.",
                                  "HEX");
    const QCommandLineOption delay("delay", "Pause before every reply, in milliseconds.", "MS");
    parser.addOptions({band, family, memory, noPace, silent, junk, delay});

    if (!parser.parse(arguments)) return wrong(parser.errorText());
    if (parser.isSet(helpOption)) return RadioSimExit{parser.helpText(), 0};
    if (!parser.positionalArguments().isEmpty())
        return wrong("Unexpected argument: " + parser.positionalArguments().first());

    RadioSimOptions options;
    const auto limits = QRegularExpression(R"(^(\d{1,3})-(\d{1,3})$)").match(parser.value(band));
    if (!limits.hasMatch()) return wrong("--band wants LOW-HIGH in MHz, for example 136-174.");
    options.config.bandLowMHz = limits.captured(1).toInt();
    options.config.bandHighMHz = limits.captured(2).toInt();
    if (options.config.bandLowMHz > options.config.bandHighMHz)
        return wrong("--band: the lower limit is above the upper one.");

    bool ok = false;
    const uint familyByte = parser.value(family).toUInt(&ok, 0);
    if (!ok || familyByte > 0xFF) return wrong("--family wants a byte, for example 0xA0.");
    options.config.familyByte = static_cast<std::uint8_t>(familyByte);

    options.config.realPace = !parser.isSet(noPace);
    options.faults.silent = parser.isSet(silent);
    if (parser.isSet(junk)) {
        const QByteArray text = parser.value(junk).toLatin1();
        if (!QRegularExpression("^([0-9A-Fa-f]{2})+$").match(QString::fromLatin1(text)).hasMatch())
            return wrong("--junk wants bytes in hex, for example 00FF13.");
        const QByteArray bytes = QByteArray::fromHex(text);
        options.faults.junkBeforeIdentification.assign(bytes.begin(), bytes.end());
    }
    if (parser.isSet(delay)) {
        const int ms = parser.value(delay).toInt(&ok);
        if (!ok || ms < 0) return wrong("--delay wants a number of milliseconds.");
        options.faults.responseDelayMs = ms;
    }
    options.memoryFile = parser.value(memory);
    return options;
}

}  // namespace orvex
