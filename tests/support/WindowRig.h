#pragma once

#include <QSize>
#include <memory>

#include "support/LinkRig.h"
#include "windows/shell/MDImain.h"

namespace orvex::test {

// The main window on the virtual clock, with simulated ports and a recording prompt, on a
// screen of the size the test chooses.
struct WindowRig : LinkRig {
    explicit WindowRig(QSize screen = QSize(1280, 1024)) : screenSize(screen) {
        state = SharedState{};  // start-up fills it
        window = std::make_unique<MDImain>(state, clock, prompt, ports.factory(),
                                           [this] { return screenSize; });
    }
    ~WindowRig() { window.reset(); }

    void startUp() { window->startUp(); }

    // Runs the virtual clock until nothing is scheduled any more (or a minute passed).
    void settle() {
        clock.runUntil(
            [this] { return !window->link().isBusy() && !window->link().retryPending(); },
            Micros(60'000'000));
    }

    QSize screenSize;
    std::unique_ptr<MDImain> window;
};

}  // namespace orvex::test
