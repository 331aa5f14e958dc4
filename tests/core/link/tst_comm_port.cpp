#include <QtTest>

#include "core/link/CommPort.h"
#include "core/sim/SimulatedPorts.h"
#include "support/RecordingPrompt.h"
#include "support/ScriptedPort.h"

using namespace orvex;
using orvex::test::RecordingPrompt;
using orvex::test::ScriptedPort;

class CommPortTest : public QObject {
    Q_OBJECT

  private slots:
    void failureMessageByWindowAndLanguage_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString chinese = "通讯端口打开错误，请正确设置通讯端口 ！";
        QTest::newRow("main, English") << int(PortMessageStyle::Standard) << 0 << "Operate Prompt"
                                       << "Communication Port Open Error ！";
        QTest::newRow("main, Chinese")
            << int(PortMessageStyle::Standard) << -1 << "操作提示" << chinese;
        QTest::newRow("channel, English")
            << int(PortMessageStyle::Channel) << 0 << "Operate prompt"
            << "Communication port is error, please setting right communication port . ！";
        QTest::newRow("channel, Chinese")
            << int(PortMessageStyle::Channel) << -1 << "操作提示" << chinese;
    }
    void failureMessageByWindowAndLanguage() {
        QFETCH(int, style);
        QFETCH(int, language);
        QFETCH(QString, title);
        QFETCH(QString, text);
        SharedState state;
        state.Language_Flag = static_cast<std::int16_t>(language);
        state.Comm_Port = 4;
        RecordingPrompt prompt;
        SimulatedPorts ports;
        auto port = ports.factory()();
        QVERIFY(!OpenCommPort(*port, state, prompt, static_cast<PortMessageStyle>(style)));
        QVERIFY(state.Port_Error);
        QVERIFY(!port->isOpen());
        QCOMPARE(prompt.messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(prompt.messages[0].title), title);
        QCOMPARE(QString::fromStdString(prompt.messages[0].text), text);
        // The reason goes with the message, apart from its fixed text.
        QVERIFY(prompt.messages[0].detail.find("COM4") != std::string::npos);
    }

    void reasonNamesPermissionAndBusy_data() {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("permission") << int(OpenFailure::PermissionDenied) << "dialout";
        QTest::newRow("busy") << int(OpenFailure::Busy) << "in use";
        QTest::newRow("missing") << int(OpenFailure::NoSuchPort) << "No serial device";
    }
    void reasonNamesPermissionAndBusy() {
        QFETCH(int, failure);
        QFETCH(QString, fragment);
        SharedState state;
        RecordingPrompt prompt;
        ScriptedPort port;
        port.failOpen = static_cast<OpenFailure>(failure);
        QVERIFY(!OpenCommPort(port, state, prompt, PortMessageStyle::Standard));
        QVERIFY(QString::fromStdString(prompt.messages.at(0).detail).contains(fragment));
        QCOMPARE(QString::fromStdString(prompt.messages.at(0).text),
                 QString("Communication Port Open Error ！"));
    }

    void aPortHeldByAnotherWindowFails() {
        SharedState state;
        state.Comm_Port = 2;
        RecordingPrompt prompt;
        SimulatedPorts ports;
        ports.addEmptyPort(2);
        auto first = ports.factory()();
        auto second = ports.factory()();
        QVERIFY(OpenCommPort(*first, state, prompt, PortMessageStyle::Standard));
        QVERIFY(!OpenCommPort(*second, state, prompt, PortMessageStyle::Channel));
        QVERIFY(state.Port_Error);
        QCOMPARE(prompt.messages.size(), size_t(1));
        // A successful open after a failed one clears the flag.
        first->close();
        QVERIFY(OpenCommPort(*second, state, prompt, PortMessageStyle::Channel));
        QVERIFY(!state.Port_Error);
    }

    void probeTakesTheHighestPortAndLeavesItClosed() {
        SharedState state;
        SimulatedPorts ports;
        ports.addEmptyPort(3);
        ports.addEmptyPort(5);
        auto port = ports.factory()();
        ProbeCommPorts(*port, state);
        QCOMPARE(int(state.Comm_Port), 5);
        QVERIFY(!state.Port_Error);
        QVERIFY(!port->isOpen());
        QVERIFY(!ports.isHeldOpen(5));
    }

    void probeWithoutPortsEndsOnCom1Silently() {
        SharedState state;
        SimulatedPorts ports;
        auto port = ports.factory()();
        ProbeCommPorts(*port, state);
        QCOMPARE(int(state.Comm_Port), 1);
        QVERIFY(state.Port_Error);
    }
};

QTEST_APPLESS_MAIN(CommPortTest)
#include "tst_comm_port.moc"
