#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QSize>
#include <QStringList>
#include <memory>

#include "support/LinkRig.h"
#include "windows/shell/MDImain.h"

namespace orvex::test {

// The devices of the rig's machine, as the port catalog would give them for COM1 to COM8.
inline const ComAssignment kRigDevices = {
    "", "/dev/ttyUSB0", "", "/dev/ttyS2", "", "/dev/ttyACM0", "", "", "/dev/pts/7"};

// The system-information tools of the rig's machine: a test says which are installed and
// whether starting one works, and reads what was started.
struct FakeSystemTools {
    struct Start {
        QString path;
        QStringList arguments;
    };

    [[nodiscard]] SystemInfoLauncher launcher() {
        return {
            [this](const QString& program) {
                return installed.contains(program) ? "/usr/bin/" + program : QString();
            },
            [this](const QString& path, const QStringList& arguments) {
                started.push_back({path, arguments});
                return startWorks;
            },
        };
    }

    QStringList installed;
    bool startWorks = true;
    std::vector<Start> started;
};

// Notes the windows that receive their close event, in order.
struct CloseOrder : QObject {
    explicit CloseOrder(QStringList& closed) : closed_(closed) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) closed_ << watched->objectName();
        return false;
    }
    QStringList& closed_;
};

// The main window on the virtual clock, with simulated ports and a recording prompt, on a
// screen of the size the test chooses.
struct WindowRig : LinkRig {
    explicit WindowRig(QSize screen = QSize(1280, 1024)) : screenSize(screen) {
        state = SharedState{};  // start-up fills it
        window = std::make_unique<MDImain>(
            state, clock, prompt, ports.factory(), [this] { return screenSize; }, kRigDevices,
            systemTools.launcher());
    }
    ~WindowRig() { window.reset(); }

    void startUp() { window->startUp(); }

    // Runs the virtual clock until nothing is scheduled any more (or a minute passed).
    void settle() {
        clock.runUntil(
            [this] { return !window->link().isBusy() && !window->link().retryPending(); },
            Micros(60'000'000));
    }

    [[nodiscard]] QString panelText(int n) const {
        auto* panel = window->findChild<QLabel*>(QString("Panel%1").arg(n));
        return panel ? panel->text() : QString("<no panel>");
    }

    // Windows that were closed are deleted, so that only those still open are found.
    static void deleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QSize screenSize;
    FakeSystemTools systemTools;
    std::unique_ptr<MDImain> window;
};

}  // namespace orvex::test
