#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "core/link/Clock.h"

namespace orvex {

// Time that moves only when a test (or a benchmark) advances it. Alarms fire in the order
// of their due times; two alarms due at the same moment fire in the order they were armed.
class VirtualClock : public Clock {
  public:
    VirtualClock() = default;
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;
    ~VirtualClock() override;

    [[nodiscard]] Micros now() const override { return now_; }
    std::unique_ptr<TimerSlot> createSlot(std::function<void()> onFire) override;

    // Moves time forward by `duration`, firing every alarm that falls due on the way.
    void advance(Micros duration);
    void advanceMs(std::int64_t milliseconds) { advance(std::chrono::milliseconds(milliseconds)); }

    // Moves time forward alarm by alarm until `done` holds or `limit` has passed; true when
    // `done` held.
    bool runUntil(const std::function<bool()>& done, Micros limit);

    // Fires the next alarm, if any is armed; false when nothing is armed.
    bool step();

    [[nodiscard]] bool anyArmed() const;

  private:
    class Slot;
    friend class Slot;

    Slot* nextDue() const;
    void fire(Slot* slot);

    Micros now_{0};
    std::uint64_t sequence_ = 0;
    std::vector<Slot*> slots_;
};

}  // namespace orvex
