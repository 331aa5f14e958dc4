// orvex-radio-sim: a simulated radio on a pseudo-terminal, for trying the program and for
// end-to-end runs without hardware. Prints the device path and serves it until SIGINT or
// SIGTERM.

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <iostream>

#include "QuitOnSignal.h"
#include "RadioSimOptions.h"
#include "platform/sim/PtyRadioHost.h"

using namespace orvex;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("orvex-radio-sim");

    const auto parsed = parseRadioSimOptions(QCoreApplication::arguments());
    if (const auto* exit = std::get_if<RadioSimExit>(&parsed)) {
        (exit->exitCode == 0 ? std::cout : std::cerr) << exit->message.toStdString() << std::endl;
        return exit->exitCode;
    }
    const auto& options = std::get<RadioSimOptions>(parsed);

    PtyRadioHost host(options.config);
    host.radio().faults() = options.faults;
    const std::string memoryFile = options.memoryFile.toStdString();
    if (!memoryFile.empty() && QFileInfo::exists(options.memoryFile) &&
        !host.radio().loadMemory(memoryFile)) {
        std::cerr << "Cannot load " << memoryFile << ": it must hold exactly 65536 bytes."
                  << std::endl;
        return 1;
    }
    if (!host.start()) {
        std::cerr << host.errorString().toStdString() << std::endl;
        return 1;
    }
    QuitOnSignal quitOnSignal;
    QObject::connect(&host, &PtyRadioHost::disconnected, &app, &QCoreApplication::quit);

    std::cout << host.devicePath().toStdString() << std::endl;
    const int result = app.exec();

    if (!memoryFile.empty() && !host.radio().saveMemory(memoryFile)) {
        std::cerr << "Cannot save " << memoryFile << std::endl;
        return 1;
    }
    return result;
}
