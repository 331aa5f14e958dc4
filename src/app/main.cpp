#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <memory>

#include "ProgramVersion.h"
#include "app/CommandLine.h"
#include "core/shell/SharedState.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/SystemPortCatalog.h"
#include "platform/sim/PtyRadioHost.h"
#include "windows/shell/AppIcon.h"
#include "windows/shell/MDImain.h"
#include "windows/shell/MessageBoxPrompt.h"

int main(int argc, char* argv[]) {
    // The options are read before the window system is reached, so that --help and a
    // mistyped option work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const orvex::ParsedCommandLine parsed = orvex::ParseCommandLine(arguments);
    if (!parsed.options) {
        std::fprintf(parsed.helpShown ? stdout : stderr, "%s\n", qPrintable(parsed.error));
        return parsed.helpShown ? 0 : 2;
    }
    orvex::CommandLine options = *parsed.options;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvex CPS");
    QApplication::setApplicationVersion(
        QString::fromUtf8(orvex::kProgramVersion.data(), orvex::kProgramVersion.size()));
    QApplication::setWindowIcon(orvex::AppIcon());

    std::unique_ptr<orvex::PtyRadioHost> virtualRadio;
    if (options.virtualRadio) {
        orvex::RadioConfig config;
        config.bandLowMHz = options.virtualBandLow;
        config.bandHighMHz = options.virtualBandHigh;
        virtualRadio = std::make_unique<orvex::PtyRadioHost>(config);
        if (!virtualRadio->start()) {
            std::fprintf(stderr, "The simulated radio could not start: %s\n",
                         qPrintable(virtualRadio->errorString()));
            return 1;
        }
        options.ports.insert(options.ports.begin(), virtualRadio->devicePath().toStdString());
    }

    const orvex::ComAssignment catalog = orvex::SystemComPorts(options.ports);
    orvex::SharedState state;
    orvex::QtClock clock;
    orvex::MessageBoxPrompt prompt;
    orvex::MDImain window(
        state, clock, prompt, [&catalog] { return std::make_unique<orvex::QtSerialPort>(catalog); },
        {}, catalog);
    prompt.setParent(&window);
    window.startUp();
    return QApplication::exec();
}
