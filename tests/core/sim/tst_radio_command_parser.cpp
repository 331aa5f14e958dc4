#include <QtTest>

#include "core/sim/RadioCommandParser.h"

using namespace orvex;

namespace {

// Commands as text, for readable comparisons: "open", "read 0220", "write 0010 <16 bytes>".
QStringList parse(const QByteArray& bytes, int gapAfter = -1, int gapMs = 0) {
    RadioCommandParser parser;
    QStringList commands;
    WireTime at = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        // Bytes follow each other on the wire, except that `gapMs` separate the arrivals of
        // bytes gapAfter - 1 and gapAfter.
        at += i == gapAfter ? static_cast<WireTime>(gapMs) * 3000 : kWireByteTime;
        const auto command = parser.feed(static_cast<std::uint8_t>(bytes[i]), at);
        if (!command) continue;
        const QString address = QString::number(command->address, 16).rightJustified(4, '0');
        switch (command->kind) {
            case RadioCommand::Kind::Opening:
                commands << "open";
                break;
            case RadioCommand::Kind::Read:
                commands << "read " + address;
                break;
            case RadioCommand::Kind::Write:
                commands << "write " + address + " " +
                                QByteArray(reinterpret_cast<const char*>(command->data.data()), 16)
                                    .toHex();
                break;
        }
    }
    return commands;
}

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

const QByteArray kOpening = hex("50AABB4752414D02");
const QByteArray kData = hex("000102030405060708090A0B0C0D0E0F");

}  // namespace

class RadioCommandParserTest : public QObject {
    Q_OBJECT

  private slots:
    void commandsAreAssembled_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("commands");
        QTest::newRow("opening") << kOpening << QStringList{"open"};
        QTest::newRow("first read with its 06") << hex("0653022040") << QStringList{"read 0220"};
        QTest::newRow("later read") << hex("53FFC040") << QStringList{"read ffc0"};
        QTest::newRow("write frame")
            << hex("0658001010") + kData << QStringList{"write 0010 " + kData.toHex()};
        QTest::newRow("a whole exchange")
            << kOpening + hex("0653000040") + hex("06") + hex("53100040") + hex("06")
            << QStringList{"open", "read 0000", "read 1000"};
        QTest::newRow("stray bytes before and between")
            << hex("FF00") + kOpening + hex("AA0006") + hex("53000040")
            << QStringList{"open", "read 0000"};
        QTest::newRow("broken opening, then a whole one")
            << hex("50AABB00") + kOpening << QStringList{"open"};
        QTest::newRow("opening restarted on its own first byte")
            << hex("50AA50") + kOpening.mid(1) << QStringList{"open"};
        QTest::newRow("read of another length") << hex("53000041") << QStringList{};
        QTest::newRow("write of another length, data then ignored")
            << hex("5800000F") + kData << QStringList{};
        QTest::newRow("write data may look like commands")
            << hex("58000010") + kOpening + kOpening
            << QStringList{"write 0000 " + (kOpening + kOpening).toHex()};
    }
    void commandsAreAssembled() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, commands);
        QCOMPARE(parse(bytes), commands);
    }

    void pauseOfMoreThan100MsDropsAHalfCommand_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<QStringList>("commands");
        // The stale "53 01" swallows the new request: 53 01 53 00 has no valid length byte.
        QTest::newRow("half read, 100 ms")
            << hex("5301") << hex("53000040") << 100 << QStringList{};
        QTest::newRow("half read, 101 ms")
            << hex("5301") << hex("53000040") << 101 << QStringList{"read 0000"};
        QTest::newRow("slow opening, 100 ms")
            << kOpening.left(4) << kOpening.mid(4) << 100 << QStringList{"open"};
        QTest::newRow("slow opening, 101 ms")
            << kOpening.left(4) << kOpening.mid(4) << 101 << QStringList{};
        QTest::newRow("half write, 101 ms")
            << hex("58001010") + kData.left(9) << hex("58002010") + kData << 101
            << QStringList{"write 0020 " + kData.toHex()};
    }
    void pauseOfMoreThan100MsDropsAHalfCommand() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(int, gapMs);
        QFETCH(QStringList, commands);
        QCOMPARE(parse(before + after, static_cast<int>(before.size()), gapMs), commands);
    }
};

QTEST_APPLESS_MAIN(RadioCommandParserTest)
#include "tst_radio_command_parser.moc"
