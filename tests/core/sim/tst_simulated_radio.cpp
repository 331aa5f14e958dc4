#include <QtTest>

#include <filesystem>
#include <fstream>

#include "RadioLink.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

QByteArray readRequest(std::uint16_t address, bool first = false) {
    QByteArray request = first ? hex("06") : QByteArray();
    request.append('\x53').append(static_cast<char>(address >> 8));
    request.append(static_cast<char>(address & 0xFF)).append('\x40');
    return request;
}

QByteArray writeFrame(std::uint16_t address, const QByteArray& data) {
    QByteArray frame = hex("0658");
    frame.append(static_cast<char>(address >> 8)).append(static_cast<char>(address & 0xFF));
    frame.append('\x10').append(data);
    return frame;
}

}  // namespace

class SimulatedRadioTest : public QObject {
    Q_OBJECT

  private slots:
    void identificationNamesTheBand_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("family");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("UHF 400-470") << 400 << 470 << 0xA0 << hex("AA040000040700A000");
        QTest::newRow("VHF 136-174") << 136 << 174 << 0xA0 << hex("AA010306010704A000");
        QTest::newRow("low band 66-88") << 66 << 88 << 0xA3 << hex("AA000606000808A300");
        QTest::newRow("350-390, other family") << 350 << 390 << 0xB0 << hex("AA030500030900B000");
    }
    void identificationNamesTheBand() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, family);
        QFETCH(QByteArray, reply);
        RadioLink link(RadioConfig{low, high, static_cast<std::uint8_t>(family), true});
        QCOMPARE(link.identify(), reply);
        QCOMPARE(link.identify(), reply);  // and again for every opening command
    }

    void openingCommandIsFoundAmongOtherBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("replies");
        QTest::newRow("clean") << kOpeningCommand << 1;
        QTest::newRow("after stray bytes") << hex("0006FF13") + kOpeningCommand << 1;
        QTest::newRow("after a repeated first byte") << hex("5050") + kOpeningCommand.mid(1) << 1;
        QTest::newRow("after a broken start") << hex("50AABB47") + kOpeningCommand << 1;
        QTest::newRow("twice in a row") << kOpeningCommand + kOpeningCommand << 2;
        QTest::newRow("one byte wrong") << hex("50AABB4752414D03") << 0;
        QTest::newRow("incomplete") << kOpeningCommand.left(7) << 0;
    }
    void openingCommandIsFoundAmongOtherBytes() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, replies);
        RadioLink link;
        const QByteArray id =
            QByteArray(reinterpret_cast<const char*>(link.radio.identification().data()), 9);
        QCOMPARE(link.exchange(bytes), id.repeated(replies));
    }

    void readReplyCarriesTheBlockAndEchoesItsAddress_data() {
        QTest::addColumn<int>("address");
        QTest::newRow("channels 0x0000") << 0x0000;
        QTest::newRow("companion 0x1000") << 0x1000;
        QTest::newRow("options 0x0220") << 0x0220;
        QTest::newRow("unaligned 0x3001") << 0x3001;
        QTest::newRow("last block 0xFFC0") << 0xFFC0;
        QTest::newRow("wraps at the top 0xFFF0") << 0xFFF0;
    }
    void readReplyCarriesTheBlockAndEchoesItsAddress() {
        QFETCH(int, address);
        RadioLink link;
        fillWithPattern(link.radio);
        link.identify();
        const auto at = static_cast<std::uint16_t>(address);
        const QByteArray reply = link.exchange(readRequest(at, true));
        QCOMPARE(reply.size(), 69);
        QCOMPARE(reply.left(5), hex("5700") + readRequest(at).mid(1, 2) + hex("40"));
        QCOMPARE(reply.mid(5), memoryBlock(link.radio, at));
    }

    void laterReadRequestsWithoutPrefixAreAnswered() {
        RadioLink link;
        fillWithPattern(link.radio);
        link.identify();
        QCOMPARE(link.exchange(readRequest(0x0000, true)).mid(5), memoryBlock(link.radio, 0x0000));
        link.sendHex("06");  // acknowledgement of the reply
        QCOMPARE(link.exchange(readRequest(0x1000)).mid(5), memoryBlock(link.radio, 0x1000));
        link.sendHex("06");
        QCOMPARE(link.exchange(readRequest(0x0040)).mid(5), memoryBlock(link.radio, 0x0040));
    }

    void writeFrameIsStoredAndAcknowledged() {
        RadioLink link;
        link.identify();
        const QByteArray data = hex("00251445002514450000000000FFFF00");
        QCOMPARE(link.exchange(writeFrame(0x0010, data)), hex("06"));
        QCOMPARE(memoryBlock(link.radio, 0x0010).left(16), data);
        QCOMPARE(static_cast<int>(link.radio.memory()[0x000F]), 0xFF);  // neighbours untouched
        QCOMPARE(static_cast<int>(link.radio.memory()[0x0020]), 0xFF);

        // What was written reads back.
        QCOMPARE(link.exchange(readRequest(0x0000, true)).mid(5 + 16, 16), data);
    }

    void everyFrameOfAWriteIsAcknowledged() {
        RadioLink link;
        link.identify();
        QByteArray image;
        for (int i = 0; i < 256; ++i)
            image.append(static_cast<char>(255 - i));
        for (int frame = 0; frame < 16; ++frame)
            QCOMPARE(link.exchange(writeFrame(static_cast<std::uint16_t>(0x2D00 + 16 * frame),
                                              image.mid(16 * frame, 16))),
                     hex("06"));
        QByteArray stored;
        for (int i = 0; i < 256; ++i)
            stored.append(static_cast<char>(link.radio.memory()[0x2D00 + i]));
        QCOMPARE(stored, image);
    }

    void malformedOrOutOfModeCommandsAreIgnored_data() {
        QTest::addColumn<bool>("identifyFirst");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("read before the opening command") << false << readRequest(0, true);
        QTest::newRow("write before the opening command")
            << false << writeFrame(0, QByteArray(16, '\x11'));
        QTest::newRow("read of another length") << true << hex("0653000020");
        QTest::newRow("write of another length")
            << true << hex("0658000011") + QByteArray(16, '\x11');
        QTest::newRow("write cut short") << true << writeFrame(0, QByteArray(15, '\x11'));
        QTest::newRow("unknown bytes") << true << hex("01020304FF");
    }
    void malformedOrOutOfModeCommandsAreIgnored() {
        QFETCH(bool, identifyFirst);
        QFETCH(QByteArray, bytes);
        RadioLink link;
        if (identifyFirst) link.identify();
        const auto before = link.radio.memory();
        QCOMPARE(link.exchange(bytes), QByteArray());
        QVERIFY(link.radio.memory() == before);
        // The radio still understands the next command.
        QCOMPARE(link.exchange(readRequest(0x0100, true)).size(), identifyFirst ? 69 : 0);
    }

    void halfCommandIsForgottenAfter100Ms_data() {
        QTest::addColumn<QByteArray>("half");
        QTest::addColumn<int>("pauseMs");
        QTest::addColumn<bool>("answered");
        QTest::newRow("half read, 110 ms") << hex("5300") << 110 << true;
        QTest::newRow("half read, 90 ms") << hex("5300") << 90 << false;
        QTest::newRow("half write, 110 ms") << hex("0658001010AABB") << 110 << true;
        QTest::newRow("half write, 90 ms") << hex("0658001010AABB") << 90 << false;
    }
    void halfCommandIsForgottenAfter100Ms() {
        QFETCH(QByteArray, half);
        QFETCH(int, pauseMs);
        QFETCH(bool, answered);
        RadioLink link;
        link.identify();
        link.send(half);
        link.clock.advanceMs(pauseMs);
        const QByteArray reply = link.exchange(readRequest(0x0000));
        QCOMPARE(reply.size() == 69, answered);
    }

    void slowPcIsUnderstoodWithin100Ms() {
        RadioLink link;
        link.sendPaced(kOpeningCommand, std::chrono::milliseconds(95));
        link.settle();
        QCOMPARE(link.received.size(), 9);
    }

    void transcriptTimesFollow9600Baud_data() {
        QTest::addColumn<int>("gapUs");
        QTest::addColumn<int>("delayMs");
        QTest::newRow("bytes written at once") << 0 << 0;
        QTest::newRow("one byte every 5 ms") << 5000 << 0;
        QTest::newRow("one byte every 10 ms, slow radio") << 10000 << 40;
        QTest::newRow("faster than the wire") << 500 << 0;
    }
    void transcriptTimesFollow9600Baud() {
        QFETCH(int, gapUs);
        QFETCH(int, delayMs);
        RadioLink link;
        link.clock.advanceMs(7);
        link.radio.faults().responseDelayMs = delayMs;
        link.sendPaced(kOpeningCommand, Micros(gapUs));
        link.settle();

        // PC bytes carry the moment they were written.
        const auto pcTimes = link.transcriptTimes(WireDirection::ToRadio);
        QCOMPARE(pcTimes.size(), std::size_t(8));
        for (std::size_t i = 0; i < pcTimes.size(); ++i)
            QCOMPARE(pcTimes[i].count(), 7000 + static_cast<long>(i) * gapUs);

        // On the wire, in thirds of a microsecond: each byte takes 3125 (1041.67 us) and
        // starts when the line is free.
        std::int64_t lineFree = 0;
        for (const Micros written : pcTimes)
            lineFree = std::max<std::int64_t>(written.count() * 3, lineFree) + 3125;
        const std::int64_t replyStart = lineFree + delayMs * 3000;
        const auto radioTimes = link.transcriptTimes(WireDirection::ToPc);
        QCOMPARE(radioTimes.size(), std::size_t(9));
        for (std::size_t k = 0; k < radioTimes.size(); ++k) {
            const std::int64_t end = replyStart + static_cast<std::int64_t>(k + 1) * 3125;
            QCOMPARE(radioTimes[k].count(), (end + 2) / 3);
        }
    }

    void repliesQueueBehindEachOther() {
        RadioLink link;
        link.identify();
        link.radio.clearTranscript();
        const std::int64_t written = link.clock.now().count() * 3;
        // Two requests at once: the second is heard while the first reply is still on the line,
        // so its reply follows the first without a gap.
        link.send(readRequest(0x0000, true) + readRequest(0x0040));
        link.settle();
        const auto times = link.transcriptTimes(WireDirection::ToPc);
        QCOMPARE(times.size(), std::size_t(138));
        const std::int64_t firstReplyStart = written + 5 * 3125;
        for (std::size_t k = 0; k < times.size(); ++k) {
            const std::int64_t end = firstReplyStart + static_cast<std::int64_t>(k + 1) * 3125;
            QCOMPARE(times[k].count(), (end + 2) / 3);
        }
    }

    void withoutPaceBytesArriveAtTheSameInstant() {
        RadioLink link(RadioConfig{400, 470, 0xA0, false});
        link.clock.advanceMs(3);
        link.send(kOpeningCommand);
        link.settle();
        QCOMPARE(link.received.size(), 9);
        for (const WireByte& entry : link.radio.transcript())
            QCOMPARE(entry.time.count(), 3000);
    }

    void transcriptRecordsBothDirectionsInOrder() {
        RadioLink link;
        link.identify();
        QCOMPARE(link.transcriptBytes(WireDirection::ToRadio), kOpeningCommand);
        QCOMPARE(link.transcriptBytes(WireDirection::ToPc), link.received);
        const auto& transcript = link.radio.transcript();
        QVERIFY(
            std::is_sorted(transcript.begin(), transcript.end(),
                           [](const WireByte& a, const WireByte& b) { return a.time < b.time; }));
        link.radio.clearTranscript();
        QVERIFY(link.radio.transcript().empty());
    }

    void memorySurvivesAFile() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("memory.bin").toStdString();
        VirtualClock clock;
        SimulatedRadio source(clock);
        fillWithPattern(source);
        QVERIFY(source.saveMemory(path));
        QCOMPARE(std::filesystem::file_size(path), std::uintmax_t(65536));

        SimulatedRadio copy(clock);
        QCOMPARE(static_cast<int>(copy.memory()[0x1234]), 0xFF);  // a new radio is empty
        QVERIFY(copy.loadMemory(path));
        QVERIFY(copy.memory() == source.memory());
    }

    void badMemoryFilesAreRefused_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("missing") << -1;
        QTest::newRow("empty") << 0;
        QTest::newRow("one byte short") << 65535;
        QTest::newRow("one byte long") << 65537;
    }
    void badMemoryFilesAreRefused() {
        QFETCH(int, size);
        QTemporaryDir dir;
        const std::string path = dir.filePath("memory.bin").toStdString();
        if (size >= 0) std::ofstream(path, std::ios::binary) << std::string(size, '\x42');
        VirtualClock clock;
        SimulatedRadio radio(clock);
        QVERIFY(!radio.loadMemory(path));
        QCOMPARE(static_cast<int>(radio.memory()[0]), 0xFF);  // memory left as it was
    }

    void saveToAnUnwritablePlaceFails() {
        VirtualClock clock;
        SimulatedRadio radio(clock);
        QVERIFY(!radio.saveMemory("/nonexistent-directory/memory.bin"));
    }
};

QTEST_APPLESS_MAIN(SimulatedRadioTest)
#include "tst_simulated_radio.moc"
