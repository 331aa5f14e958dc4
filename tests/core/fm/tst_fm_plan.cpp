#include <QtTest>

#include "core/fm/FmPlan.h"
#include "support/LinkRig.h"

using namespace orvex;
using namespace orvex::test;

// The FM plan on the engine against the simulated radio: the wire, the progress of a read
// and a write, and replies placed by the address they echo.
class FmPlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<FmPlan> plan;
    std::unique_ptr<TransferEngine> engine;
    RecordingView view;

    bool run() {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(60'000'000));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        plan = std::make_unique<FmPlan>(rig->state);
        view = RecordingView{};
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->ports.factory()(), *plan, FmPlan::Settings(),
                                                  &view);
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void read() {
        FmSettings written{DefaultFmPresets(),
                           {"136.00000", "174.00000", "400.00000", "470.00000"}};
        const FmWriteImage image = EncodeFmImage(written);
        std::copy(image.begin(), image.end(), rig->radio.memory().begin() + kFmAreaAddress);
        std::vector<std::vector<ReadReply>> reads;
        plan->onReplies = [&](const std::vector<ReadReply>& replies) { reads.push_back(replies); };
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());

        QCOMPARE(reads.size(), size_t(1));
        QCOMPARE(reads[0].size(), size_t(5));
        FmSettings read;
        FmPlan::DecodeReplies(reads[0], read);
        QVERIFY(read == written);
        // Requests for 0x3000, 0x3040, 0x3080, 0x30C0 and 0x3100.
        const auto toRadio = rig->wire(WireDirection::ToRadio);
        int requests = 0;
        for (size_t i = 0; i + 3 < toRadio.size(); ++i)
            if (toRadio[i] == 0x53 && toRadio[i + 3] == 0x40)
                QCOMPARE(toRadio[i + 1] << 8 | toRadio[i + 2], kFmAreaAddress + 0x40 * requests++);
        QCOMPARE(requests, 5);
        QCOMPARE(view.progress, (std::vector<int>{0, 50, 66, 83, 100}));
        QCOMPARE(view.labels, (std::vector<std::string>{
                                  "Connecting with transceiver. ", "Reading 3 Data Block",
                                  "Reading 4 Data Block", "Reading 5 Data Block",
                                  "Reading 6 Data Block", "Read FM Radio parameters in gear. "}));
        QCOMPARE(rig->panels.panel(8), rig->panels.panel(10));
        QVERIFY(!rig->panels.panel(8).empty());
    }

    void write() {
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            plan->writeImage[i] = std::uint8_t(i * 7 + 1);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            QCOMPARE(int(rig->radio.memory()[kFmAreaAddress + i]), int(std::uint8_t(i * 7 + 1)));
        QCOMPARE(int(rig->radio.memory()[0x3110]), int(rig->radio.memory()[0x3111]));
        std::vector<std::string> labels{"Connecting with transceiver. "};
        std::vector<int> progress{0};
        for (int frame = 1; frame <= 16; ++frame) {
            labels.push_back("Writing  " + std::to_string(frame - 1) + "  Data Block");
            progress.push_back(frame * 100 / 17);
        }
        labels.push_back("Complete writing FM Radio parameters ");
        QCOMPARE(view.labels, labels);
        QCOMPARE(view.progress, progress);
        QCOMPARE(rig->prompt.messages.back().title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages.back().text,
                 std::string("Complete writing FM Radio parameters to the transceiver."));
    }

    // Replies land where their address says, whatever order they came in, and a reply from
    // outside the area changes nothing.
    void repliesPlacedByTheirAddress() {
        FmSettings written;
        for (int n = 0; n < kFmPresetCount; ++n)
            written.presets[size_t(n)] = {std::to_string(88 + n) + ".00000",
                                          "P" + std::to_string(n)};
        written.bandBoxes = {"136.00000", "174.00000", "400.00000", "470.00000"};
        const FmWriteImage image = EncodeFmImage(written);
        std::vector<ReadReply> replies;
        for (int block : {4, 2, 0, 3, 1}) {
            ReadReply reply{};
            reply.fill(0xFF);
            const int address = kFmAreaAddress + 64 * block;
            reply[2] = std::uint8_t(address >> 8);
            reply[3] = std::uint8_t(address & 0xFF);
            for (int i = 0; i < 64 && 64 * block + i < int(image.size()); ++i)
                reply[size_t(kReplyDataOffset + i)] = image[size_t(64 * block + i)];
            replies.push_back(reply);
        }
        ReadReply stray{};
        stray[2] = 0x2D;
        replies.push_back(stray);
        FmSettings read;
        FmPlan::DecodeReplies(replies, read);
        QVERIFY(read == written);
    }
};

QTEST_APPLESS_MAIN(FmPlanTest)
#include "tst_fm_plan.moc"
