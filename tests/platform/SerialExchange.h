#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QString>

namespace orvex::test {

// Helpers for talking to a simulated radio through a real QSerialPort.

inline const QByteArray kOpening = QByteArray::fromHex("50AABB4752414D02");

// How long a wait for the radio may take before a test gives up; replies need well under
// 100 ms.
inline constexpr int kPatienceMs = 3000;

inline bool openAt9600(QSerialPort& port, const QString& device) {
    port.setPortName(device);
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    return port.open(QIODevice::ReadWrite);
}

// Writes `request` and collects `count` bytes of reply, serving the event loop meanwhile;
// stops early when the port fails.
inline QByteArray exchange(QSerialPort& port, const QByteArray& request, int count) {
    QByteArray reply;
    port.write(request);
    QDeadlineTimer deadline(kPatienceMs);
    while (reply.size() < count && port.isOpen() && port.error() == QSerialPort::NoError &&
           !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        reply += port.readAll();
    }
    return reply;
}

}  // namespace orvex::test
