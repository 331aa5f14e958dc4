#include "core/sim/VirtualClock.h"

#include <algorithm>

namespace orvex {

class VirtualClock::Slot : public TimerSlot {
  public:
    Slot(VirtualClock& clock, std::function<void()> onFire)
        : clock_(&clock), onFire_(std::move(onFire)) {
        clock_->slots_.push_back(this);
    }
    ~Slot() override {
        if (clock_) std::erase(clock_->slots_, this);
    }

    void arm(Micros period) override {
        if (!clock_) return;
        period_ = std::max(period, Micros(1));
        due_ = clock_->now_ + period_;
        sequence_ = ++clock_->sequence_;
        armed_ = true;
    }
    void disarm() override { armed_ = false; }

    VirtualClock* clock_;
    std::function<void()> onFire_;
    Micros period_{0};
    Micros due_{0};
    std::uint64_t sequence_ = 0;
    bool armed_ = false;
};

VirtualClock::~VirtualClock() {
    for (Slot* slot : slots_)
        slot->clock_ = nullptr;
}

std::unique_ptr<TimerSlot> VirtualClock::createSlot(std::function<void()> onFire) {
    return std::make_unique<Slot>(*this, std::move(onFire));
}

VirtualClock::Slot* VirtualClock::nextDue() const {
    Slot* best = nullptr;
    for (Slot* slot : slots_) {
        if (!slot->armed_) continue;
        if (!best || slot->due_ < best->due_ ||
            (slot->due_ == best->due_ && slot->sequence_ < best->sequence_))
            best = slot;
    }
    return best;
}

void VirtualClock::fire(Slot* slot) {
    now_ = std::max(now_, slot->due_);
    // Scheduled before the call, so that the alarm's own handler can re-arm or disarm it.
    slot->due_ += slot->period_;
    slot->sequence_ = ++sequence_;
    auto onFire = slot->onFire_;  // the handler may destroy the slot
    onFire();
}

void VirtualClock::advance(Micros duration) {
    const Micros target = now_ + duration;
    while (Slot* slot = nextDue()) {
        if (slot->due_ > target) break;
        fire(slot);
    }
    now_ = target;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, Micros limit) {
    const Micros end = now_ + limit;
    while (!done()) {
        Slot* slot = nextDue();
        if (!slot || slot->due_ > end) {
            now_ = end;
            return done();
        }
        fire(slot);
    }
    return true;
}

bool VirtualClock::step() {
    Slot* slot = nextDue();
    if (!slot) return false;
    fire(slot);
    return true;
}

bool VirtualClock::anyArmed() const {
    return nextDue() != nullptr;
}

}  // namespace orvex
