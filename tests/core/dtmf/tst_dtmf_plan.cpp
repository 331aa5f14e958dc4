#include <QtTest>

#include "core/dtmf/DtmfPlan.h"
#include "support/LinkRig.h"

using namespace orvex;
using namespace orvex::test;

// The DTMF plan on the engine against the simulated radio: the progress labels and values
// of a read and a write, and the four read blocks put together in request order.
class DtmfPlanTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    std::unique_ptr<DtmfPlan> plan;
    std::unique_ptr<TransferEngine> engine;
    RecordingView view;

    bool run() {
        return rig->clock.runUntil([&] { return !engine->isBusy() && !engine->retryPending(); },
                                   Micros(60'000'000));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        plan = std::make_unique<DtmfPlan>(rig->state);
        view = RecordingView{};
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->ports.factory()(), *plan,
                                                  DtmfPlan::Settings(), &view);
        for (int a = 0x0100; a < 0x0200; ++a)
            rig->radio.memory()[size_t(a)] = std::uint8_t(a * 13 + 5);
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void read() {
        std::vector<DtmfReadImage> reads;
        plan->onRead = [&](const DtmfReadImage& image) { reads.push_back(image); };
        QVERIFY(engine->startByButton(TransferMode::Read));
        QVERIFY(run());
        QCOMPARE(reads.size(), size_t(1));
        for (int i = 0; i < kDtmfReadSize; ++i)
            QCOMPARE(int(reads[0][size_t(i)]), int(std::uint8_t((0x0100 + i) * 13 + 5)));
        QCOMPARE(view.progress, (std::vector<int>{0, 60, 80, 100}));
        QCOMPARE(view.labels,
                 (std::vector<std::string>{"Connecting with transceiver. ", "Reading 3 Data Block",
                                           "Reading 4 Data Block", "Reading 5 Data Block",
                                           "Read Signal parameters in gear. "}));
        QCOMPARE(rig->panels.panel(8), rig->panels.panel(10));
        QVERIFY(!rig->panels.panel(8).empty());
    }

    void write() {
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            plan->writeImage[i] = std::uint8_t(i);
        QVERIFY(engine->startByButton(TransferMode::Write));
        QVERIFY(run());
        for (size_t i = 0; i < plan->writeImage.size(); ++i)
            QCOMPARE(int(rig->radio.memory()[0x0100 + i]), int(i));
        QCOMPARE(int(rig->radio.memory()[0x01D0]), int(std::uint8_t(0x01D0 * 13 + 5)));
        std::vector<std::string> labels{"Connecting with transceiver. "};
        for (int r = 0; r <= 11; ++r)
            labels.push_back("Writing  " + std::to_string(r) + "  Data Block");
        labels.push_back("Complete writing Signal parameters ");
        QCOMPARE(view.labels, labels);
        QCOMPARE(view.progress,
                 (std::vector<int>{0, 8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}));
    }
};

QTEST_APPLESS_MAIN(DtmfPlanTest)
#include "tst_dtmf_plan.moc"
