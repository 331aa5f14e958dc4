#pragma once

#include "core/link/Clock.h"

namespace orvex {

// Real time: alarms on QTimer with Qt::PreciseTimer, on the thread's event loop.
class QtClock : public Clock {
  public:
    QtClock();
    [[nodiscard]] Micros now() const override;
    std::unique_ptr<TimerSlot> createSlot(std::function<void()> onFire) override;

  private:
    std::chrono::steady_clock::time_point start_;
};

}  // namespace orvex
