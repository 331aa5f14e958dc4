#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "core/sim/SimulatedRadio.h"
#include "platform/QtClock.h"

class QSocketNotifier;

namespace orvex {

class StaleClaimGuard;

// A simulated radio on a Linux pseudo-terminal, served from the current thread's event
// loop in real time: a program opens devicePath() as its serial port (QSerialPort, 9600 8N1)
// and talks to the radio as through a programming cable.
//
// The host keeps a descriptor of the terminal's own end open for its whole life. Without
// it, every time the program closes the port the host's end would report a hang-up over and
// over and its read notifier would spin. The program's opens are unaffected: QSerialPort
// claims the terminal exclusively (TIOCEXCL) while it has it open and releases the claim
// (TIOCNXCL) on close, so the device can be opened again and again. A claim left behind by
// a program that died with the port open is released by a StaleClaimGuard.
//
// The radio's disconnect fault behaves like a pulled USB cable: both ends are closed, the
// program's port fails and the device path disappears.
class PtyRadioHost : public QObject {
    Q_OBJECT

  public:
    explicit PtyRadioHost(RadioConfig config = {}, QObject* parent = nullptr);
    ~PtyRadioHost() override;

    // Creates the pseudo-terminal; false (with a reason in errorString()) when it cannot.
    bool start();
    // Closes the pseudo-terminal, as if the cable were pulled.
    void unplug();

    [[nodiscard]] bool isRunning() const { return masterFd_ >= 0; }
    // The device the program opens, for example /dev/pts/5; empty when not running.
    [[nodiscard]] QString devicePath() const { return devicePath_; }
    [[nodiscard]] QString errorString() const { return error_; }

    [[nodiscard]] SimulatedRadio& radio() { return radio_; }
    // How often the read notifier woke the host, for checks that it does not spin.
    [[nodiscard]] int readWakeups() const { return readWakeups_; }

  signals:
    void disconnected();

  private:
    void readFromProgram();
    void writeToProgram(std::uint8_t byte);
    void closeDescriptors();

    QtClock clock_;
    SimulatedRadio radio_;
    int masterFd_ = -1;
    int slaveFd_ = -1;
    std::unique_ptr<QSocketNotifier> readNotifier_;
    std::unique_ptr<StaleClaimGuard> claimGuard_;
    QString devicePath_;
    QString error_;
    int readWakeups_ = 0;
};

}  // namespace orvex
