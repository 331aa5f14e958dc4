#pragma once

#include <functional>
#include <memory>

#include "core/link/Clock.h"

namespace orvex {

// A window timer with the rule every transfer relies on: switching it on, or giving it a
// different interval while it is on, starts its full interval anew; assigning the interval
// it already has, or switching it on while it runs, changes nothing. An interval of 0
// never ticks.
class Timer {
  public:
    Timer(Clock& clock, std::function<void()> onTick);

    void setInterval(int milliseconds);
    void setEnabled(bool enabled);
    void start() { setEnabled(true); }
    void stop() { setEnabled(false); }

    [[nodiscard]] int interval() const { return intervalMs_; }
    [[nodiscard]] bool isEnabled() const { return enabled_; }

  private:
    void rearm();

    std::unique_ptr<TimerSlot> slot_;
    int intervalMs_ = 0;
    bool enabled_ = false;
};

}  // namespace orvex
