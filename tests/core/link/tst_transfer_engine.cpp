#include <QtTest>

#include "core/link/LinkTexts.h"
#include "core/link/PlainBlockPlan.h"
#include "support/LinkRig.h"
#include "support/ScriptedPort.h"

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr long long kMs = 1000;

const PlainBlockPlan::Texts kTexts{
    {"读 ", "Reading "},   {" 块", " Block"},   {"写 ", "Writing "},    {" 帧", " Frame"},
    {"读完", "Read done"}, {"读好", "Read ok"}, {"写完", "Write done"}, {"写好", "Write ok"}};

FrameData FrameFor(int frame) {
    FrameData data;
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<std::uint8_t>(frame * 16 + i + 1);
    return data;
}

std::vector<std::uint8_t> ReadRequest(int high, int low, bool first) {
    return first ? Bytes({0x06, 0x53, high, low, 0x40}) : Bytes({0x53, high, low, 0x40});
}

std::vector<std::uint8_t> WriteFrame(int high, int low, const FrameData& data) {
    auto frame = Bytes({0x06, 0x58, high, low, 0x10});
    frame.insert(frame.end(), data.begin(), data.end());
    return frame;
}

const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

}  // namespace

// The engine with a plain three-block plan at 0x0220, against the simulated radio and,
// where single bytes matter, a scripted port.
class TransferEngineTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<PlainBlockPlan> plan;
    std::unique_ptr<TransferEngine> engine;
    RecordingView view;
    std::vector<std::pair<int, ReadReply>> replies;
    int decodes = 0;

    void makeEngine(std::unique_ptr<SerialPort> port = nullptr, EngineSettings settings = {}) {
        if (!port) port = rig->ports.factory()();
        engine.reset();
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  std::move(port), *plan, settings, &view);
    }
    bool runUntilIdle(long long limitMs = 60'000) {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(limitMs * kMs));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        plan = std::make_unique<PlainBlockPlan>(rig->state, std::array<std::uint8_t, 2>{0x02, 0x20},
                                                3, 3, kTexts);
        plan->onReply = [this](int block, const ReadReply& reply) {
            replies.push_back({block, reply});
        };
        plan->frameData = FrameFor;
        plan->onDecode = [this] { ++decodes; };
        replies.clear();
        decodes = 0;
        view = RecordingView{};
        for (int i = 0; i < 0x100; ++i)
            rig->radio.memory()[static_cast<size_t>(0x0220 + i)] =
                static_cast<std::uint8_t>(i ^ 0x5A);
        makeEngine();
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void readOfThreeBlocks() {
        QVERIFY(engine->startByButton(TransferMode::Read));
        QCOMPARE(view.progress, std::vector<int>{0});
        QCOMPARE(view.labels, std::vector<std::string>{"Connecting with transceiver. "});
        QVERIFY(runUntilIdle());

        // Each reply is acknowledged before the next request; the first request carries the
        // leading 0x06 and the last reply is acknowledged too.
        QCOMPARE(rig->wire(WireDirection::ToRadio),
                 Concat({kOpening, ReadRequest(0x02, 0x20, true), Bytes({0x06}),
                         ReadRequest(0x02, 0x60, false), Bytes({0x06}),
                         ReadRequest(0x02, 0xA0, false), Bytes({0x06})}));
        // Replies are stored as blocks 0, 1, 2; the counter shown runs from 3 to 4 of 4.
        QCOMPARE(replies.size(), size_t(3));
        for (int k = 0; k < 3; ++k) {
            const ReadReply& reply = replies[static_cast<size_t>(k)].second;
            QCOMPARE(replies[static_cast<size_t>(k)].first, k);
            QCOMPARE(int(reply[2]), 0x02);
            QCOMPARE(int(reply[3]), 0x20 + 0x40 * k);
            QCOMPARE(int(reply[5]), (0x40 * k) ^ 0x5A);
            QCOMPARE(int(reply[68]), (0x40 * k + 63) ^ 0x5A);
        }
        QCOMPARE(decodes, 1);
        QCOMPARE(view.progress, (std::vector<int>{0, 75, 100}));
        QCOMPARE(view.labels,
                 (std::vector<std::string>{"Connecting with transceiver. ", "Reading 3 Block",
                                           "Reading 4 Block", "Read ok"}));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Read done"));
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QVERIFY(!engine->port().isOpen());
        rig->clock.advanceMs(5);  // the last acknowledgement reaches the radio
        QVERIFY(!rig->clock.anyArmed());
    }

    // The acknowledgement leaves as the 69th byte arrives; the next request starts 15 ms
    // later and its bytes follow every 5 ms.
    void readPacing() {
        engine->startByButton(TransferMode::Read);
        QVERIFY(runUntilIdle());
        const auto sent = rig->wireBytes(WireDirection::ToRadio);
        const auto received = rig->wireBytes(WireDirection::ToPc);
        // Opening command: +15 ms, then every 5 ms.
        for (size_t i = 0; i < 8; ++i)
            QCOMPARE(sent[i].time.count(), (15 + 5 * long(i)) * kMs);
        const auto lastOfFirstReply = received[9 + 68].time;
        const auto ack = sent[8 + 5];
        QCOMPARE(int(ack.value), 0x06);
        QCOMPARE(ack.time, lastOfFirstReply);
        for (size_t i = 0; i < 4; ++i)
            QCOMPARE(sent[14 + i].time, lastOfFirstReply + Micros((15 + 5 * long(i)) * kMs));
    }

    void writeOfThreeBlocks() {
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(runUntilIdle());
        // Frame 0 follows the identification, each later frame the acknowledgement of the
        // one before; every frame starts with 0x06.
        QCOMPARE(
            rig->wire(WireDirection::ToRadio),
            Concat({kOpening, WriteFrame(0x02, 0x20, FrameFor(0)),
                    WriteFrame(0x02, 0x30, FrameFor(1)), WriteFrame(0x02, 0x40, FrameFor(2))}));
        for (int frame = 0; frame < 3; ++frame)
            for (int i = 0; i < 16; ++i)
                QCOMPARE(int(rig->radio.memory()[static_cast<size_t>(0x0220 + frame * 16 + i)]),
                         frame * 16 + i + 1);
        QCOMPARE(int(rig->radio.memory()[0x0250]), 0x30 ^ 0x5A);  // untouched
        QCOMPARE(view.progress, (std::vector<int>{0, 33, 66}));
        QCOMPARE(view.labels.back(), std::string("Write ok"));
        QCOMPARE(view.labels[1], std::string("Writing 0 Frame"));
        QCOMPARE(rig->prompt.messages.at(0).text, std::string("Write done"));

        // Each frame leaves only after the radio acknowledged the previous one.
        const auto sent = rig->wireBytes(WireDirection::ToRadio);
        const auto received = rig->wireBytes(WireDirection::ToPc);
        std::vector<Micros> acks;
        for (size_t i = 9; i < received.size(); ++i)
            acks.push_back(received[i].time);
        QCOMPARE(acks.size(), size_t(3));
        for (size_t frame = 1; frame < 3; ++frame)
            QVERIFY(sent[8 + 21 * frame].time > acks[frame - 1]);
    }

    void writeIgnoresAnEarlyAcknowledgement() {
        auto scripted = std::make_unique<ScriptedPort>();
        ScriptedPort& port = *scripted;
        makeEngine(std::move(scripted));
        engine->startByButton(TransferMode::Write);
        rig->clock.advanceMs(60);
        port.feed(Bytes({0xAA, 4, 0, 0, 4, 7, 0, 0xA0, 0}));
        rig->clock.advanceMs(40);  // part of the first frame is out
        const size_t sentSoFar = port.written.size();
        QVERIFY(sentSoFar > 8 && sentSoFar < 8 + 21);
        port.feed(Bytes({0x06, 0x99, 0x06}));  // too early, junk, too early
        rig->clock.advanceMs(200);
        QCOMPARE(port.written.size(), size_t(8 + 21));  // still only the first frame
        port.feed(Bytes({0x06}));
        rig->clock.advanceMs(200);
        QCOMPARE(port.written.size(), size_t(8 + 21 + 21));
    }

    void replyArrivingInPiecesAndTrailingBytes() {
        auto scripted = std::make_unique<ScriptedPort>();
        ScriptedPort& port = *scripted;
        makeEngine(std::move(scripted));
        engine->startByButton(TransferMode::Read);
        rig->clock.advanceMs(60);
        port.feed(Bytes({0xAA, 4, 0, 0, 4, 7, 0, 0xA0, 0}));
        rig->clock.advanceMs(40);
        QCOMPARE(port.written.size(), size_t(8 + 5));

        std::vector<std::uint8_t> reply(69, 0x11);
        reply[2] = 0x02;
        reply[3] = 0x20;
        port.feed(std::vector<std::uint8_t>(reply.begin(), reply.begin() + 30));
        port.feed(std::vector<std::uint8_t>(reply.begin() + 30, reply.begin() + 68));
        QVERIFY(replies.empty());
        auto last = std::vector<std::uint8_t>{reply[68], 0xEE, 0xEE, 0xEE};
        port.feed(last);
        QCOMPARE(replies.size(), size_t(1));
        QCOMPARE(port.bytesWaiting(), 0);  // the bytes after the 69th went with the reply
        QCOMPARE(port.written.back(), std::uint8_t(0x06));
    }

    void silentRadioFourAttemptsThenFault() {
        rig->radio.faults().silent = true;
        engine->startByButton(TransferMode::Read);
        // Each attempt: 8 bytes at 15 + 5 ms steps, time-out 1000 ms after the last, retry
        // 1500 ms after that.
        const long long attempt = 50 + 1000 + 1500;
        rig->clock.advanceMs(4 * attempt - 1);
        QVERIFY(rig->panels.panel(2) != "Communication fault.");
        rig->clock.advanceMs(1);
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QCOMPARE(rig->wire(WireDirection::ToRadio).size(), size_t(4 * 8));
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->port().isOpen());
        QVERIFY(!rig->clock.anyArmed());
        QVERIFY(rig->prompt.messages.empty());
        QCOMPARE(view.labels.back(), std::string("Connecting with transceiver. "));
        // Read can be pressed again at once.
        rig->radio.faults().silent = false;
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(runUntilIdle());
        QCOMPARE(decodes, 1);
    }

    // The signalling editors report used-up retries in their own window, not in panel 2.
    void retriesUsedUpReportedInTheEditor() {
        makeEngine(nullptr, {.burst = true, .retryDelayMs = 3000, .failureInEditor = true});
        rig->radio.faults().silent = true;
        engine->startByButton(TransferMode::Write);
        QVERIFY(runUntilIdle());
        QCOMPARE(rig->wire(WireDirection::ToRadio).size(), size_t(4 * 8));
        QVERIFY(rig->panels.panel(2) != "Communication fault.");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Fail connect with transceiver."));
        QCOMPARE(view.progress.back(), 0);
        QCOMPARE(view.labels.back(), std::string("Communication fault."));
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->port().isOpen());
        QVERIFY(!rig->clock.anyArmed());
    }

    void missingAcknowledgementRestartsTheWrite() {
        rig->radio.faults().withholdAckOfWriteFrame = 3;
        engine->startByButton(TransferMode::Write);
        QVERIFY(runUntilIdle());
        QCOMPARE(rig->prompt.messages.at(0).text, std::string("Write done"));
        QCOMPARE(engine->retriesLeft(), 2);
        int openings = 0;
        for (auto byte : rig->wire(WireDirection::ToRadio))
            openings += byte == 0xBB;
        QCOMPARE(openings, 2);
    }

    void busyRefusalChangesNothing() {
        engine->startByButton(TransferMode::Read);
        rig->clock.advanceMs(300);
        QVERIFY(engine->readBusy());
        QVERIFY(!engine->startByButton(TransferMode::Write));
        QVERIFY(!engine->startByButton(TransferMode::Read));
        QCOMPARE(rig->prompt.texts(),
                 (std::vector<std::string>(2, "Read-write operating with transceiver .")));
        QVERIFY(engine->readBusy());
        QVERIFY(runUntilIdle());
        QCOMPARE(decodes, 1);
        QCOMPARE(replies.size(), size_t(3));
    }

    void busyRefusalInChinese() {
        rig->state.Language_Flag = -1;
        engine->startByButton(TransferMode::Write);
        engine->startByButton(TransferMode::Read);
        QCOMPARE(rig->prompt.messages.at(0).title, std::string("操作提示"));
        QCOMPARE(rig->prompt.messages.at(0).text, std::string("正在与对讲机进行读写操作 ！"));
        QCOMPARE(view.labels.at(0), std::string("正在与对讲机联络 ！"));
    }

    // Pressing Read while a retry is pending must not leave the editor busy forever.
    void buttonDuringAPendingRetry() {
        rig->radio.faults().ignoreOpenings = 1;
        engine->startByButton(TransferMode::Read);
        rig->clock.advanceMs(1200);
        QVERIFY(engine->retryPending());
        QVERIFY(!engine->isBusy());
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(runUntilIdle());
        QCOMPARE(decodes, 1);
        QVERIFY(!engine->isBusy());
        QCOMPARE(engine->retriesLeft(), 3);
    }

    void portThatWillNotOpen() {
        rig->state.Comm_Port = 7;
        QVERIFY(!engine->startByButton(TransferMode::Read));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        QVERIFY(!engine->isBusy());
        QVERIFY(view.progress.empty());
        QVERIFY(view.labels.empty());
        QVERIFY(!rig->clock.anyArmed());
    }

    void pulledCableEndsTheTransfer() {
        rig->radio.faults().pullCableAfterBytes = 40;
        engine->startByButton(TransferMode::Read);
        rig->clock.advanceMs(5000);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].text,
                 std::string("The communication port failed; the connection with the transceiver "
                             "was interrupted."));
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->retryPending());
        QVERIFY(!engine->port().isOpen());
        QCOMPARE(decodes, 0);
        const size_t sent = rig->wire(WireDirection::ToRadio).size();
        rig->clock.advanceMs(20'000);
        QCOMPARE(rig->wire(WireDirection::ToRadio).size(), sent);  // no retry
        // The port is gone now: the next Read reports it like any port that will not open.
        QVERIFY(!engine->startByButton(TransferMode::Read));
        QCOMPARE(rig->prompt.messages.back().text, std::string("Communication Port Open Error ！"));
    }
};

QTEST_APPLESS_MAIN(TransferEngineTest)
#include "tst_transfer_engine.moc"
