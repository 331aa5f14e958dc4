#include "platform/QtSerialPort.h"

#include <QFileInfo>

namespace orvex {

namespace {

QSerialPort::Parity ToParity(char parity) {
    switch (parity) {
        case 'E':
            return QSerialPort::EvenParity;
        case 'O':
            return QSerialPort::OddParity;
        default:
            return QSerialPort::NoParity;
    }
}

}  // namespace

QtSerialPort::QtSerialPort(const ComAssignment& catalog) : catalog_(catalog) {
    QObject::connect(&port_, &QSerialPort::readyRead, [this] { raise(PortEvent::Received); });
    QObject::connect(&port_, &QSerialPort::errorOccurred,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

QtSerialPort::~QtSerialPort() {
    QObject::disconnect(&port_, nullptr, nullptr, nullptr);
    if (port_.isOpen()) port_.close();
}

OpenFailure QtSerialPort::open(int comPort, const LineSettings& settings) {
    if (port_.isOpen()) port_.close();
    device_.clear();
    if (comPort < 1 || comPort > 8 || catalog_[static_cast<size_t>(comPort)].empty())
        return OpenFailure::NoSuchPort;
    device_ = catalog_[static_cast<size_t>(comPort)];

    port_.setPortName(QString::fromStdString(device_));
    port_.setBaudRate(settings.baudRate);
    port_.setParity(ToParity(settings.parity));
    port_.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits));
    port_.setStopBits(settings.stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    port_.setReadBufferSize(settings.receiveBufferSize);
    if (!port_.open(QIODevice::ReadWrite)) {
        switch (port_.error()) {
            case QSerialPort::DeviceNotFoundError:
                return OpenFailure::NoSuchPort;
            case QSerialPort::PermissionError: {
                // Qt reports a device held by someone else the same way as one we may not
                // touch; the file's permissions tell them apart.
                const QFileInfo info(QString::fromStdString(device_));
                const bool mayUse = info.isReadable() && info.isWritable();
                return mayUse ? OpenFailure::Busy : OpenFailure::PermissionDenied;
            }
            default:
                return OpenFailure::Other;
        }
    }
    port_.clear(QSerialPort::Input);
    return OpenFailure::None;
}

void QtSerialPort::close() {
    if (port_.isOpen()) port_.close();
}

bool QtSerialPort::isOpen() const {
    return port_.isOpen();
}

void QtSerialPort::write(std::span<const std::uint8_t> bytes) {
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    // Hand the bytes to the device now rather than at the next turn of the event loop.
    port_.flush();
}

int QtSerialPort::bytesWaiting() const {
    return port_.isOpen() ? static_cast<int>(port_.bytesAvailable()) : 0;
}

std::uint8_t QtSerialPort::readByte() {
    char byte = 0;
    if (!port_.isOpen() || !port_.getChar(&byte)) return 0;
    return static_cast<std::uint8_t>(byte);
}

void QtSerialPort::clearInput() {
    if (port_.isOpen()) port_.clear(QSerialPort::Input);
}

void QtSerialPort::onError(QSerialPort::SerialPortError error) {
    // When the device goes away (an unplugged adapter, the far end of a pseudo-terminal
    // closing) Qt keeps reporting a stale read or resource error many thousand times a
    // second while the port stays open; closing it here stops that.
    const bool lost = error == QSerialPort::ReadError || error == QSerialPort::WriteError ||
                      error == QSerialPort::ResourceError;
    if (!lost || !port_.isOpen()) return;
    port_.close();
    raise(PortEvent::Failed);
}

}  // namespace orvex
