#include "platform/QtClock.h"

#include <QTimer>

namespace orvex {

namespace {

class QtTimerSlot : public TimerSlot {
  public:
    explicit QtTimerSlot(std::function<void()> onFire) {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [fire = std::move(onFire)] { fire(); });
    }
    void arm(Micros period) override {
        // QTimer counts whole milliseconds; a period that is not whole is rounded up.
        const auto ms = std::chrono::ceil<std::chrono::milliseconds>(period);
        timer_.start(std::max(ms, std::chrono::milliseconds(0)));
    }
    void disarm() override { timer_.stop(); }

  private:
    QTimer timer_;
};

}  // namespace

QtClock::QtClock() : start_(std::chrono::steady_clock::now()) {}

Micros QtClock::now() const {
    return std::chrono::duration_cast<Micros>(std::chrono::steady_clock::now() - start_);
}

std::unique_ptr<TimerSlot> QtClock::createSlot(std::function<void()> onFire) {
    return std::make_unique<QtTimerSlot>(std::move(onFire));
}

}  // namespace orvex
