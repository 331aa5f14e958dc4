#include <QtTest>

#include "core/link/IdentificationPlan.h"
#include "core/link/LinkTexts.h"
#include "support/LinkRig.h"
#include "support/ScriptedPort.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// The main window's engine settings: 10 ms pacing, 1500 ms retry delay.
EngineSettings MainWindowSettings() {
    EngineSettings settings;
    settings.pacingMs = 10;
    settings.messageTitle = link_texts::kPortOpenTitle;
    return settings;
}

constexpr long long kMs = 1000;

}  // namespace

// The main window's identification run: opening command, reply, acceptance test, retries.
class IdentificationTest : public QObject {
    Q_OBJECT

    std::unique_ptr<LinkRig> rig;
    int identifiedCalls = 0;
    std::unique_ptr<IdentificationPlan> plan;
    std::unique_ptr<TransferEngine> engine;

    void makeEngine(std::unique_ptr<SerialPort> port = nullptr) {
        if (!port) port = rig->ports.factory()();
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  std::move(port), *plan, MainWindowSettings());
    }

    // Times (ms) at which the PC sent the first byte of each opening command.
    std::vector<long long> openingTimes() const {
        std::vector<long long> times;
        for (const auto& b : rig->wireBytes(WireDirection::ToRadio))
            if (b.value == 0x50) times.push_back(b.time.count() / kMs);
        return times;
    }

    void runToEnd() {
        rig->clock.runUntil([&] { return !rig->clock.anyArmed(); }, Micros(60'000'000));
    }

  private slots:
    void init() {
        rig = std::make_unique<LinkRig>();
        identifiedCalls = 0;
        plan = std::make_unique<IdentificationPlan>([this] { ++identifiedCalls; });
        makeEngine();
    }
    void cleanup() {
        engine.reset();
        plan.reset();
        rig.reset();
    }

    void acceptedReplyPublishesTheBand() {
        rig->state.Band_Low = 1;
        engine->restart(TransferMode::Identify);
        rig->clock.runUntil([&] { return identifiedCalls > 0; }, Micros(5'000'000));

        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        QCOMPARE(rig->panels.panel(10), std::string(" 400-- 470 MHZ"));
        QCOMPARE(rig->panels.panel(8), std::string());
        QCOMPARE(rig->state.Band_Low, 400.0);
        QCOMPARE(rig->state.Band_High, 471.0);
        QCOMPARE(rig->state.Band_Low_A, 400.0);
        QCOMPARE(rig->state.Band_High_A, 471.0);
        QCOMPARE(rig->state.Band_Low_B, 400.0);
        QCOMPARE(rig->state.Band_High_B, 471.0);
        QVERIFY(!engine->port().isOpen());
        QVERIFY(!engine->isBusy());
        QVERIFY(!rig->ports.isHeldOpen(1));
        QVERIFY(rig->prompt.messages.empty());
        runToEnd();
        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(openingTimes().size(), size_t(1));
    }

    // Some editors' identifications also write panel 8, with the same text as panel 10.
    void panelEightWhenThePlanAsks() {
        EngineSettings settings = MainWindowSettings();
        settings.writesPanel8 = true;
        engine = std::make_unique<TransferEngine>(rig->state, rig->clock, rig->prompt, rig->panels,
                                                  rig->ports.factory()(), *plan, settings);
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(rig->panels.panel(8), std::string(" 400-- 470 MHZ"));
        QCOMPARE(rig->panels.panel(10), std::string(" 400-- 470 MHZ"));
    }

    // The first byte leaves 15 ms after the start, each further byte 10 ms after the last.
    void openingCommandBytesAndTimes() {
        engine->restart(TransferMode::Identify);
        runToEnd();
        const auto sent = rig->wireBytes(WireDirection::ToRadio);
        QCOMPARE(sent.size(), size_t(8));
        const std::vector<int> expected = {0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02};
        for (size_t i = 0; i < 8; ++i) {
            QCOMPARE(int(sent[i].value), expected[i]);
            QCOMPARE(sent[i].time.count(), (15 + 10 * static_cast<long long>(i)) * kMs);
        }
    }

    void otherBandsAndLeadingJunk_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QByteArray>("junk");
        QTest::addColumn<QString>("panel");
        QTest::newRow("vhf") << 136 << 174 << QByteArray() << " 136-- 174 MHZ";
        QTest::newRow("one junk byte") << 400 << 470 << QByteArray("\x11", 1) << " 400-- 470 MHZ";
        QTest::newRow("low band") << 66 << 88 << QByteArray() << " 66-- 88 MHZ";
    }
    void otherBandsAndLeadingJunk() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QByteArray, junk);
        QFETCH(QString, panel);
        rig->radio.config().bandLowMHz = low;
        rig->radio.config().bandHighMHz = high;
        rig->radio.faults().junkBeforeIdentification.assign(junk.begin(), junk.end());
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(QString::fromStdString(rig->panels.panel(10)), panel);
        QCOMPARE(rig->state.Band_Low, double(low));
        QCOMPARE(rig->state.Band_High, double(high + 1));
    }

    // A wrong family, a reply one byte short, or no reply: four attempts, 1000 ms after the
    // last byte of each and 1500 ms apart, then the fault text.
    void rejectedRepliesEndInFault_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("replyLength");
        QTest::addColumn<bool>("silent");
        QTest::newRow("family nibble B") << 0xB0 << 9 << false;
        QTest::newRow("eight bytes only") << 0xA0 << 8 << false;
        QTest::newRow("silence") << 0xA0 << 9 << true;
    }
    void rejectedRepliesEndInFault() {
        QFETCH(int, family);
        QFETCH(int, replyLength);
        QFETCH(bool, silent);
        rig->radio.config().familyByte = static_cast<std::uint8_t>(family);
        rig->radio.faults().identificationLength = replyLength;
        rig->radio.faults().silent = silent;
        rig->panels.setPanelText(2, "Connecting with transceiver... ");
        engine->restart(TransferMode::Identify);

        // Each attempt: bytes from +15 to +85 ms, time-out at +1085, retry at +2585.
        rig->clock.advanceMs(4 * 2585 - 1);
        QCOMPARE(rig->panels.panel(2), std::string("Connecting with transceiver... "));
        rig->clock.advanceMs(1);
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
        QCOMPARE(openingTimes(), (std::vector<long long>{15, 2600, 5185, 7770}));
        QCOMPARE(identifiedCalls, 0);
        QCOMPARE(rig->state.Band_High, 471.0);
        QVERIFY(!engine->isBusy());
        QVERIFY(!engine->port().isOpen());
        QVERIFY(!rig->clock.anyArmed());
        QVERIFY(rig->prompt.messages.empty());
    }

    // With two bytes before the 0xAA the family byte is not among the nine bytes taken, so
    // the reply fails the test, every time.
    void twoLeadingBytesAreTooMany() {
        rig->radio.faults().junkBeforeIdentification = {0x00, 0x55};
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(identifiedCalls, 0);
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));
    }

    void anAttemptThatThenSucceeds() {
        rig->radio.faults().ignoreOpenings = 2;
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(openingTimes(), (std::vector<long long>{15, 2600, 5185}));
        QCOMPARE(engine->retriesLeft(), 1);
    }

    void aPortThatWillNotOpenIsReportedOnceWithoutRetry() {
        rig->state.Comm_Port = 6;  // nothing there
        rig->panels.setPanelText(2, "before");
        engine->restart(TransferMode::Identify);
        rig->clock.advanceMs(20'000);
        QCOMPARE(rig->prompt.messages.size(), size_t(1));
        QCOMPARE(rig->prompt.messages[0].title, std::string("Operate Prompt"));
        QCOMPARE(rig->prompt.messages[0].text, std::string("Communication Port Open Error ！"));
        QVERIFY(rig->state.Port_Error);
        QCOMPARE(rig->panels.panel(2), std::string("before"));
        QVERIFY(!engine->isBusy());
        QVERIFY(!rig->clock.anyArmed());
    }

    void aNewPortStartsAFreshRun() {
        rig->radio.faults().silent = true;
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(rig->panels.panel(2), std::string("Communication fault."));

        SimulatedRadio second(rig->clock);
        rig->ports.attach(3, second);
        rig->state.Comm_Port = 3;
        engine->restart(TransferMode::Identify);
        QCOMPARE(engine->retriesLeft(), 3);
        runToEnd();
        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(rig->panels.panel(2), std::string("Connect well with radio."));
        rig->ports.detach(3);
    }

    // A restart while a retry is pending must not be stopped by that retry.
    void restartDuringThePendingRetry() {
        rig->radio.faults().ignoreOpenings = 1;
        engine->restart(TransferMode::Identify);
        rig->clock.advanceMs(1200);  // the first attempt has timed out
        QVERIFY(engine->retryPending());
        engine->restart(TransferMode::Identify);
        runToEnd();
        QCOMPARE(identifiedCalls, 1);
        QCOMPARE(openingTimes(), (std::vector<long long>{15, 1215}));
    }

    // Byte-exact cases on a scripted port.
    void replyEvaluatedOnlyFromTheNinthByte() {
        auto scripted = std::make_unique<ScriptedPort>();
        ScriptedPort& port = *scripted;
        makeEngine(std::move(scripted));
        engine->restart(TransferMode::Identify);
        rig->clock.advanceMs(100);
        QCOMPARE(port.written, Bytes({0x50, 0xAA, 0xBB, 0x47, 0x52, 0x41, 0x4D, 0x02}));
        port.feed(Bytes({0xAA, 0x04, 0x00, 0x00, 0x04, 0x07, 0x00, 0xA0}));
        QCOMPARE(identifiedCalls, 0);
        port.feed(Bytes({0x00, 0x77, 0x88}));  // the ninth byte and two trailing ones
        QCOMPARE(identifiedCalls, 1);
        QVERIFY(!port.isOpen());
        QCOMPARE(port.bytesWaiting(), 0);
    }

    void replyWithoutMarkerIsDropped() {
        auto scripted = std::make_unique<ScriptedPort>();
        ScriptedPort& port = *scripted;
        makeEngine(std::move(scripted));
        engine->restart(TransferMode::Identify);
        rig->clock.advanceMs(100);
        // No 0xAA among nine bytes: the reply is dropped and the attempt times out.
        port.feed(Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(identifiedCalls, 0);
        rig->clock.advanceMs(1100);
        QVERIFY(engine->retryPending());
    }
};

QTEST_APPLESS_MAIN(IdentificationTest)
#include "tst_identification.moc"
