#include "platform/sim/PtyRadioHost.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include "platform/sim/StaleClaimGuard.h"

namespace orvex {

PtyRadioHost::PtyRadioHost(RadioConfig config, QObject* parent)
    : QObject(parent), radio_(clock_, config) {
    radio_.setOutput([this](std::uint8_t byte) { writeToProgram(byte); });
    radio_.setDisconnectHandler([this] { unplug(); });
}

PtyRadioHost::~PtyRadioHost() {
    radio_.setOutput({});
    radio_.setDisconnectHandler({});
    closeDescriptors();
}

bool PtyRadioHost::start() {
    if (isRunning()) return true;
    // Raw from the first moment: the line discipline must not touch the bytes even before
    // the program has opened the device and applied its own settings.
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    raw.c_cflag |= CLOCAL | CREAD;
    if (openpty(&masterFd_, &slaveFd_, nullptr, &raw, nullptr) != 0) {
        error_ = QStringLiteral("openpty: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        masterFd_ = slaveFd_ = -1;
        return false;
    }
    std::array<char, 128> name{};
    if (ttyname_r(slaveFd_, name.data(), name.size()) != 0) {
        error_ = QStringLiteral("ttyname: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
        closeDescriptors();
        return false;
    }
    ::fcntl(masterFd_, F_SETFL, ::fcntl(masterFd_, F_GETFL) | O_NONBLOCK);
    ::fcntl(masterFd_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slaveFd_, F_SETFD, FD_CLOEXEC);
    devicePath_ = QString::fromLocal8Bit(name.data());
    readNotifier_ = std::make_unique<QSocketNotifier>(masterFd_, QSocketNotifier::Read);
    connect(readNotifier_.get(), &QSocketNotifier::activated, this, &PtyRadioHost::readFromProgram);
    claimGuard_ = std::make_unique<StaleClaimGuard>(devicePath_, slaveFd_);
    radio_.plugIn();
    return true;
}

void PtyRadioHost::unplug() {
    if (!isRunning()) return;
    radio_.unplug();
    closeDescriptors();
    emit disconnected();
}

void PtyRadioHost::closeDescriptors() {
    readNotifier_.reset();  // before its descriptor goes
    claimGuard_.reset();
    if (masterFd_ >= 0) ::close(masterFd_);
    if (slaveFd_ >= 0) ::close(slaveFd_);
    masterFd_ = slaveFd_ = -1;
    devicePath_.clear();
}

void PtyRadioHost::readFromProgram() {
    ++readWakeups_;
    std::array<std::uint8_t, 256> buffer{};
    for (;;) {
        const ssize_t count = ::read(masterFd_, buffer.data(), buffer.size());
        if (count > 0) {
            radio_.receiveFromPc(std::span(buffer.data(), static_cast<std::size_t>(count)));
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && errno == EAGAIN) return;
        // End of file or EIO: no end of the terminal is open any more. Our own descriptor
        // should prevent this; stop listening rather than spin.
        readNotifier_->setEnabled(false);
        return;
    }
}

void PtyRadioHost::writeToProgram(std::uint8_t byte) {
    if (masterFd_ < 0) return;
    ssize_t written = 0;
    do {
        written = ::write(masterFd_, &byte, 1);
    } while (written < 0 && errno == EINTR);
    // When the terminal's input queue is full (the program is not reading), the byte is lost,
    // as it would be on a real line.
}

}  // namespace orvex
