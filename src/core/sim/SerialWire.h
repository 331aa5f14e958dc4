#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>

#include "core/link/Clock.h"

namespace orvex {

// Moments on the wire, in thirds of a microsecond: one byte at 9600 baud (a start bit,
// eight data bits and a stop bit, 1/960 s) lasts exactly 3125 of them, so a long stream
// keeps the exact rate instead of gathering rounding errors.
using WireTime = std::int64_t;

inline constexpr WireTime kWireByteTime = 3125;

[[nodiscard]] constexpr WireTime toWireTime(Micros time) {
    return static_cast<WireTime>(time.count()) * 3;
}

// Rounded up, so that nothing is delivered before it has fully arrived.
[[nodiscard]] constexpr Micros toMicros(WireTime time) {
    return Micros((time + 2) / 3);
}

// One direction of a serial line. Each byte is queued with the moment it has fully arrived
// at the far end and is handed over from a clock alarm at that moment, never from inside
// send(). Alarms are armed for absolute due times and every byte that is due is delivered
// whenever the alarm fires, so a clock with coarse alarms keeps the average rate exact.
class SerialWire {
  public:
    using Delivery = std::function<void(std::uint8_t byte, WireTime arrival)>;

    SerialWire(Clock& clock, Delivery deliver);
    SerialWire(const SerialWire&) = delete;
    SerialWire& operator=(const SerialWire&) = delete;

    // Puts a byte on the line no earlier than `earliestStart`, after the bytes already on it.
    // With `paced` the byte takes one byte time; otherwise it arrives as it starts. Returns
    // the moment of arrival.
    WireTime send(std::uint8_t byte, WireTime earliestStart, bool paced);

    // Drops every byte still on the way and frees the line at once.
    void clear();

    [[nodiscard]] bool idle() const { return queue_.empty(); }

  private:
    struct InFlight {
        WireTime arrival;
        std::uint8_t byte;
    };

    void deliverDue();
    void rearm();

    Clock& clock_;
    Delivery deliver_;
    std::unique_ptr<TimerSlot> alarm_;
    std::deque<InFlight> queue_;
    WireTime lineFree_ = 0;
};

}  // namespace orvex
