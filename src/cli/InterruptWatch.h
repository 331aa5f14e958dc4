#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QSocketNotifier;

namespace orvex {

// Turns Ctrl+C (SIGINT) and SIGTERM into a call on the event loop, so that a transfer can
// end cleanly (the port closed, the report printed) instead of the process dying mid-frame.
// One watch at a time; the signals' default handling comes back when it is destroyed.
class InterruptWatch : public QObject {
  public:
    explicit InterruptWatch(std::function<void()> onInterrupt);
    ~InterruptWatch() override;

    [[nodiscard]] bool interrupted() const { return interrupted_; }

  private:
    std::function<void()> onInterrupt_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int fds_[2] = {-1, -1};
    bool interrupted_ = false;
};

}  // namespace orvex
