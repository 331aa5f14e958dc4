#include <QtTest>

#include "core/codec/ToneTable.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::ToneBytes)

class ToneTableTest : public QObject {
    Q_OBJECT

  private slots:
    void entries_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::newRow("off") << 0 << "   OFF      ";
        QTest::newRow("first ctcss") << 1 << "   67.0    ";
        QTest::newRow("index 9") << 9 << "   88.5    ";
        QTest::newRow("index 10") << 10 << "  91.5    ";
        QTest::newRow("index 12") << 12 << "  97.4    ";
        QTest::newRow("index 13") << 13 << "  100.0   ";
        QTest::newRow("last ctcss") << 50 << "  254.1   ";
        QTest::newRow("first dcs") << 51 << "  D023N   ";
        QTest::newRow("index 99") << 99 << "  D266N   ";
        QTest::newRow("index 100") << 100 << " D271N   ";
        QTest::newRow("last normal") << 155 << " D754N   ";
        QTest::newRow("first inverted") << 156 << " D023I   ";
        QTest::newRow("last inverted") << 260 << " D754I   ";
    }
    void entries() {
        QFETCH(int, index);
        QFETCH(QString, entry);
        QCOMPARE(QString::fromStdString(ToneTableEntries()[static_cast<size_t>(index)]), entry);
    }

    void textToBytes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("off") << "OFF" << 0x00 << 0x00;
        QTest::newRow("empty") << "" << 0x00 << 0x00;
        QTest::newRow("67.0") << "67.0" << 0x9E << 0x02;
        QTest::newRow("71.9") << "71.9" << 0xCF << 0x02;
        QTest::newRow("88.5") << "88.5" << 0x75 << 0x03;
        QTest::newRow("254.1") << "254.1" << 0xED << 0x09;
        QTest::newRow("100 without decimals") << "100" << 0xE8 << 0x03;
        QTest::newRow("100.5 not in the list") << "100.5" << 0xED << 0x03;
        QTest::newRow("D023N") << "D023N" << 0x01 << 0x00;
        QTest::newRow("D023N with blanks") << "  D023N   " << 0x01 << 0x00;
        QTest::newRow("D754N") << "D754N" << 0x69 << 0x00;
        QTest::newRow("D023I") << "D023I" << 0x6A << 0x00;
        QTest::newRow("D754I") << "D754I" << 0xD2 << 0x00;
    }
    void textToBytes() {
        QFETCH(QString, text);
        QFETCH(int, low);
        QFETCH(int, high);
        const ToneBytes bytes = ToneTextToBytes(text.toStdString());
        QCOMPARE(int(bytes.low), low);
        QCOMPARE(int(bytes.high), high);
    }

    void bytesToText_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<QString>("text");
        QTest::newRow("00 00") << 0x00 << 0x00 << "OFF";
        QTest::newRow("FF FF") << 0xFF << 0xFF << "OFF";
        QTest::newRow("05 FF") << 0x05 << 0xFF << "OFF";
        QTest::newRow("FF 00") << 0xFF << 0x00 << "OFF";
        QTest::newRow("67.0") << 0x9E << 0x02 << "67.0";
        QTest::newRow("88.5") << 0x75 << 0x03 << "88.5";
        QTest::newRow("254.1") << 0xED << 0x09 << "254.1";
        QTest::newRow("100.0") << 0xE8 << 0x03 << "100.0";
        QTest::newRow("100.5") << 0xED << 0x03 << "100.5";
        QTest::newRow("D023N") << 0x01 << 0x00 << "  D023N   ";
        QTest::newRow("D754N") << 0x69 << 0x00 << " D754N   ";
        QTest::newRow("D023I") << 0x6A << 0x00 << " D023I   ";
        QTest::newRow("D754I") << 0xD2 << 0x00 << " D754I   ";
        QTest::newRow("beyond the table") << 0xD3 << 0x00 << "";
        QTest::newRow("high byte 0x80") << 0x00 << 0x80 << "3276.8";
        QTest::newRow("high byte 0xFE") << 0xFE << 0xFE << "6527.8";
    }
    void bytesToText() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(ToneBytesToText(static_cast<std::uint8_t>(low),
                                                        static_cast<std::uint8_t>(high))),
                 text);
    }

    void dcsCanBeTrimmed() {
        QCOMPARE(ToneBytesToText(0x01, 0x00, true), std::string("D023N"));
        QCOMPARE(ToneBytesToText(0x9E, 0x02, true), std::string("67.0"));
    }

    // Every table entry converts to bytes and back to the same entry.
    void everyEntryRoundTrips() {
        const auto& entries = ToneTableEntries();
        for (int k = 1; k < kToneCount; ++k) {
            const auto& entry = entries[static_cast<size_t>(k)];
            const ToneBytes b = ToneTextToBytes(entry);
            const std::string back = ToneBytesToText(b.low, b.high);
            const std::string expected =
                k < kFirstDcs ? std::string(entry.substr(
                                    entry.find_first_not_of(' '),
                                    entry.find_last_not_of(' ') - entry.find_first_not_of(' ') + 1))
                              : entry;
            QVERIFY2(back == expected, entry.c_str());
        }
    }

    void emptyTextOfAnUnknownDcsEncodesAsOff() {
        const std::string text = ToneBytesToText(0xD3, 0x00);
        QCOMPARE(ToneTextToBytes(text), (ToneBytes{0, 0}));
    }
};

QTEST_APPLESS_MAIN(ToneTableTest)
#include "tst_tone_table.moc"
