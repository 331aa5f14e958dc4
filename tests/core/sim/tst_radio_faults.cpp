#include <QtTest>

#include "RadioLink.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

const QByteArray kIdentification = hex("AA040000040700A000");
const QByteArray kFirstRead = hex("0653000040");

QByteArray writeFrame(int frame) {
    QByteArray bytes = hex("065800");
    bytes.append(static_cast<char>(frame * 16)).append('\x10');
    return bytes.append(QByteArray(16, static_cast<char>(frame)));
}

// Opening command, then `frames` write frames, each sent after the previous one's
// acknowledgement time has passed. Returns the number of acknowledgements.
int writeSession(RadioLink& link, int frames) {
    link.identify();
    link.received.clear();
    for (int frame = 0; frame < frames; ++frame) {
        link.send(writeFrame(frame));
        link.settle();
    }
    return static_cast<int>(link.received.count('\x06'));
}

}  // namespace

class RadioFaultsTest : public QObject {
    Q_OBJECT

  private slots:
    void identificationFaults_data() {
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QByteArray>("junk");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("none") << false << QByteArray() << 0xA0 << 9 << kIdentification;
        QTest::newRow("silent") << true << QByteArray() << 0xA0 << 9 << QByteArray();
        QTest::newRow("one junk byte")
            << false << hex("13") << 0xA0 << 9 << hex("13") + kIdentification;
        QTest::newRow("junk with AA in it")
            << false << hex("00AAFF") << 0xA0 << 9 << hex("00AAFF") + kIdentification;
        QTest::newRow("wrong family")
            << false << QByteArray() << 0xB0 << 9 << hex("AA040000040700B000");
        QTest::newRow("eight bytes")
            << false << QByteArray() << 0xA0 << 8 << kIdentification.left(8);
        QTest::newRow("junk then short")
            << false << hex("FF") << 0xA0 << 5 << hex("FF") + kIdentification.left(5);
        QTest::newRow("nothing but junk") << false << hex("0102") << 0xA0 << 0 << hex("0102");
    }
    void identificationFaults() {
        QFETCH(bool, silent);
        QFETCH(QByteArray, junk);
        QFETCH(int, family);
        QFETCH(int, length);
        QFETCH(QByteArray, reply);
        RadioLink link;
        link.radio.faults().silent = silent;
        link.radio.faults().junkBeforeIdentification.assign(junk.begin(), junk.end());
        link.radio.config().familyByte = static_cast<std::uint8_t>(family);
        link.radio.faults().identificationLength = length;
        QCOMPARE(link.identify(), reply);
        QCOMPARE(link.transcriptBytes(WireDirection::ToRadio), kOpeningCommand);
    }

    void silentRadioHearsNothingUntilSwitchedBack() {
        RadioLink link;
        link.identify();
        link.radio.faults().silent = true;
        link.send(hex("0658000010") + QByteArray(16, '\x22'));
        link.settle();
        QCOMPARE(link.exchange(kFirstRead), QByteArray());
        QCOMPARE(static_cast<int>(link.radio.memory()[0]), 0xFF);  // the frame was not heard

        link.radio.faults().silent = false;
        QCOMPARE(link.exchange(kFirstRead).size(), 69);
    }

