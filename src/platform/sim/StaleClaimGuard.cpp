#include "platform/sim/StaleClaimGuard.h"

#include <QSocketNotifier>

#include <array>
#include <filesystem>
#include <string>

#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvex {

namespace fs = std::filesystem;

StaleClaimGuard::StaleClaimGuard(const QString& devicePath, int heldFd)
    : devicePath_(devicePath), heldFd_(heldFd) {
    watchFd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (watchFd_ < 0) return;
    if (inotify_add_watch(watchFd_, devicePath.toLocal8Bit().constData(), IN_CLOSE) < 0) {
        ::close(watchFd_);
        watchFd_ = -1;
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(watchFd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, notifier_.get(),
                     [this] { deviceClosed(); });
}

StaleClaimGuard::~StaleClaimGuard() {
    notifier_.reset();
    if (watchFd_ >= 0) ::close(watchFd_);
}

void StaleClaimGuard::deviceClosed() {
    // Only the fact that something closed the device matters, not how often.
    std::array<char, 4096> events{};
    while (::read(watchFd_, events.data(), events.size()) > 0) {
    }
    int claimed = 0;
    if (::ioctl(heldFd_, TIOCGEXCL, &claimed) != 0 || !claimed) return;
    if (!heldByAnotherDescriptor()) ::ioctl(heldFd_, TIOCNXCL);
}

// Looks through the descriptors of every process we may see. Only our own user (and root,
// who ignores claims anyway) can open the device, and our own processes are all visible.
bool StaleClaimGuard::heldByAnotherDescriptor() const {
    const fs::path device = devicePath_.toStdString();
    const fs::path ownDescriptor = "/proc/self/fd/" + std::to_string(heldFd_);
    const fs::path ownHeld =
        fs::path("/proc") / std::to_string(::getpid()) / "fd" / std::to_string(heldFd_);
    std::error_code error;
    for (const auto& process : fs::directory_iterator("/proc", error)) {
        const std::string name = process.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::error_code fdError;
        for (const auto& descriptor : fs::directory_iterator(process.path() / "fd", fdError)) {
            if (descriptor.path() == ownHeld || descriptor.path() == ownDescriptor) continue;
            std::error_code linkError;
            if (fs::read_symlink(descriptor.path(), linkError) == device) return true;
        }
    }
    return false;
}

}  // namespace orvex
