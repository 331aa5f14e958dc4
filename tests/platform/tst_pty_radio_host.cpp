#include <QtTest>

#include <QSerialPort>

#include <cerrno>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "SerialExchange.h"
#include "platform/sim/PtyRadioHost.h"

using namespace orvex;
using namespace orvex::test;

namespace {

// Whether the terminal is claimed exclusively: 1 or 0, -1 when that cannot be told. Root may
// open a claimed terminal and ask; anybody else is refused with EBUSY.
int exclusiveClaim(const QString& device) {
    const int fd = ::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return errno == EBUSY ? 1 : -1;
    int claimed = -1;
    ::ioctl(fd, TIOCGEXCL, &claimed);
    ::close(fd);
    return claimed;
}

}  // namespace

class PtyRadioHostTest : public QObject {
    Q_OBJECT

  private slots:
    void identifiesOverThePseudoTerminal() {
        PtyRadioHost host(RadioConfig{136, 174, 0xA0, true});
        QVERIFY2(host.start(), qPrintable(host.errorString()));
        QVERIFY(QFileInfo::exists(host.devicePath()));
        QSerialPort port;
        QVERIFY2(openAt9600(port, host.devicePath()), qPrintable(port.errorString()));
        QCOMPARE(exchange(port, kOpening, 9), QByteArray::fromHex("AA010306010704A000"));
        // Every byte went through raw, in both directions.
        QCOMPARE(host.radio().transcript().size(), std::size_t(17));
    }

    void readRequestIsAnswered() {
        PtyRadioHost host;
        QVERIFY(host.start());
        for (int i = 0; i < 64; ++i)  // bytes the line discipline would bend if it could
            host.radio().memory()[0x1000 + i] = static_cast<std::uint8_t>(i * 4 + 1);
        host.radio().memory()[0x1000] = 0x0D;  // carriage return
        host.radio().memory()[0x1001] = 0x03;  // interrupt
        host.radio().memory()[0x1002] = 0x11;  // XON
        QSerialPort port;
        QVERIFY(openAt9600(port, host.devicePath()));
        QCOMPARE(exchange(port, kOpening, 9).size(), 9);
        const QByteArray reply = exchange(port, QByteArray::fromHex("0653100040"), 69);
        QCOMPARE(reply.size(), 69);
        QCOMPARE(reply.left(5), QByteArray::fromHex("5700100040"));
        QCOMPARE(
            reply.mid(5),
            QByteArray(reinterpret_cast<const char*>(host.radio().memory().data() + 0x1000), 64));
    }

    void deviceOpensAgainAndAgain() {
        PtyRadioHost host(RadioConfig{400, 470, 0xA0, false});
        QVERIFY(host.start());
        for (int round = 0; round < 5; ++round) {
            QSerialPort port;
            QVERIFY2(openAt9600(port, host.devicePath()),
                     qPrintable(QString("round %1: %2").arg(round).arg(port.errorString())));
            QCOMPARE(exchange(port, kOpening, 9).size(), 9);
            port.close();
        }
        // With the device closed the host's end stays quiet instead of reporting hang-ups.
        const int wakeups = host.readWakeups();
        QTest::qWait(100);
        QCOMPARE(host.readWakeups(), wakeups);
    }

    void secondOpenWhileHeldFails() {
        PtyRadioHost host;
        QVERIFY(host.start());
        QSerialPort first;
        QSerialPort second;
        QVERIFY(openAt9600(first, host.devicePath()));
        QVERIFY(!openAt9600(second, host.devicePath()));
        first.close();
        QVERIFY(openAt9600(second, host.devicePath()));
    }

    void claimLeftByADeadProgramIsReleased() {
        PtyRadioHost host;
        QVERIFY(host.start());
        const QByteArray device = host.devicePath().toLocal8Bit();

        // A program that holds the device keeps its claim while another opener comes and goes.
        const int holder = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(holder >= 0);
        QCOMPARE(::ioctl(holder, TIOCEXCL), 0);
        QCOMPARE(exclusiveClaim(host.devicePath()), 1);
        QTest::qWait(50);
        QCOMPARE(exclusiveClaim(host.devicePath()), 1);

        // It dies without releasing the claim: once its descriptor is gone, so is the claim.
        ::close(holder);
        QTRY_COMPARE_WITH_TIMEOUT(exclusiveClaim(host.devicePath()), 0, kPatienceMs);
    }

    void pulledCableFailsTheProgramsPort() {
        PtyRadioHost host;
        QVERIFY(host.start());
        const QString device = host.devicePath();
        QSignalSpy disconnected(&host, &PtyRadioHost::disconnected);
        QSerialPort port;
        QVERIFY(openAt9600(port, device));
        QSignalSpy errors(&port, &QSerialPort::errorOccurred);
        host.radio().faults().pullCableAfterBytes = 11;  // the command and three reply bytes
        const QByteArray reply = exchange(port, kOpening, 9);
        QTRY_VERIFY_WITH_TIMEOUT(port.error() == QSerialPort::ResourceError, kPatienceMs);
        QVERIFY(!errors.isEmpty());
        QCOMPARE(disconnected.size(), 1);
        QVERIFY(!host.isRunning());
        QCOMPARE(reply, QByteArray::fromHex("AA0400"));
        QVERIFY(!QFileInfo::exists(device));
    }
};

QTEST_GUILESS_MAIN(PtyRadioHostTest)
#include "tst_pty_radio_host.moc"