    void shortReadReply_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("none") << 0;
        QTest::newRow("header only") << 5;
        QTest::newRow("one short") << 68;
    }
    void shortReadReply() {
        QFETCH(int, length);
        RadioLink link;
        fillWithPattern(link.radio);
        link.identify();
        link.radio.faults().readReplyLength = length;
        const QByteArray reply = link.exchange(kFirstRead);
        QCOMPARE(reply, (hex("5700000040") + memoryBlock(link.radio, 0)).left(length));
    }

    void withheldAcknowledgement_data() {
        QTest::addColumn<int>("frame");
        QTest::addColumn<bool>("everyTime");
        QTest::addColumn<int>("acksFirstSession");
        QTest::addColumn<int>("acksSecondSession");
        QTest::newRow("first frame, once") << 1 << false << 3 << 4;
        QTest::newRow("third frame, once") << 3 << false << 3 << 4;
        QTest::newRow("third frame, every time") << 3 << true << 3 << 3;
        QTest::newRow("beyond the write") << 9 << true << 4 << 4;
    }
    void withheldAcknowledgement() {
        QFETCH(int, frame);
        QFETCH(bool, everyTime);
        QFETCH(int, acksFirstSession);
        QFETCH(int, acksSecondSession);
        RadioLink link;
        link.radio.faults().withholdAckOfWriteFrame = frame;
        link.radio.faults().withholdAckEveryTime = everyTime;
        QCOMPARE(writeSession(link, 4), acksFirstSession);
        QCOMPARE(writeSession(link, 4), acksSecondSession);
        // Every frame was stored; only an acknowledgement went missing.
        for (int stored = 0; stored < 4; ++stored)
            QCOMPARE(static_cast<int>(link.radio.memory()[16 * stored + 15]), stored);
    }

    void withheldAcknowledgementIsTheCountedFrame() {
        RadioLink link;
        link.identify();
        link.radio.faults().withholdAckOfWriteFrame = 2;
        link.received.clear();
        QVector<int> acknowledged;
        for (int frame = 0; frame < 3; ++frame) {
            link.send(writeFrame(frame));
            link.settle();
            acknowledged.append(static_cast<int>(link.received.size()));
        }
        QCOMPARE(acknowledged, (QVector<int>{1, 1, 2}));
    }

    void slowRadioStartsItsRepliesLate_data() {
        QTest::addColumn<int>("delayMs");
        QTest::newRow("none") << 0;
        QTest::newRow("300 ms") << 300;
        QTest::newRow("1200 ms, past the PC's watchdog") << 1200;
    }
    void slowRadioStartsItsRepliesLate() {
        QFETCH(int, delayMs);
        RadioLink link;
        link.radio.faults().responseDelayMs = delayMs;
        link.send(kOpeningCommand);
        link.clock.advanceMs(2000);
        const auto times = link.transcriptTimes(WireDirection::ToPc);
        QCOMPARE(times.size(), std::size_t(9));
        // Eight command bytes, the delay, then the first reply byte.
        QCOMPARE(times.front().count(), delayMs * 1000 + (9 * 3125 + 2) / 3);

        // Acknowledgements are late too.
        link.received.clear();
        link.send(writeFrame(0));
        const Micros sent = link.clock.now();
        link.clock.runUntil([&] { return !link.received.isEmpty(); }, std::chrono::seconds(3));
        QCOMPARE(link.radio.transcript().back().time - sent,
                 Micros(delayMs * 1000 + (22 * 3125 + 2) / 3));
    }

    void pulledCableAfterSomeBytes_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("pcBytesHeard");
        QTest::addColumn<int>("radioBytesReceived");
        QTest::newRow("during the opening command") << 5 << 5 << 0;
        QTest::newRow("on its last byte") << 8 << 8 << 0;
        QTest::newRow("during the identification") << 11 << 8 << 3;
        QTest::newRow("on the last reply byte") << 17 << 8 << 9;
    }
    void pulledCableAfterSomeBytes() {
        QFETCH(int, bytes);
        QFETCH(int, pcBytesHeard);
        QFETCH(int, radioBytesReceived);
        RadioLink link;
        link.radio.faults().pullCableAfterBytes = bytes;
        link.identify();
        QCOMPARE(link.transcriptBytes(WireDirection::ToRadio).size(), pcBytesHeard);
        QCOMPARE(link.received, kIdentification.left(radioBytesReceived));
        QCOMPARE(link.events.back(), PortEvent::Failed);
        QVERIFY(!link.port->isOpen());
        QVERIFY(!link.ports.exists(RadioLink::kCom));
        QVERIFY(!link.radio.isPluggedIn());
        QVERIFY(!link.radio.faults().pullCableAfterBytes.has_value());
        QCOMPARE(link.port->open(RadioLink::kCom, LineSettings{}), OpenFailure::NoSuchPort);

        // Plugged in again, the radio works as before.
        link.ports.attach(RadioLink::kCom, link.radio);
        QCOMPARE(link.port->open(RadioLink::kCom, LineSettings{}), OpenFailure::None);
        QCOMPARE(link.identify(), kIdentification);
    }

    void pulledCableCountsFromWhenTheFaultIsSet() {
        RadioLink link;
        link.identify();
        link.identify();
        link.radio.faults().pullCableAfterBytes = 10;  // 34 bytes have travelled already
        QCOMPARE(link.identify(), kIdentification.left(2));
        QCOMPARE(link.events.back(), PortEvent::Failed);
    }

    void ignoredOpeningsThenAnswers_data() {
        QTest::addColumn<int>("ignored");
        QTest::newRow("none") << 0;
        QTest::newRow("one") << 1;
        QTest::newRow("three") << 3;
    }
    void ignoredOpeningsThenAnswers() {
        QFETCH(int, ignored);
        RadioLink link;
        link.radio.faults().ignoreOpenings = ignored;
        for (int attempt = 0; attempt < ignored; ++attempt) {
            QCOMPARE(link.identify(), QByteArray());
            // Not in programming mode: reads are not answered either.
            QCOMPARE(link.exchange(kFirstRead), QByteArray());
        }
        QCOMPARE(link.identify(), kIdentification);
        QCOMPARE(link.exchange(kFirstRead).size(), 69);
        QCOMPARE(link.identify(), kIdentification);
        QCOMPARE(link.radio.faults().ignoreOpenings, 0);
    }
};

QTEST_APPLESS_MAIN(RadioFaultsTest)
#include "tst_radio_faults.moc"
