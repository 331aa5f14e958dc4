#pragma once

#include <QAbstractEventDispatcher>
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "core/channels/ChannelTexts.h"
#include "core/link/LinkTexts.h"
#include "core/link/TransferEngine.h"
#include "core/shell/StartupTables.h"
#include "platform/QtClock.h"
#include "platform/QtSerialPort.h"
#include "platform/sim/PtyRadioHost.h"
#include "support/LinkRig.h"

namespace orvex::test {

// Runs over a pseudo-terminal: the simulated radio sends at its real 9600-baud pace, the
// program's side is the real QSerialPort and QTimer, all in this thread's event loop.

// The COM number the pseudo-terminal stands for; any number the probe could pick will do.
inline constexpr int kPtyCom = 5;

// Real time a run may take before a test gives up on it. A channel write of 17 frames needs
// about two seconds; the limits leave room for a loaded machine and the sanitizers.
inline constexpr int kPatienceMs = 8000;

inline const std::vector<std::uint8_t> kOpening =
    Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

// Serves the event loop (blocking in it, as the program does) until `done` holds or
// `limitMs` of real time have passed; true when `done` held.
inline bool ServeUntil(const std::function<bool()>& done, int limitMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    poll.start(1);
    deadline.start(limitMs);
    loop.exec();
    return done();
}

// How many times the event loop went to sleep while it was served for `ms` with nothing
// asked of it. An idle loop sleeps a handful of times; one that is flooded with events
// (a notifier that fires again and again) turns tens of thousands of times.
inline int EventLoopTurns(int ms) {
    int turns = 0;
    auto* dispatcher = QAbstractEventDispatcher::instance();
    const auto counter =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [&] { ++turns; });
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(counter);
    return turns;
}

// The bytes that crossed the wire in one direction, in order.
inline std::vector<std::uint8_t> Wire(const SimulatedRadio& radio, WireDirection direction) {
    std::vector<std::uint8_t> bytes;
    for (const auto& b : radio.transcript())
        if (b.direction == direction) bytes.push_back(b.value);
    return bytes;
}

// The main window's engine parameters: one byte every 10 ms.
// The 69 bytes a radio answers a read request for `address` with.
inline ReadReply ReplyFor(const SimulatedRadio& radio, int address) {
    ReadReply reply{};
    reply[0] = 0x57;
    reply[1] = 0x00;
    reply[2] = static_cast<std::uint8_t>(address >> 8);
    reply[3] = static_cast<std::uint8_t>(address & 0xFF);
    reply[4] = 0x40;
    for (int i = 0; i < 64; ++i)
        reply[static_cast<size_t>(5 + i)] = radio.memory()[static_cast<size_t>(address + i)];
    return reply;
}

inline EngineSettings MainWindowSettings() {
    return EngineSettings{.pacingMs = 10,
                          .burst = false,
                          .retryDelayMs = 1500,
                          .portMessage = PortMessageStyle::Standard,
                          .messageTitle = link_texts::kPortOpenTitle,
                          .writesPanel8 = false};
}

// Shared state as start-up leaves it, a simulated radio on a pseudo-terminal that stands for
// COM5, and the recorders an engine reports to.
struct PtyLinkRig {
    explicit PtyLinkRig(RadioConfig config = {}) : host(config) {
        LoadLanguageTexts(state);
        InitToneTable(state);
        InitOptionOffsets(state);
        InitBandTable(state);
        state.Comm_Port = kPtyCom;
    }

    // Creates the pseudo-terminal and names it as COM5.
    bool start() {
        if (!host.start()) return false;
        catalog[kPtyCom] = host.devicePath().toStdString();
        return true;
    }

    // A window's serial control: the real QSerialPort behind the COM catalog.
    [[nodiscard]] std::unique_ptr<SerialPort> makePort() const {
        return std::make_unique<QtSerialPort>(catalog);
    }

    [[nodiscard]] std::vector<std::uint8_t> wire(WireDirection direction) {
        return Wire(host.radio(), direction);
    }

    PtyRadioHost host;
    ComAssignment catalog;
    SharedState state;
    QtClock clock;
    RecordingPrompt prompt;
    RecordingPanels panels;
    RecordingView view;
};

}  // namespace orvex::test
