#include "core/sim/SerialWire.h"

#include <algorithm>

namespace orvex {

SerialWire::SerialWire(Clock& clock, Delivery deliver)
    : clock_(clock), deliver_(std::move(deliver)) {
    alarm_ = clock_.createSlot([this] { deliverDue(); });
}

WireTime SerialWire::send(std::uint8_t byte, WireTime earliestStart, bool paced) {
    const WireTime start = std::max(earliestStart, lineFree_);
    const WireTime arrival = paced ? start + kWireByteTime : start;
    lineFree_ = arrival;
    queue_.push_back({arrival, byte});
    if (queue_.size() == 1) rearm();
    return arrival;
}

void SerialWire::clear() {
    queue_.clear();
    lineFree_ = 0;
    alarm_->disarm();
}

void SerialWire::deliverDue() {
    const Micros now = clock_.now();
    // Taken off the queue before delivery: the receiver may send, or clear the line.
    while (!queue_.empty() && toMicros(queue_.front().arrival) <= now) {
        const InFlight next = queue_.front();
        queue_.pop_front();
        deliver_(next.byte, next.arrival);
    }
    rearm();
}

void SerialWire::rearm() {
    if (queue_.empty()) {
        alarm_->disarm();
        return;
    }
    const Micros wait = toMicros(queue_.front().arrival) - clock_.now();
    alarm_->arm(std::max(wait, Micros(0)));
}

}  // namespace orvex
