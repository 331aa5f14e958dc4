#include <QtTest>

#include <cerrno>
#include <map>

#include "PtyLink.h"
#include "core/channels/ChannelPlan.h"
#include "core/link/IdentificationPlan.h"
#include "core/options/OptionPlan.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Radio memory that holds every byte value, including those a line discipline would bend
// (carriage return, XON/XOFF, interrupt, DEL) and the 0xFF "empty" marker.
std::uint8_t ChannelAreaByte(int address) {
    return static_cast<std::uint8_t>(address * 167 + 13);
}
std::uint8_t CompanionAreaByte(int address) {
    return static_cast<std::uint8_t>(address * 89 + 71);
}
// The record the grid encodes for row n, byte j: again every value once over 16 rows.
std::uint8_t RowByte(int row, int j) {
    return static_cast<std::uint8_t>(((row - 1) * 16 + j) * 91 + 7);
}

// The channel grid as the channel plan reaches it: encodes distinct records and keeps the
// records that a read decodes.
struct RecordingGrid : ChannelGridAccess {
    explicit RecordingGrid(SharedState& s) : state(s) {}
    void encodeRow(int n) override {
        encoded.push_back(n);
        auto& image = state.channels.writeImage[static_cast<size_t>(n)];
        for (int j = 0; j < 16; ++j)
            image[static_cast<size_t>(j)] = RowByte(n, j);
    }
    void decodeRow(int n, const std::array<std::uint8_t, 16>& record) override {
        decodedOrder.push_back(n);
        decoded[n] = record;
    }
    SharedState& state;
    std::vector<int> encoded;
    std::vector<int> decodedOrder;
    std::map<int, std::array<std::uint8_t, 16>> decoded;
};

std::vector<std::uint8_t> Request(int address, bool first) {
    auto bytes = first ? Bytes({0x06, 0x53}) : Bytes({0x53});
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(address >> 8),
                               static_cast<std::uint8_t>(address & 0xFF), 0x40});
    return bytes;
}

std::string Text(const Bilingual& text) {
    return std::string(text.pick(0));
}

}  // namespace

class PtyTransfersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<PtyLinkRig> rig;
    std::unique_ptr<RecordingGrid> grid;
    std::unique_ptr<ChannelPlan> plan;
    std::unique_ptr<TransferEngine> engine;

    // The channel editor as its window sets it up: reply stores emptied, 16 channels.
    void makeChannelEditor() {
        rig->state.channels.clearReplies();
        rig->state.Chann_Count = 16;
        grid = std::make_unique<RecordingGrid>(rig->state);
        plan = std::make_unique<ChannelPlan>(rig->state, *grid);
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->makePort(), *plan, ChannelPlan::Settings(),
                                                  &rig->view);
    }
    void fillRadio() {
        auto& memory = rig->host.radio().memory();
        for (int a = 0x0000; a < 0x0200; ++a)
            memory[static_cast<size_t>(a)] = ChannelAreaByte(a);
        for (int a = 0x1000; a < 0x1200; ++a)
            memory[static_cast<size_t>(a)] = CompanionAreaByte(a);
    }
    bool serveUntilIdle() {
        return ServeUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                          kPatienceMs);
    }

  private slots:
    void init() {
        rig = std::make_unique<PtyLinkRig>(RadioConfig{136, 174, 0xA0, true});
        QVERIFY2(rig->start(), qPrintable(rig->host.errorString()));
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        grid.reset();
        rig.reset();
    }

    // The main window's identification run: the opening command goes out once, the reply is
    // accepted and the radio's band is published.
    void identificationIsAccepted() {
        int accepted = 0;
        IdentificationPlan identification([&] { ++accepted; });
        engine =
            std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                             rig->makePort(), identification, MainWindowSettings());
        QCOMPARE(rig->state.Band_Low, 400.0);  // the band table's start-up row until then
        engine->restart(TransferMode::Identify);
        QVERIFY(engine->isBusy());
        QVERIFY(serveUntilIdle());

        QCOMPARE(accepted, 1);
        QVERIFY(engine->identified());
        QCOMPARE(engine->retriesLeft(), 3);
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(10), std::string(" 136-- 174 MHZ"));
        QCOMPARE(rig->state.Band_Low, 136.0);
        QCOMPARE(rig->state.Band_High, 175.0);
        QCOMPARE(rig->state.Band_Low_B, 136.0);
        QCOMPARE(rig->state.Band_High_B, 175.0);
        QVERIFY(!engine->port().isOpen());
        QVERIFY(rig->prompt.messages.empty());
        QCOMPARE(rig->wire(WireDirection::ToRadio), kOpening);
        const auto id = rig->host.radio().identification();
        QCOMPARE(rig->wire(WireDirection::ToPc), std::vector<std::uint8_t>(id.begin(), id.end()));
    }

    // Sixteen channels: five blocks of each area, ten requests, each reply stored as it came
    // through the real port and the channel records decoded into rows 1 to 16.
    void channelReadOfSixteenChannels() {
        fillRadio();
        makeChannelEditor();
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(serveUntilIdle());

        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete reading data from the transceiver."});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QCOMPARE(engine->retriesLeft(), 3);
        QVERIFY(!engine->port().isOpen());

        // Channel block k in slot k, companion block k in slot k + 1, byte for byte.
        const SimulatedRadio& radio = rig->host.radio();
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(rig->state.channels.channelReplies[static_cast<size_t>(k)],
                     ReplyFor(radio, (k - 1) * 64));
            QCOMPARE(rig->state.channels.companionReplies[static_cast<size_t>(k + 1)],
                     ReplyFor(radio, 0x1000 + (k - 1) * 64));
        }

        std::vector<int> rows;
        for (int n = 1; n <= 16; ++n)
            rows.push_back(n);
        QCOMPARE(grid->decodedOrder, rows);  // channels 17 to 20 of block 5 are ignored
        for (int n = 1; n <= 16; ++n) {
            std::array<std::uint8_t, 16> record{};
            for (int j = 0; j < 16; ++j)
                record[static_cast<size_t>(j)] = ChannelAreaByte((n - 1) * 16 + j);
            QCOMPARE(grid->decoded.at(n), record);
        }

        std::vector<std::uint8_t> expected = kOpening;
        for (int k = 1; k <= 5; ++k) {
            for (const int area : {0x0000, 0x1000}) {
                if (k > 1 || area != 0) expected.push_back(0x06);
                const auto request = Request(area + (k - 1) * 64, k == 1 && area == 0);
                expected.insert(expected.end(), request.begin(), request.end());
            }
        }
        expected.push_back(0x06);  // the last reply is acknowledged too
        // It leaves as the port closes; give it time to arrive.
        QVERIFY(ServeUntil(
            [&] { return rig->wire(WireDirection::ToRadio).size() >= expected.size(); }, 1000));
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);

        QCOMPARE(
            rig->view.labels,
            (std::vector<std::string>{
                "Connecting with transceiver. ", "Reading 2 Data Block", "Reading 2 Data Block",
                "Reading 3 Data Block", "Reading 3 Data Block", "Reading 4 Data Block",
                "Reading 4 Data Block", "Reading 5 Data Block", "Reading 5 Data Block",
                "Reading 6 Data Block", Text(channel_texts::kReadDoneLabel)}));
    }

    // Rows 1 to 16 in 17 frames (row 1 twice), each sent after the previous one was
    // acknowledged; afterwards the radio's memory holds the rows and nothing beyond them.
    void channelWriteOfSixteenChannels() {
        makeChannelEditor();
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(serveUntilIdle());

        QCOMPARE(rig->prompt.texts(),
                 std::vector<std::string>{"Complete writing the data to transceiver."});
        QCOMPARE(engine->retriesLeft(), 3);
        QVERIFY(!engine->port().isOpen());
        QCOMPARE(rig->view.labels.back(), Text(channel_texts::kWriteDoneLabel));

        std::vector<int> rows{1};
        for (int n = 1; n <= 16; ++n)
            rows.push_back(n);
        QCOMPARE(grid->encoded, rows);

        const auto& memory = rig->host.radio().memory();
        for (int n = 1; n <= 16; ++n)
            for (int j = 0; j < 16; ++j)
                QCOMPARE(int(memory[static_cast<size_t>((n - 1) * 16 + j)]), int(RowByte(n, j)));
        for (int a = 0x0100; a < 0x0200; ++a)
            QCOMPARE(int(memory[static_cast<size_t>(a)]), 0xFF);

        std::vector<std::uint8_t> expected = kOpening;
        for (const int row : rows) {
            const int address = (row - 1) * 16;
            expected.insert(expected.end(), {0x06, 0x58, static_cast<std::uint8_t>(address >> 8),
                                             static_cast<std::uint8_t>(address & 0xFF), 0x10});
            for (int j = 0; j < 16; ++j)
                expected.push_back(RowByte(row, j));
        }
        QCOMPARE(rig->wire(WireDirection::ToRadio), expected);
        const auto toPc = rig->wire(WireDirection::ToPc);
        QCOMPARE(toPc.size(), std::size_t(9 + 17));
        QCOMPARE(std::vector<std::uint8_t>(toPc.begin() + 9, toPc.end()),
                 std::vector<std::uint8_t>(17, 0x06));
    }

    // The option image written in four frames and read back in four blocks through the real
    // port, every byte value surviving the terminal.
    void optionImageWriteThenRead() {
        OptionPlan options(rig->state);
        for (size_t i = 0; i < options.writeImage.size(); ++i)
            options.writeImage[i] = static_cast<std::uint8_t>(i * 149 + 3);
        std::vector<OptionImage> reads;
        options.onRead = [&](const OptionPlan::ReadImage& read) {
            reads.push_back(OptionPlan::ImageOf(read));
        };
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->makePort(), options, OptionPlan::Settings(),
                                                  &rig->view);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(serveUntilIdle());
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(serveUntilIdle());

        QCOMPARE(
            rig->prompt.texts(),
            (std::vector<std::string>{"Complete writing optional parameters to the transceiver.",
                                      "Complete reading the data from transceiver."}));
        QCOMPARE(engine->retriesLeft(), 3);
        QCOMPARE(reads.size(), size_t(1));
        QCOMPARE(reads[0], options.writeImage);
        const auto toRadio = rig->wire(WireDirection::ToRadio);
        QCOMPARE(std::count(toRadio.begin(), toRadio.end(), 0x58), 4);
        engine.reset();
    }

    // The cable is pulled in the middle of a read reply: the port fails, the engine says so
    // once and stands down without a retry, and the event loop goes quiet again (the
    // serial port would otherwise report the lost device again and again).
    void pulledCableDuringRead() {
        fillRadio();
        makeChannelEditor();
        QVERIFY(engine->startByButton(TransferMode::Read));
        const std::size_t midSecondReply = 9 + 69 + 30;
        QVERIFY(ServeUntil([&] { return rig->wire(WireDirection::ToPc).size() >= midSecondReply; },
                           kPatienceMs));
        QVERIFY(engine->readBusy());
        // The device's end reads as end-of-file then, and Qt reports it from whatever errno
        // the thread last left behind: a stale EAGAIN makes it a resource error that Qt
        // stops listening on by itself, anything else a read error that it reports again at
        // every turn of the loop. Clear errno so that the pull takes the second, harder path.
        errno = 0;
        rig->host.unplug();
        // The failure shows at once; the loop must stay quiet from the pull on.
        const int turns = EventLoopTurns(300);
        QVERIFY2(turns < 50, qPrintable(QString("the event loop turned %1 times").arg(turns)));
        QVERIFY(ServeUntil([&] { return !engine->isBusy(); }, kPatienceMs));

        QCOMPARE(rig->prompt.texts(), std::vector<std::string>{Text(link_texts::kPortFailedText)});
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate prompt"));
        QVERIFY(!engine->readBusy());
        QVERIFY(!engine->writeBusy());
        QVERIFY(!engine->retryPending());
        QCOMPARE(engine->retriesLeft(), 3);
        QVERIFY(!engine->port().isOpen());
        QVERIFY(grid->decodedOrder.empty());
        QVERIFY(rig->view.labels.back() != Text(channel_texts::kReadDoneLabel));

        // The device is gone: the next Read is refused like any port that will not open, and
        // leaves nothing running.
        QVERIFY(!engine->startByButton(TransferMode::Read));
        QCOMPARE(rig->prompt.messages.back().text, Text(link_texts::kChannelPortOpenText));
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->retryPending());
    }
};

QTEST_GUILESS_MAIN(PtyTransfersTest)
#include "tst_pty_transfers.moc"
