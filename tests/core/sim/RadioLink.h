#pragma once

#include <QByteArray>

#include <memory>
#include <span>
#include <vector>

#include "core/sim/SimulatedPorts.h"
#include "core/sim/SimulatedRadio.h"
#include "core/sim/VirtualClock.h"

namespace orvex::test {

inline const QByteArray kOpeningCommand = QByteArray::fromHex("50AABB4752414D02");

// A simulated radio on COM3, and one serial control of the PC that has COM3 open and keeps
// everything it receives.
struct RadioLink {
    static constexpr int kCom = 3;

    VirtualClock clock;
    SimulatedRadio radio{clock};
    SimulatedPorts ports;
    std::unique_ptr<SerialPort> port = ports.factory()();
    QByteArray received;
    std::vector<PortEvent> events;

    explicit RadioLink(RadioConfig config = {}) {
        radio.config() = config;
        ports.attach(kCom, radio);
        port->setEventHandler([this](PortEvent event) {
            events.push_back(event);
            while (port->bytesWaiting() > 0)
                received.append(static_cast<char>(port->readByte()));
        });
        port->open(kCom, LineSettings{});
    }

    void send(const QByteArray& bytes) {
        port->write(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                              static_cast<std::size_t>(bytes.size())));
    }
    void sendHex(const char* hex) { send(QByteArray::fromHex(hex)); }

    // One byte, then `gap` of silence, then the next.
    void sendPaced(const QByteArray& bytes, Micros gap) {
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            if (i > 0) clock.advance(gap);
            send(bytes.mid(i, 1));
        }
    }

    // Long enough for any reply of the radio to arrive in full.
    void settle() { clock.advanceMs(500); }

    // Sends the bytes and returns everything that came back.
    QByteArray exchange(const QByteArray& bytes) {
        received.clear();
        send(bytes);
        settle();
        return received;
    }
    QByteArray identify() { return exchange(kOpeningCommand); }  // the opening command

    // The bytes of one direction of the transcript.
    [[nodiscard]] QByteArray transcriptBytes(WireDirection direction) const {
        QByteArray bytes;
        for (const WireByte& entry : radio.transcript())
            if (entry.direction == direction) bytes.append(static_cast<char>(entry.value));
        return bytes;
    }
    [[nodiscard]] std::vector<Micros> transcriptTimes(WireDirection direction) const {
        std::vector<Micros> times;
        for (const WireByte& entry : radio.transcript())
            if (entry.direction == direction) times.push_back(entry.time);
        return times;
    }
};

// The 64 bytes of memory from `address`, as a read reply carries them.
inline QByteArray memoryBlock(const SimulatedRadio& radio, std::uint16_t address) {
    QByteArray block;
    for (int i = 0; i < 64; ++i)
        block.append(static_cast<char>(radio.memory()[static_cast<std::uint16_t>(address + i)]));
    return block;
}

// Fills memory with a pattern in which every 64-byte block differs from its neighbours.
inline void fillWithPattern(SimulatedRadio& radio) {
    for (std::size_t i = 0; i < radio.memory().size(); ++i)
        radio.memory()[i] = static_cast<std::uint8_t>((i * 7 + i / 251) & 0xFF);
}

}  // namespace orvex::test
