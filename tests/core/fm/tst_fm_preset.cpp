#include <QtTest>

#include "core/fm/FmPreset.h"

using namespace orvex;

namespace {

QByteArray Bytes(const FmRecord& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()),
                      static_cast<qsizetype>(record.size()));
}

FmRecord Record(const QByteArray& hex) {
    const QByteArray bytes = QByteArray::fromHex(hex);
    FmRecord record{};
    for (qsizetype i = 0; i < bytes.size() && i < static_cast<qsizetype>(record.size()); ++i)
        record[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bytes[i]);
    return record;
}

FmPresetRow Row(const QString& frequency, const QString& name) {
    return {frequency.toStdString(), name.toStdString()};
}

}  // namespace

class FmPresetTest : public QObject {
    Q_OBJECT

  private slots:
    void encodeFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QByteArray>("digits");
        QTest::newRow("88.9") << "88.90000" << QByteArray::fromHex("0008080900000000");
        QTest::newRow("99.9") << "99.90000" << QByteArray::fromHex("0009090900000000");
        QTest::newRow("100") << "100.00000" << QByteArray::fromHex("0100000000000000");
        QTest::newRow("105.9") << "105.90000" << QByteArray::fromHex("0100050900000000");
        QTest::newRow("87.5 lowest") << "87.50000" << QByteArray::fromHex("0008070500000000");
        QTest::newRow("108 highest") << "108.00000" << QByteArray::fromHex("0100080000000000");
        QTest::newRow("every decimal") << "101.23456" << QByteArray::fromHex("0100010203040506");
        QTest::newRow("below 100, every decimal")
            << "98.76543" << QByteArray::fromHex("0009080706050403");
        QTest::newRow("short text, missing digits 0")
            << "88.9" << QByteArray::fromHex("0008080900000000");
        QTest::newRow("whole MHz without point")
            << "100" << QByteArray::fromHex("0100000000000000");
        QTest::newRow("blanks around") << " 96.90000 " << QByteArray::fromHex("0009060900000000");
    }
    void encodeFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QByteArray, digits);
        QCOMPARE(Bytes(EncodeFmRow(Row(frequency, "CCTV1"))).left(8).toHex(' '), digits.toHex(' '));
    }

    // An emptied frequency empties the whole preset, its name included.
    void emptyFrequency_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("name");
        QTest::newRow("empty, with a name") << ""
                                            << "LMNEW";
        QTest::newRow("blanks only, with a name") << "   "
                                                  << "FM";
        QTest::newRow("empty, without a name") << ""
                                               << "";
    }
    void emptyFrequency() {
        QFETCH(QString, frequency);
        QFETCH(QString, name);
        QCOMPARE(Bytes(EncodeFmRow(Row(frequency, name))).toHex(' '),
                 QByteArray::fromHex("0000000000000000FFFFFFFFFFFFFFFF").toHex(' '));
    }

    void encodeName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("nameBytes");
        QTest::newRow("none") << "" << QByteArray::fromHex("FFFFFFFFFFFFFFFF");
        QTest::newRow("1 from byte 11") << "A" << QByteArray::fromHex("FFFFFF41FFFFFFFF");
        QTest::newRow("2 from byte 11: FM") << "FM" << QByteArray::fromHex("FFFFFF464DFFFFFF");
        QTest::newRow("3 from byte 10") << "ABC" << QByteArray::fromHex("FFFF414243FFFFFF");
        QTest::newRow("4 from byte 10") << "FJQX" << QByteArray::fromHex("FFFF464A5158FFFF");
        QTest::newRow("5 from byte 9") << "LMNEW" << QByteArray::fromHex("FF4C4D4E4557FFFF");
        QTest::newRow("6 from byte 8") << "ABCDEF" << QByteArray::fromHex("414243444546FFFF");
        QTest::newRow("lower case as upper") << "fm" << QByteArray::fromHex("FFFFFF464DFFFFFF");
        QTest::newRow("mixed case and digits")
            << "cCtv9" << QByteArray::fromHex("FF4343545639FFFF");
        QTest::newRow("beyond six cut") << "abcdefgh" << QByteArray::fromHex("414243444546FFFF");
        QTest::newRow("trimmed before counting")
            << "  FM  " << QByteArray::fromHex("FFFFFF464DFFFFFF");
        QTest::newRow("blank inside kept") << "A B" << QByteArray::fromHex("FFFF412042FFFFFF");
        QTest::newRow("non-ASCII one character as ?")
            << QString::fromUtf8("F\u00e9M") << QByteArray::fromHex("FFFF463F4DFFFFFF");
        QTest::newRow("punctuation as is") << "R-1!" << QByteArray::fromHex("FFFF522D3121FFFF");
    }
    void encodeName() {
        QFETCH(QString, name);
        QFETCH(QByteArray, nameBytes);
        QCOMPARE(Bytes(EncodeFmRow(Row("88.90000", name))).mid(8).toHex(' '), nameBytes.toHex(' '));
    }

    void decode_data() {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("name");
        QTest::newRow("88.9 LMNEW") << QByteArray("0008080900000000FF4C4D4E4557FFFF") << "88.90000"
                                    << "LMNEW";
        QTest::newRow("105.9 CCTV9")
            << QByteArray("0100050900000000FF4343545639FFFF") << "105.90000"
            << "CCTV9";
        QTest::newRow("100 whole") << QByteArray("0100000000000000FFFFFF464DFFFFFF") << "100.00000"
                                   << "FM";
        QTest::newRow("every decimal")
            << QByteArray("0009080706050403414243444546FFFF") << "98.76543"
            << "ABCDEF";
        QTest::newRow("no name") << QByteArray("0009090900000000FFFFFFFFFFFFFFFF") << "99.90000"
                                 << "";
        QTest::newRow("blank and FF skipped")
            << QByteArray("000809090000000020462046FF4DFF20") << "89.90000"
            << "FFM";
        QTest::newRow("control codes and DEL skipped")
            << QByteArray("0009000000000000001F467F0A4D8041") << "90.00000"
            << "FMA";
        QTest::newRow("bytes 8-15 all used")
            << QByteArray("00090000000000002122415A307E3A2F") << "90.00000"
            << "!\"AZ0~:/";
        QTest::newRow("lower case kept as stored")
            << QByteArray("0009000000000000FFFFFF666DFFFFFF") << "90.00000"
            << "fm";
        QTest::newRow("zero digits: empty, name dropped")
            << QByteArray("00000000000000004C4D4E4557FFFFFF") << ""
            << "";
        QTest::newRow("erased record: empty")
            << QByteArray("FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF") << ""
            << "";
        QTest::newRow("one digit above 9: empty")
            << QByteArray("000808090000000AFF4C4D4E4557FFFF") << ""
            << "";
    }
    void decode() {
        QFETCH(QByteArray, record);
        QFETCH(QString, frequency);
        QFETCH(QString, name);
        const FmPresetRow row = DecodeFmRecord(Record(record));
        QCOMPARE(QString::fromStdString(row.frequency), frequency);
        QCOMPARE(QString::fromStdString(row.name), name);
    }

    // What the grid holds after a commit comes back unchanged from its record.
    void roundTrip_data() {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("name");
        QTest::newRow("lowest") << "87.50000"
                                << "A";
        QTest::newRow("highest") << "108.00000"
                                 << "ABCDEF";
        QTest::newRow("just below 100") << "99.99999"
                                        << "XY";
        QTest::newRow("100") << "100.00000"
                             << "ABC";
        QTest::newRow("10 Hz steps") << "101.00001"
                                     << "ABCD";
        QTest::newRow("no name") << "95.50000"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void roundTrip() {
        QFETCH(QString, frequency);
        QFETCH(QString, name);
        const FmPresetRow row = Row(frequency, name);
        QCOMPARE(DecodeFmRecord(EncodeFmRow(row)), row);
    }
};

QTEST_APPLESS_MAIN(FmPresetTest)
#include "tst_fm_preset.moc"
