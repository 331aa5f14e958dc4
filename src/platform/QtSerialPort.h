#pragma once

#include <QSerialPort>

#include "core/link/PortCatalog.h"
#include "core/link/SerialPort.h"

namespace orvex {

// A window's serial control on QSerialPort. COM numbers are turned into devices by the
// port catalog; a COM number without a device fails to open like a missing port.
class QtSerialPort : public SerialPort {
  public:
    explicit QtSerialPort(const ComAssignment& catalog);
    ~QtSerialPort() override;

    OpenFailure open(int comPort, const LineSettings& settings) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    void write(std::span<const std::uint8_t> bytes) override;
    [[nodiscard]] int bytesWaiting() const override;
    std::uint8_t readByte() override;
    void clearInput() override;
    [[nodiscard]] std::string deviceName() const override { return device_; }

  private:
    void onError(QSerialPort::SerialPortError error);

    const ComAssignment& catalog_;
    QSerialPort port_;
    std::string device_;
};

}  // namespace orvex
