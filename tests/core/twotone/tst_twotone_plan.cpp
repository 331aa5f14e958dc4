#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "core/twotone/TwoTonePlan.h"
#include "support/LinkRig.h"

using namespace orvex;
using namespace orvex::test;

namespace {

constexpr int kBase = 0x2D00;
const std::vector<std::uint8_t> kOpening = Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02});

std::uint8_t Pattern(int address) {
    return static_cast<std::uint8_t>(address * 13 + 5);
}

}  // namespace

// The two-tone plan on the engine against the simulated radio on the virtual clock.
class TwoTonePlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<TwoTonePlan> plan;
    RecordingView view;
    std::unique_ptr<TransferEngine> engine;

    bool run() {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(600'000'000));
    }

    // The PC's bytes split into what went out at one moment each.
    std::vector<std::vector<std::uint8_t>> sentInBursts() const {
        std::vector<std::vector<std::uint8_t>> bursts;
        Micros last{-1};
        for (const WireByte& b : rig->wireBytes(WireDirection::ToRadio)) {
            if (bursts.empty() || b.time != last) bursts.emplace_back();
            bursts.back().push_back(b.value);
            last = b.time;
        }
        return bursts;
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        plan = std::make_unique<TwoTonePlan>(rig->state);
        view = RecordingView{};
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->ports.factory()(), *plan,
                                                  TwoTonePlan::Settings(), &view);
        for (int a = 0x2C00; a < 0x3100; ++a)
            rig->radio.memory()[size_t(a)] = Pattern(a);
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void readsTwelveBlocksIntoOneImage() {
        std::vector<TwoTonePlan::ReadImage> reads;
        plan->onRead = [&](const TwoTonePlan::ReadImage& image) { reads.push_back(image); };
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());

        QCOMPARE(reads.size(), 1u);
        for (int i = 0; i < 768; ++i)
            QCOMPARE(reads[0][size_t(i)], Pattern(kBase + i));

        // The opening command, the first request, then an acknowledgement and the next request
        // after each reply; every one of them whole at one moment.
        std::vector<std::vector<std::uint8_t>> expected = {kOpening,
                                                           Bytes({0x06, 0x53, 0x2D, 0x00, 0x40})};
        for (int k = 1; k < 12; ++k) {
            const int address = kBase + 64 * k;
            expected.push_back(Bytes({0x06}));
            expected.push_back(Bytes({0x53, address >> 8, address & 0xFF, 0x40}));
        }
        expected.push_back(Bytes({0x06}));
        QCOMPARE(sentInBursts(), expected);

        QCOMPARE(view.progress, (std::vector<int>{0, 23, 30, 38, 46, 53, 61, 69, 76, 84, 92, 100}));
        std::vector<std::string> labels = {"Connecting with transceiver. "};
        for (int n = 3; n <= 13; ++n)
            labels.push_back("Reading " + std::to_string(n) + " Data Block");
        labels.push_back("Read Signal parameters in gear. ");
        QCOMPARE(view.labels, labels);

        QCOMPARE(rig->prompt.messages.size(), 1u);
        QCOMPARE(rig->prompt.messages[0].title, "Operate Prompt");
        QCOMPARE(rig->prompt.messages[0].text, "Complete reading the data from transceiver.");
        // The identification every editor uses: panel 2, panel 10 and the band limits.
        QCOMPARE(rig->panels.panel(2), "Connect well with radio.");
        QCOMPARE(rig->panels.panel(10), " 400-- 470 MHZ");
        QCOMPARE(rig->panels.panel(8), "");
        QCOMPARE(rig->state.Band_High, 471);
    }

    void writesFortyEightFramesEachWhole() {
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            plan->writeImage[i] = static_cast<std::uint8_t>(i ^ 0xA5);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());

        for (int i = 0; i < 768; ++i)
            QCOMPARE(rig->radio.memory()[size_t(kBase + i)], std::uint8_t(i ^ 0xA5));
        QCOMPARE(rig->radio.memory()[0x2CFF], Pattern(0x2CFF));
        QCOMPARE(rig->radio.memory()[0x3000], Pattern(0x3000));

        const auto bursts = sentInBursts();
        QCOMPARE(bursts.size(), 49u);
        QCOMPARE(bursts[0], kOpening);
        for (int line = 0; line < 48; ++line) {
            const int address = kBase + 16 * line;
            std::vector<std::uint8_t> frame =
                Bytes({0x06, 0x58, address >> 8, address & 0xFF, 0x10});
            for (int i = 0; i < 16; ++i)
                frame.push_back(std::uint8_t((16 * line + i) ^ 0xA5));
            QCOMPARE(bursts[size_t(line + 1)], frame);
        }
        QCOMPARE(bursts.back()[2], 0x2F);
        QCOMPARE(bursts.back()[3], 0xF0);

        const std::vector<int> progress = {0,  2,  4,  6,  8,  10, 12, 14, 16, 18, 20, 22,
                                           25, 27, 29, 31, 33, 35, 37, 39, 41, 43, 45, 47,
                                           50, 52, 54, 56, 58, 60, 62, 64, 66, 68, 70, 72,
                                           75, 77, 79, 81, 83, 85, 87, 89, 91, 93, 95, 97};
        std::vector<std::string> labels = {"Connecting with transceiver. "};
        for (int line = 1; line < 48; ++line)
            labels.push_back("Writing  " + std::to_string(line - 1) + "  Data Block");
        labels.push_back("Complete writing Signal parameters ");
        QCOMPARE(view.progress, progress);
        QCOMPARE(view.labels, labels);
        QCOMPARE(rig->prompt.messages.size(), 1u);
        QCOMPARE(rig->prompt.messages[0].title, "Operate Prompt");
        QCOMPARE(rig->prompt.messages[0].text,
                 "Complete writing Signal parameters to the transceiver.");
    }

    void chineseProgressTexts() {
        rig->state.Language_Flag = -1;
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());
        QVERIFY(view.labels.size() >= 3u);
        QCOMPARE(view.labels[1], "正在读取 3 数据块");
        QCOMPARE(view.labels.back(), "信令参数读出正常 ！");
        QCOMPARE(rig->prompt.messages.at(0).title, "操作提示");
        QCOMPARE(rig->prompt.messages.at(0).text, "从对讲机中读取数据完毕 ！");

        view = RecordingView{};
        rig->prompt.messages.clear();
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());
        QCOMPARE(view.labels[1], "正在写入  0  数据块");
        QCOMPARE(view.labels.back(), "信令参数写入完毕 ！");
        QCOMPARE(rig->prompt.messages.at(0).text, "向对讲机写入信令参数完毕 ！");
    }

    // Silence: four attempts, each retried 3000 ms after its watchdog expired, then the report in
    // the editor rather than in the status bar.
    void usedUpRetriesAreReportedInTheEditor() {
        for (TransferMode mode : {TransferMode::Read, TransferMode::Write}) {
            rig->radio.faults().silent = true;
            rig->radio.clearTranscript();
            rig->prompt.messages.clear();
            rig->panels.panels.fill("");
            view = RecordingView{};
            QVERIFY(engine->startByButton(mode));
            QVERIFY(run());

            const auto bursts = sentInBursts();
            QCOMPARE(bursts.size(), 4u);
            for (const auto& burst : bursts)
                QCOMPARE(burst, kOpening);
            std::vector<Micros> starts;
            Micros last{-1};
            for (const WireByte& b : rig->wireBytes(WireDirection::ToRadio))
                if (b.time != last) starts.push_back(last = b.time);
            for (size_t k = 1; k < starts.size(); ++k)
                QCOMPARE(starts[k] - starts[k - 1], Micros((1000 + 3000 + 15) * 1000));

            QCOMPARE(rig->prompt.messages.size(), 1u);
            QCOMPARE(rig->prompt.messages[0].title, "Operate prompt");
            QCOMPARE(rig->prompt.messages[0].text, "Fail connect with transceiver.");
            QCOMPARE(view.progress.back(), 0);
            QCOMPARE(view.labels.back(), "Communication fault.");
            QCOMPARE(rig->panels.panel(2), "");
            QVERIFY(!engine->isBusy());
        }
    }

    // A radio of another family is turned away by the identification every editor uses.
    void anotherFamilyIsNotAccepted() {
        rig->radio.config().familyByte = 0xB0;
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());
        QVERIFY(!engine->identified());
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{"Fail connect with transceiver."});
        QCOMPARE(rig->panels.panel(10), "");
    }
};

QTEST_APPLESS_MAIN(TwoTonePlanTest)
#include "tst_twotone_plan.moc"
