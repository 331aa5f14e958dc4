#include <QtTest>

#include "core/channels/ChannelPlan.h"
#include "core/channels/ChannelRecord.h"
#include "support/LinkRig.h"
#include "support/ScriptedPort.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Grid rows as plain cell texts, encoded and decoded with the channel codec.
struct FakeGrid : ChannelGridAccess {
    FakeGrid(SharedState& s, int rows) : state(s), cells(static_cast<size_t>(rows) + 1) {}
    void encodeRow(int n) override {
        const ChannelRecord record =
            EncodeChannelRow(cells.at(static_cast<size_t>(n)), state.Band_Low);
        std::copy(record.begin(), record.end(),
                  state.channels.writeImage[static_cast<size_t>(n)].begin());
    }
    void decodeRow(int n, const std::array<std::uint8_t, 16>& record) override {
        decoded.push_back(n);
        DecodeChannelRecord(record, cells.at(static_cast<size_t>(n)), DecodeStyle::AfterRead);
    }
    SharedState& state;
    std::vector<ChannelRow> cells;
    std::vector<int> decoded;
};

// A distinct valid record for channel n: 400 + n MHz, power low for odd channels.
ChannelRecord RecordFor(int n) {
    ChannelRow row{};
    row[1] = std::to_string(400 + n) + ".12500";
    row[2] = std::to_string(401 + n) + ".00000";
    row[3] = "67.0";
    row[4] = "D023N";
    row[5] = n % 2 ? "LOW" : "HIGH";
    row[6] = "W";
    row[7] = "BOT";
    row[8] = "ON";
    row[9] = "OFF";
    row[10] = "2";
    row[11] = std::to_string(1 + n % 8);
    return EncodeChannelRow(row, 400);
}

std::vector<std::uint8_t> Request(int high, int low, bool first = false) {
    return first ? Bytes({0x06, 0x53, high, low, 0x40}) : Bytes({0x53, high, low, 0x40});
}

}  // namespace

class ChannelPlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<FakeGrid> grid;
    std::unique_ptr<ChannelPlan> plan;
    std::unique_ptr<TransferEngine> engine;
    RecordingView view;

    void setUp(int channels, std::unique_ptr<SerialPort> port = nullptr) {
        rig->state.Chann_Count = static_cast<std::int16_t>(channels);
        grid = std::make_unique<FakeGrid>(rig->state, channels);
        plan = std::make_unique<ChannelPlan>(rig->state, *grid);
        EngineSettings settings;
        settings.portMessage = PortMessageStyle::Channel;
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  port ? std::move(port) : rig->ports.factory()(),
                                                  *plan, settings, &view);
    }
    void runToEnd() {
        rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                            Micros(600'000'000));
    }
    // Memory at 0x0000 with 260 distinct records, 0x1000 with companion bytes.
    void fillRadio() {
        for (int n = 1; n <= 260; ++n) {
            const ChannelRecord record = RecordFor(n);
            std::copy(record.begin(), record.end(), rig->radio.memory().begin() + (n - 1) * 16);
        }
        for (int i = 0; i < 0x1000; ++i)
            rig->radio.memory()[static_cast<size_t>(0x1000 + i)] = static_cast<std::uint8_t>(i);
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        view = RecordingView{};
        rig->state.channels.clearReplies();
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        grid.reset();
        rig.reset();
    }

    void readBlockCount_data() {
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("blocks");
        QTest::newRow("1") << 1 << 2;
        QTest::newRow("4") << 4 << 2;
        QTest::newRow("5") << 5 << 3;
        QTest::newRow("16") << 16 << 5;
        QTest::newRow("17") << 17 << 6;
        QTest::newRow("128") << 128 << 33;
        QTest::newRow("260") << 260 << 66;
    }
    void readBlockCount() {
        QFETCH(int, channels);
        QFETCH(int, blocks);
        QCOMPARE(ChannelPlan::ReadBlockCount(channels), blocks);
    }

    // Channel block k, then companion block k, for k = 1 to N; each request after the first
    // preceded by the acknowledgement of the reply before it.
    void readRequestsAlternateBetweenTheAreas_data() {
        QTest::addColumn<int>("channels");
        QTest::newRow("16 channels") << 16;
        QTest::newRow("128 channels") << 128;
    }
    void readRequestsAlternateBetweenTheAreas() {
        QFETCH(int, channels);
        setUp(channels);
        fillRadio();
        QVERIFY(engine->startByButton(TransferMode::Read));
        runToEnd();

        const int n = ChannelPlan::ReadBlockCount(channels);
        std::vector<std::uint8_t> expected = {0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02};
        for (int k = 1; k <= n; ++k) {
            const auto channel = Request((k - 1) / 4, ((k - 1) * 64) % 256, k == 1);
            expected.insert(expected.end(), channel.begin(), channel.end());
            expected.push_back(0x06);
            const auto companion = Request(0x10 + (k - 1) / 4, ((k - 1) * 64) % 256);
            expected.insert(expected.end(), companion.begin(), companion.end());
            expected.push_back(0x06);
        }
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);

        // Every channel up to the count is decoded, and nothing beyond it.
        std::vector<int> all(static_cast<size_t>(channels));
        std::iota(all.begin(), all.end(), 1);
        QCOMPARE(grid->decoded, all);
        for (int c : {1, channels / 2, channels}) {
            ChannelRow expectedRow{};
            DecodeChannelRecord(RecordFor(c), expectedRow, DecodeStyle::AfterRead);
            QCOMPARE(grid->cells[static_cast<size_t>(c)], expectedRow);
        }
        // Companion block k sits in slot k + 1 of its table, untouched otherwise.
        QCOMPARE(int(rig->state.channels.companionReplies[2][2]), 0x10);
        QCOMPARE(int(rig->state.channels.companionReplies[2][5]), 0x00);
        QCOMPARE(int(rig->state.channels.companionReplies[1][2]), 0xFF);

        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete reading data from the transceiver."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(view.labels.back(), std::string("Read Channel Data is Ok ！"));
    }

    // The label counts from 2 to N + 1, each value twice except the last.
    void readProgress() {
        setUp(16);
        engine->startByButton(TransferMode::Read);
        runToEnd();
        const std::vector<std::string> labels(view.labels.begin() + 1, view.labels.end() - 1);
        QCOMPARE(labels,
                 (std::vector<std::string>{
                     "Reading 2 Data Block", "Reading 2 Data Block", "Reading 3 Data Block",
                     "Reading 3 Data Block", "Reading 4 Data Block", "Reading 4 Data Block",
                     "Reading 5 Data Block", "Reading 5 Data Block", "Reading 6 Data Block"}));
        QCOMPARE(view.progress, (std::vector<int>{0, 33, 33, 50, 50, 66, 66, 83, 83, 100}));
    }

    void readLabelInChinese() {
        setUp(4);
        rig->state.Language_Flag = -1;
        engine->startByButton(TransferMode::Read);
        runToEnd();
        QCOMPARE(view.labels[1], std::string("正在读取 2 数据块"));
        QCOMPARE(view.labels.back(), std::string("信道数据读出正常 ！"));
        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{"从对讲机中读取数据完毕 ！"});
    }

    // Rows are placed by the address the radio echoed, not by the order of arrival.
    void rowsFollowTheEchoedAddress() {
        auto scripted = std::make_unique<ScriptedPort>();
        ScriptedPort& port = *scripted;
        setUp(8, std::move(scripted));  // N = 3
        const auto reply = [](int high, int low, int firstChannel) {
            std::vector<std::uint8_t> bytes = Bytes({0x57, 0x00, high, low, 0x40});
            for (int r = 0; r < 4; ++r) {
                const ChannelRecord record = RecordFor(firstChannel + r);
                bytes.insert(bytes.end(), record.begin(), record.end());
            }
            return bytes;
        };
        engine->startByButton(TransferMode::Read);
        rig->clock.advanceMs(100);
        port.feed(Bytes({0xAA, 4, 0, 0, 4, 7, 0, 0xA0, 0}));
        const std::vector<std::vector<std::uint8_t>> replies = {
            reply(0x00, 0x40, 5),  reply(0x10, 0x00, 90), reply(0x00, 0x00, 1),
            reply(0x10, 0x40, 90), reply(0x00, 0x80, 9),  reply(0x10, 0x80, 90)};
        for (const auto& r : replies) {
            rig->clock.advanceMs(100);
            port.feed(r);
        }
        QVERIFY(!engine->isBusy());
        QCOMPARE(grid->decoded, (std::vector<int>{5, 6, 7, 8, 1, 2, 3, 4}));
        for (int c = 1; c <= 8; ++c) {
            ChannelRow expectedRow{};
            DecodeChannelRecord(RecordFor(c), expectedRow, DecodeStyle::AfterRead);
            QCOMPARE(grid->cells[static_cast<size_t>(c)], expectedRow);
        }
    }

    void writeSendsSeventeenFrames() {
        setUp(16);
        for (int n = 1; n <= 16; ++n)
            DecodeChannelRecord(RecordFor(n), grid->cells[size_t(n)], DecodeStyle::AfterRead);
        grid->cells[7] = ChannelRow{};  // an empty channel
        QVERIFY(engine->startByButton(TransferMode::Write));
        runToEnd();

        std::vector<std::uint8_t> expected = {0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02};
        for (int frame = 0; frame < 17; ++frame) {
            const int row = std::max(1, frame);
            const auto head = Bytes({0x06, 0x58, 0x00, (row - 1) * 16, 0x10});
            expected.insert(expected.end(), head.begin(), head.end());
            const ChannelRecord record = row == 7 ? ChannelRecord{} : RecordFor(row);
            if (row == 7) {
                std::vector<std::uint8_t> empty(16, 0xFF);
                expected.insert(expected.end(), empty.begin(), empty.end());
            } else {
                expected.insert(expected.end(), record.begin(), record.end());
            }
        }
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);
        for (int n = 1; n <= 16; ++n) {
            const auto start = rig->radio.memory().begin() + (n - 1) * 16;
            const auto& image = rig->state.channels.writeImage[size_t(n)];
            QVERIFY(std::equal(start, start + 16, image.begin()));
        }
        QVERIFY(std::all_of(rig->radio.memory().begin() + 0x60, rig->radio.memory().begin() + 0x70,
                            [](std::uint8_t b) { return b == 0xFF; }));
        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete writing the data to transceiver."});
        QCOMPARE(view.labels.back(), std::string("Channel Data Writed ！"));
        QCOMPARE(view.labels[1], std::string("Writeing  0  Channel"));
        QCOMPARE(view.labels[16], std::string("Writeing  15  Channel"));
        QCOMPARE(view.progress.back(), 100);
    }

    void failedReadsLeaveTheGridUntouched_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<int>("replyLength");
        QTest::newRow("silent radio") << true << 69;
        QTest::newRow("replies one byte short") << false << 68;
    }
    void failedReadsLeaveTheGridUntouched() {
        QFETCH(bool, silent);
        QFETCH(int, replyLength);
        setUp(16);
        rig->radio.faults().silent = silent;
        rig->radio.faults().readReplyLength = replyLength;
        grid->cells[1][1] = "401.12500";
        engine->startByButton(TransferMode::Read);
        runToEnd();
        QVERIFY(grid->decoded.empty());
        QCOMPARE(grid->cells[1][1], std::string("401.12500"));
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QVERIFY(rig->prompt.messages.empty());
    }
};

QTEST_APPLESS_MAIN(ChannelPlanTest)
#include "tst_channel_plan.moc"
