#include <QCoreApplication>
#include <cstdio>
#include <exception>

#include "ProgramVersion.h"
#include "cli/CliOptions.h"
#include "cli/ImageCommands.h"
#include "cli/RadioCommands.h"

namespace {

int Run(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("orvex-cli");
    QCoreApplication::setApplicationVersion(QString::fromUtf8(
        orvex::kProgramVersion.data(), static_cast<int>(orvex::kProgramVersion.size())));

    const orvex::ParsedCliOptions parsed = orvex::ParseCliOptions(QCoreApplication::arguments());
    if (!parsed.options) {
        std::fprintf(parsed.informational ? stdout : stderr, "%s\n",
                     parsed.text.toUtf8().constData());
        return parsed.informational ? 0 : 1;
    }
    const orvex::CliOptions& options = *parsed.options;
    if (options.command == orvex::CliCommand::Show || options.command == orvex::CliCommand::Diff)
        return orvex::RunImageCommand(options);
    return orvex::RunRadioCommand(options);
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "orvex-cli: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "orvex-cli: an unexpected fault ended the program.\n");
    }
    return 1;
}
