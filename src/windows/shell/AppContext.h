#pragma once

#include <functional>

#include "core/link/Clock.h"
#include "core/link/SerialPort.h"
#include "core/shell/Prompt.h"
#include "core/shell/SharedState.h"
#include "core/shell/StatusPanels.h"

namespace orvex {

// What every window is handed: the shared state and the seams to the outside world. The
// program fills it with real things; a test with a virtual clock, simulated ports and a
// prompt recorder.
struct AppContext {
    SharedState& state;
    Clock& clock;
    Prompt& prompt;
    StatusPanels& panels;
    SerialPortFactory makePort;
    // Shows a window as a child of the main frame (a separate window when not set).
    std::function<void(class QWidget*)> showChild = {};
};

}  // namespace orvex
