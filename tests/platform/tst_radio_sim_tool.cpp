#include <QtTest>

#include <QProcess>

#include "SerialExchange.h"

using namespace orvex::test;

namespace {

// Starts orvex-radio-sim and returns the device it prints, or an empty string.
QString startTool(QProcess& tool, const QStringList& arguments) {
    tool.start(ORVEX_RADIO_SIM, arguments);
    if (!tool.waitForStarted(kPatienceMs)) return {};
    QDeadlineTimer deadline(kPatienceMs);
    while (!tool.canReadLine() && !deadline.hasExpired())
        tool.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    return QString::fromLocal8Bit(tool.readLine()).trimmed();
}

}  // namespace

class RadioSimToolTest : public QObject {
    Q_OBJECT

  private slots:
    void servesTheBandAndKeepsItsMemory() {
        QTemporaryDir dir;
        const QString memory = dir.filePath("radio.bin");
        const QStringList arguments{"--band", "136-174", "--no-pace", "--memory", memory};
        const QByteArray data = QByteArray::fromHex("00251445002514450000000000FFFF00");

        QProcess tool;
        const QString device = startTool(tool, arguments);
        QVERIFY2(device.startsWith("/dev/"), qPrintable(device));
        {
            QSerialPort port;
            QVERIFY(openAt9600(port, device));
            QCOMPARE(exchange(port, kOpening, 9), QByteArray::fromHex("AA010306010704A000"));
            QCOMPARE(exchange(port, QByteArray::fromHex("0658001010") + data, 1),
                     QByteArray::fromHex("06"));
        }
        tool.terminate();  // SIGTERM: the memory is saved on the way out
        QVERIFY(tool.waitForFinished(kPatienceMs));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(QFileInfo(memory).size(), 65536);

        // A new run loads it again.
        QProcess again;
        const QString secondDevice = startTool(again, arguments);
        QVERIFY(!secondDevice.isEmpty());
        QSerialPort port;
        QVERIFY(openAt9600(port, secondDevice));
        QCOMPARE(exchange(port, kOpening, 9).size(), 9);
        const QByteArray reply = exchange(port, QByteArray::fromHex("0653000040"), 69);
        QCOMPARE(reply.mid(5 + 16, 16), data);
        port.close();
        again.terminate();
        QVERIFY(again.waitForFinished(kPatienceMs));
    }

    void refusesWrongOptions_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("band without dash") << QStringList{"--band", "400"};
        QTest::newRow("band upside down") << QStringList{"--band", "470-400"};
        QTest::newRow("family not a byte") << QStringList{"--family", "0x1A0"};
        QTest::newRow("junk not hex") << QStringList{"--junk", "0G"};
        QTest::newRow("negative delay") << QStringList{"--delay", "-5"};
        QTest::newRow("unknown option") << QStringList{"--loud"};
    }
    void refusesWrongOptions() {
        QFETCH(QStringList, arguments);
        QProcess tool;
        tool.start(ORVEX_RADIO_SIM, arguments);
        QVERIFY(tool.waitForFinished(kPatienceMs));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardOutput().isEmpty());  // no device was offered
        QVERIFY(!tool.readAllStandardError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(RadioSimToolTest)
#include "tst_radio_sim_tool.moc"
