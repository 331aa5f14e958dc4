#include <QtTest>

#include <memory>

#include "core/fivetone/FiveTonePlan.h"
#include "support/LinkRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int kOpeningLength = 8;

// What the PC sent after the opening command: the addresses of its read requests or write
// frames, and the time each request or frame began.
struct Sent {
    std::vector<int> addresses;
    std::vector<std::vector<Micros>> times;  // per message, the time of each of its bytes
};

Sent ParseSent(const std::vector<WireByte>& bytes) {
    Sent sent;
    size_t i = kOpeningLength;
    while (i < bytes.size()) {
        const auto value = [&](size_t k) { return k < bytes.size() ? bytes[k].value : 0; };
        size_t length = 1;                                          // a read acknowledgement
        if (value(i) == 0x06 && value(i + 1) == 0x58) length = 21;  // a write frame
        if (value(i) == 0x06 && value(i + 1) == 0x53) length = 5;   // the first read request
        if (value(i) == 0x53) length = 4;                           // a later read request
        if (length > 1) {
            const size_t at = i + length - 3 - (length == 21 ? 16 : 0);
            sent.addresses.push_back(value(at) * 256 + value(at + 1));
            std::vector<Micros> times;
            for (size_t k = i; k < i + length && k < bytes.size(); ++k)
                times.push_back(bytes[k].time);
            sent.times.push_back(times);
        }
        i += length;
    }
    return sent;
}

}  // namespace

// The five-tone plan on the engine against the simulated radio on the virtual clock.
class FiveTonePlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    RecordingView view;
    std::unique_ptr<FiveTonePlan> plan;
    std::unique_ptr<TransferEngine> engine;

    bool run() {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(120'000'000));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        view = RecordingView{};
        plan = std::make_unique<FiveTonePlan>(rig->state);
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->ports.factory()(), *plan,
                                                  FiveTonePlan::Settings(), &view);
        for (int a = 0x1F00; a < 0x2A00; ++a)
            rig->radio.memory()[size_t(a)] = std::uint8_t(a * 7 + 3);
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void readFetchesTwentyBlocksFrom0x2400() {
        std::vector<FiveToneReadImage> reads;
        plan->onRead = [&](const FiveToneReadImage& image) { reads.push_back(image); };
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());

        QCOMPARE(reads.size(), size_t(1));
        for (int i = 0; i < kFiveToneReadSize; ++i)
            QCOMPARE(reads[0][size_t(i)], std::uint8_t((0x2400 + i) * 7 + 3));

        const Sent sent = ParseSent(rig->wireBytes(WireDirection::ToRadio));
        QCOMPARE(sent.addresses.size(), size_t(20));
        for (size_t k = 0; k < sent.addresses.size(); ++k)
            QCOMPARE(sent.addresses[k], 0x2400 + 64 * int(k));
        QCOMPARE(sent.addresses.back(), 0x28C0);

        std::vector<std::string> labels{"Connecting with transceiver. "};
        for (int counter = 3; counter <= 21; ++counter)
            labels.push_back("Reading " + std::to_string(counter) + " Data Block");
        labels.push_back("Read Signal parameters in gear. ");
        QCOMPARE(view.labels, labels);
        QCOMPARE(view.progress, (std::vector<int>{0,  14, 19, 23, 28, 33, 38, 42, 47, 52,
                                                  57, 61, 66, 71, 76, 80, 85, 90, 95, 100}));
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, "Operate Prompt");
        QCOMPARE(rig->prompt.messages[0].text, "Complete reading the data from transceiver.");
        QCOMPARE(rig->panels.panel(2), "Connect well with radio.");
        QVERIFY(!engine->port().isOpen());
    }

    void writeSends144FramesFrom0x2000() {
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            plan->writeImage[i] = std::uint8_t(i * 5 + 1);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());

        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            QCOMPARE(rig->radio.memory()[0x2000 + i], std::uint8_t(i * 5 + 1));
        QCOMPARE(rig->radio.memory()[0x2900], std::uint8_t(0x2900 * 7 + 3));
        QCOMPARE(rig->radio.memory()[0x1FFF], std::uint8_t(0x1FFF * 7 + 3));

        const Sent sent = ParseSent(rig->wireBytes(WireDirection::ToRadio));
        QCOMPARE(sent.addresses.size(), size_t(144));
        for (size_t k = 0; k < sent.addresses.size(); ++k)
            QCOMPARE(sent.addresses[k], 0x2000 + 16 * int(k));
        QCOMPARE(sent.addresses.back(), 0x28F0);

        QCOMPARE(view.labels.size(), size_t(1 + 143 + 1));
        QCOMPARE(view.labels[0], "Connecting with transceiver. ");
        QCOMPARE(view.labels[1], "Writing  0  Data Block");
        QCOMPARE(view.labels[72], "Writing  71  Data Block");
        QCOMPARE(view.labels[143], "Writing  142  Data Block");
        QCOMPARE(view.labels.back(), "Complete writing Signal parameters ");
        QCOMPARE(view.progress.size(), size_t(1 + 143));
        QCOMPARE(view.progress[1], 0);    // line 1: Int(1 / 144 * 100)
        QCOMPARE(view.progress[72], 50);  // line 72
        QCOMPARE(view.progress[143], 99);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, "Operate Prompt");
        QCOMPARE(rig->prompt.messages[0].text,
                 "Complete writing Signal parameters to the transceiver.");
    }

    // Every request and frame goes out whole on the first pacing tick, 15 ms after it was started.
    void wholeMessagesOnTheFirstTick() {
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());
        const auto bytes = rig->wireBytes(WireDirection::ToRadio);
        QVERIFY(bytes.size() > size_t(kOpeningLength));
        for (int i = 0; i < kOpeningLength; ++i)
            QCOMPARE(bytes[size_t(i)].time, Micros(15'000));
        const Sent sent = ParseSent(bytes);
        QCOMPARE(sent.times.size(), size_t(144));
        for (const auto& times : sent.times) {
            QCOMPARE(times.size(), size_t(21));
            for (Micros t : times)
                QCOMPARE(t, times.front());
        }
    }

    void usedUpRetriesAreReportedInTheEditor() {
        rig->radio.faults().silent = true;
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());

        // Four attempts, each opening command whole, 1000 ms of silence and 3000 ms apart.
        const auto bytes = rig->wireBytes(WireDirection::ToRadio);
        QCOMPARE(bytes.size(), size_t(4 * kOpeningLength));
        for (int attempt = 0; attempt < 4; ++attempt)
            for (int i = 0; i < kOpeningLength; ++i)
                QCOMPARE(bytes[size_t(attempt * kOpeningLength + i)].time,
                         Micros(15'000 + attempt * 4'015'000));

        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, "Operate prompt");
        QCOMPARE(rig->prompt.messages[0].text, "Fail connect with transceiver.");
        QCOMPARE(view.progress.back(), 0);
        QCOMPARE(view.labels.back(), "Communication fault.");
        QCOMPARE(rig->panels.panel(2), std::string());
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->port().isOpen());
    }

    void chineseTexts() {
        rig->state.Language_Flag = -1;
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());
        QVERIFY(view.labels.size() >= size_t(3));
        QCOMPARE(view.labels[1], "正在读取 3 数据块");
        QCOMPARE(view.labels.back(), "信令参数读出正常 ！");
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, "操作提示");
        QCOMPARE(rig->prompt.messages[0].text, "从对讲机中读取数据完毕 ！");
    }
};

QTEST_APPLESS_MAIN(FiveTonePlanTest)
#include "tst_fivetone_plan.moc"
