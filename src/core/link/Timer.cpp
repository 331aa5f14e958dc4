#include "core/link/Timer.h"

namespace orvex {

Timer::Timer(Clock& clock, std::function<void()> onTick)
    : slot_(clock.createSlot(std::move(onTick))) {}

void Timer::setInterval(int milliseconds) {
    if (milliseconds == intervalMs_) return;
    intervalMs_ = milliseconds;
    if (enabled_) rearm();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (enabled_) {
        rearm();
    } else {
        slot_->disarm();
    }
}

void Timer::rearm() {
    if (intervalMs_ > 0) {
        slot_->arm(std::chrono::milliseconds(intervalMs_));
    } else {
        slot_->disarm();
    }
}

}  // namespace orvex
