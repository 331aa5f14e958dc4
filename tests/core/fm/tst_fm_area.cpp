#include <QtTest>

#include <vector>

#include "core/fm/FmArea.h"

using namespace orvex;

namespace {

const FmBandBoxes kVhfUhfBoxes = {"136.00000", "174.00000", "400.00000", "470.00000"};

// Every preset and box holds something no decoded record gives, to see what a read changes.
FmSettings MarkedSettings() {
    FmSettings settings;
    settings.presets.fill({"1.00000", "MARK"});
    settings.bandBoxes.fill("MARK");
    return settings;
}

QByteArray Slice(const FmWriteImage& image, int offset) {
    return QByteArray(reinterpret_cast<const char*>(image.data()) + offset, 16);
}

}  // namespace

class FmAreaTest : public QObject {
    Q_OBJECT

  private slots:
    // Bytes 12-15 of the band record go back to the radio as the last read brought them.
    void bandSpareBytesKept() {
        FmSettings settings;
        QCOMPARE(Slice(EncodeFmImage(settings), 0x100).right(4), QByteArray(4, char(0xFF)));
        std::vector<std::uint8_t> block(64, 0xFF);
        const std::uint8_t band[16] = {1, 3, 6, 1, 7, 4, 4, 0, 0, 4, 7, 0, 0x12, 0x00, 0x7F, 0xA5};
        std::copy(std::begin(band), std::end(band), block.begin());
        DecodeFmBlock(kFmBandRecordAddress, block, settings);
        QCOMPARE(settings.bandBoxes[1], std::string("174.00000"));
        QCOMPARE(Slice(EncodeFmImage(settings), 0x100).toHex(' '),
                 QByteArray::fromHex("01030601070404000004070012007FA5").toHex(' '));
    }
    void imageRecords_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("preset 1 88.9 LMNEW")
            << 0x00 << QByteArray("0008080900000000FF4C4D4E4557FFFF");
        QTest::newRow("preset 3 empty") << 0x20 << QByteArray("0000000000000000FFFFFFFFFFFFFFFF");
        QTest::newRow("preset 10 98.3 FJQX")
            << 0x90 << QByteArray("0009080300000000FFFF464A5158FFFF");
        QTest::newRow("preset 12 103.9 CCTV6")
            << 0xB0 << QByteArray("0100030900000000FF4343545636FFFF");
        QTest::newRow("band record") << 0x100 << QByteArray("010306010704040000040700FFFFFFFF");
    }
    void imageRecords() {
        QFETCH(int, offset);
        QFETCH(QByteArray, record);
        const FmWriteImage image = EncodeFmImage({DefaultFmPresets(), kVhfUhfBoxes});
        QCOMPARE(Slice(image, offset).toHex(' '), QByteArray::fromHex(record).toHex(' '));
    }

    // The write image read back the way the radio answers, five 64-byte blocks from 0x3000
    // (the last holding the band record and 48 unused bytes), restores every preset and box.
    void tableSurvivesWriteAndRead_data() {
        QTest::addColumn<bool>("defaults");
        QTest::newRow("default presets") << true;
        QTest::newRow("every preset used") << false;
    }
    void tableSurvivesWriteAndRead() {
        QFETCH(bool, defaults);
        FmSettings written{DefaultFmPresets(), {"66.00000", "88.00000", "350.00000", "999.00000"}};
        if (!defaults) {
            const std::array<const char*, kFmPresetCount> frequencies = {
                "87.50000",  "87.50001",  "88.12345",  "89.99999", "90.00000", "91.10000",
                "93.70000",  "95.00050",  "97.60000",  "99.00000", "99.99999", "100.00000",
                "100.00001", "104.56789", "107.99999", "108.00000"};
            const std::array<const char*, 6> names = {"A", "BC", "DEF", "GHIJ", "KLMNO", "PQRSTU"};
            for (std::size_t n = 0; n < written.presets.size(); ++n)
                written.presets[n] = {frequencies[n], names[n % names.size()]};
        }
        const FmWriteImage image = EncodeFmImage(written);
        std::vector<std::uint8_t> radio(image.begin(), image.end());
        radio.resize(5 * 64, 0xFF);

        FmSettings read = MarkedSettings();
        for (std::size_t block = 0; block < 5; ++block)
            DecodeFmBlock(static_cast<std::uint16_t>(kFmAreaAddress + 64 * block),
                          std::span(radio).subspan(64 * block, 64), read);
        for (std::size_t n = 0; n < written.presets.size(); ++n) {
            QCOMPARE(QString::fromStdString(read.presets[n].frequency),
                     QString::fromStdString(written.presets[n].frequency));
            QCOMPARE(QString::fromStdString(read.presets[n].name),
                     QString::fromStdString(written.presets[n].name));
        }
        QVERIFY(read.bandBoxes == written.bandBoxes);
    }

    // Which parts of the editor one block changes, by the address it was read from.
    void blockPlacedByAddress_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<QList<int>>("presets");
        QTest::addColumn<bool>("band");
        QTest::newRow("0x3000: 1-4") << 0x3000 << 64 << QList<int>{1, 2, 3, 4} << false;
        QTest::newRow("0x30C0: 13-16") << 0x30C0 << 64 << QList<int>{13, 14, 15, 16} << false;
        QTest::newRow("0x3100: band only") << 0x3100 << 64 << QList<int>{} << true;
        QTest::newRow("0x3010: 2-5") << 0x3010 << 64 << QList<int>{2, 3, 4, 5} << false;
        QTest::newRow("0x30E0: 15, 16, band") << 0x30E0 << 64 << QList<int>{15, 16} << true;
        QTest::newRow("short block: whole records only")
            << 0x3040 << 40 << QList<int>{5, 6} << false;
        QTest::newRow("off a record boundary") << 0x3008 << 64 << QList<int>{} << false;
        QTest::newRow("below the area") << 0x2FC0 << 64 << QList<int>{} << false;
        QTest::newRow("beyond the band record") << 0x3110 << 64 << QList<int>{} << false;
    }
    void blockPlacedByAddress() {
        QFETCH(int, address);
        QFETCH(int, bytes);
        QFETCH(QList<int>, presets);
        QFETCH(bool, band);
        // Each record of the block is preset 100.00000 "NEW"; as a band record its first
        // limit reads 100 MHz.
        const FmRecord record = EncodeFmRow({"100.00000", "NEW"});
        std::vector<std::uint8_t> data;
        while (data.size() < static_cast<std::size_t>(bytes))
            data.insert(data.end(), record.begin(), record.end());
        data.resize(static_cast<std::size_t>(bytes));

        const FmSettings before = MarkedSettings();
        FmSettings after = before;
        DecodeFmBlock(static_cast<std::uint16_t>(address), data, after);
        for (int n = 1; n <= kFmPresetCount; ++n) {
            const FmPresetRow& row = after.presets[static_cast<std::size_t>(n - 1)];
            const FmPresetRow expected = presets.contains(n)
                                             ? FmPresetRow{"100.00000", "NEW"}
                                             : before.presets[static_cast<std::size_t>(n - 1)];
            QVERIFY2(row == expected, qPrintable(QString("preset %1").arg(n)));
        }
        QCOMPARE(QString::fromStdString(after.bandBoxes[0]), band ? "100.00000" : "MARK");
    }
};

QTEST_APPLESS_MAIN(FmAreaTest)
#include "tst_fm_area.moc"
