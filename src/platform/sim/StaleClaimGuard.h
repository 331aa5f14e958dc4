#pragma once

#include <QString>

#include <memory>

class QSocketNotifier;

namespace orvex {

// Releases an exclusive claim (TIOCEXCL) on a pseudo-terminal that nobody holds any more.
//
// QSerialPort claims the device exclusively when it opens it and releases the claim on
// close. A program that dies with the port open never releases it, and a pseudo-terminal
// keeps the claim for as long as its other end is open: until the host stopped, only root
// could open the device again. The guard hears every close of the device through inotify;
// when a claim is still set after one and no process other than the host has the device
// open, the claim is stale and the guard clears it.
class StaleClaimGuard {
  public:
    // `heldFd` is the host's own descriptor of the device, open while the guard lives.
    StaleClaimGuard(const QString& devicePath, int heldFd);
    ~StaleClaimGuard();
    StaleClaimGuard(const StaleClaimGuard&) = delete;
    StaleClaimGuard& operator=(const StaleClaimGuard&) = delete;

    [[nodiscard]] bool isWatching() const { return watchFd_ >= 0; }

  private:
    void deviceClosed();
    [[nodiscard]] bool heldByAnotherDescriptor() const;

    QString devicePath_;
    int heldFd_;
    int watchFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace orvex
