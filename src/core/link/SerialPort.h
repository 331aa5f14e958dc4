#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

namespace orvex {

// "9600,N,8,1", raw bytes, a 1024-byte receive buffer and a receive event per arrival.
struct LineSettings {
    int baudRate = 9600;
    char parity = 'N';
    int dataBits = 8;
    int stopBits = 1;
    int receiveBufferSize = 1024;
};

enum class OpenFailure {
    None,
    NoSuchPort,        // no device stands for this COM number
    PermissionDenied,  // the user may not open the device
    Busy,              // another program or window holds it
    Other,
};

enum class PortEvent {
    Received,  // bytes are waiting
    Failed,    // the device failed (for example the cable was pulled); the port is closed
};

// One window's serial control. It opens the port COMn; everything it does happens on the
// user-interface thread, and its events arrive there.
class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Applies the settings, empties the receive queue and opens COM `comPort`.
    virtual OpenFailure open(int comPort, const LineSettings& settings) = 0;
    virtual void close() = 0;
    [[nodiscard]] virtual bool isOpen() const = 0;
    virtual void write(std::span<const std::uint8_t> bytes) = 0;
    [[nodiscard]] virtual int bytesWaiting() const = 0;
    // Takes the oldest waiting byte; 0 when none waits.
    virtual std::uint8_t readByte() = 0;
    virtual void clearInput() = 0;
    // The device that stood for the COM number at the last open, for messages (may be empty).
    [[nodiscard]] virtual std::string deviceName() const { return {}; }

    void setEventHandler(std::function<void(PortEvent)> handler) { handler_ = std::move(handler); }

  protected:
    void raise(PortEvent event) {
        if (handler_) handler_(event);
    }

  private:
    std::function<void(PortEvent)> handler_;
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

}  // namespace orvex
