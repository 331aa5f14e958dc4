#include "cli/InterruptWatch.h"

#include <fcntl.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <csignal>

namespace orvex {

namespace {

int g_signalPipe = -1;  // the write end, for the signal handler

void OnSignal(int) {
    const char byte = 1;
    if (g_signalPipe >= 0) {
        [[maybe_unused]] const auto written = ::write(g_signalPipe, &byte, 1);
    }
}

}  // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt)
    : onInterrupt_(std::move(onInterrupt)) {
    if (::pipe(fds_) != 0) return;
    for (int fd : fds_)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    g_signalPipe = fds_[1];
    notifier_ = std::make_unique<QSocketNotifier>(fds_[0], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char buffer[16];
        while (::read(fds_[0], buffer, sizeof buffer) > 0) {
        }
        interrupted_ = true;
        if (onInterrupt_) onInterrupt_();
    });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
}

InterruptWatch::~InterruptWatch() {
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    g_signalPipe = -1;
    notifier_.reset();
    for (int fd : fds_)
        if (fd >= 0) ::close(fd);
}

}  // namespace orvex
