#include <QtTest>

#include "core/fm/FmBandRecord.h"

using namespace orvex;

namespace {

FmBandBoxes Boxes(const QStringList& texts) {
    FmBandBoxes boxes;
    for (qsizetype i = 0; i < texts.size() && i < kFmBandBoxCount; ++i)
        boxes[static_cast<std::size_t>(i)] = texts[i].toStdString();
    return boxes;
}

QStringList Texts(const FmBandBoxes& boxes) {
    QStringList texts;
    for (const std::string& box : boxes)
        texts << QString::fromStdString(box);
    return texts;
}

}  // namespace

class FmBandRecordTest : public QObject {
    Q_OBJECT

  private slots:
    void encode_data() {
        QTest::addColumn<QStringList>("boxes");  // A lower, A upper, B lower, B upper
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("VHF and UHF")
            << QStringList{"136.00000", "174.00000", "400.00000", "470.00000"}
            << QByteArray::fromHex("010306010704040000040700FFFFFFFF");
        QTest::newRow("below 100: hundreds digit 0")
            << QStringList{"66.00000", "88.00000", "9.00000", "100.00000"}
            << QByteArray::fromHex("000606000808000009010000FFFFFFFF");
        QTest::newRow("rounded to whole MHz")
            << QStringList{"136.4", "173.5", "399.99999", "470.49"}
            << QByteArray::fromHex("010306010704040000040700FFFFFFFF");
        QTest::newRow("empty boxes as 0")
            << QStringList{"", "", "", ""}
            << QByteArray::fromHex("000000000000000000000000FFFFFFFF");
        QTest::newRow("beyond three digits or negative kept in range")
            << QStringList{"1234", "-5", "999.6", "abc"}
            << QByteArray::fromHex("090909000000090909000000FFFFFFFF");
        QTest::newRow("number at the start of the text")
            << QStringList{" 145MHz", "150.00000 ", "430", "440"}
            << QByteArray::fromHex("010405010500040300040400FFFFFFFF");
    }
    void encode() {
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, record);
        const FmRecord encoded = EncodeFmBandRecord(Boxes(boxes));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encoded.data()), 16).toHex(' '),
                 record.toHex(' '));
    }

    void decode_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("VHF and UHF")
            << QByteArray::fromHex("010306010704040000040700FFFFFFFF")
            << QStringList{"136.00000", "174.00000", "400.00000", "470.00000"};
        QTest::newRow("leading zero digits dropped")
            << QByteArray::fromHex("000606000808000009000000FFFFFFFF")
            << QStringList{"66.00000", "88.00000", "9.00000", "0.00000"};
        QTest::newRow("bytes 12-15 ignored")
            << QByteArray::fromHex("01030601070404000004070001020304")
            << QStringList{"136.00000", "174.00000", "400.00000", "470.00000"};
        QTest::newRow("a limit with a byte above 9 stays empty")
            << QByteArray::fromHex("01030601070A0400000FFFFFFFFFFFFF")
            << QStringList{"136.00000", "", "400.00000", ""};
        QTest::newRow("erased record") << QByteArray::fromHex("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF")
                                       << QStringList{"", "", "", ""};
    }
    void decode() {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, boxes);
        FmRecord stored{};
        std::copy_n(reinterpret_cast<const std::uint8_t*>(record.constData()), stored.size(),
                    stored.begin());
        QCOMPARE(Texts(DecodeFmBandRecord(stored)), boxes);
    }

    void boxesSurviveTheRecord() {
        const FmBandBoxes boxes = Boxes({"66.00000", "88.00000", "350.00000", "999.00000"});
        QCOMPARE(Texts(DecodeFmBandRecord(EncodeFmBandRecord(boxes))), Texts(boxes));
    }

    void boxText_data() {
        QTest::addColumn<double>("mhz");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 136.0 << "136.00000";
        QTest::newRow("below 100") << 66.0 << "66.00000";
        QTest::newRow("fraction rounded") << 173.6 << "174.00000";
    }
    void boxText() {
        QFETCH(double, mhz);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FmBandBoxText(mhz)), text);
    }
};

QTEST_APPLESS_MAIN(FmBandRecordTest)
#include "tst_fm_band_record.moc"
