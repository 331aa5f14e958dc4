#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace orvex {

using Micros = std::chrono::microseconds;

// A periodic alarm of a clock: once armed it fires `period` later and then every `period`
// until it is disarmed. Arming again starts the count anew.
class TimerSlot {
  public:
    virtual ~TimerSlot() = default;
    virtual void arm(Micros period) = 0;
    virtual void disarm() = 0;
};

// The source of time and alarms: real time in the program, virtual time in tests.
class Clock {
  public:
    virtual ~Clock() = default;
    [[nodiscard]] virtual Micros now() const = 0;
    virtual std::unique_ptr<TimerSlot> createSlot(std::function<void()> onFire) = 0;
};

}  // namespace orvex
