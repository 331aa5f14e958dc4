#include <QtTest>

#include "core/codec/Frequency.h"

using namespace orvex;

class FrequencyTest : public QObject {
    Q_OBJECT

  private slots:
    void covFreq_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("145.125") << QByteArray::fromHex("00255114") << "145.12500";
        QTest::newRow("140 whole") << QByteArray::fromHex("00000014") << "140.00000";
        QTest::newRow("88.5 below 100") << QByteArray::fromHex("00008508") << "88.50000";
        QTest::newRow("10 two digits") << QByteArray::fromHex("00000001") << "10.00000";
        QTest::newRow("zero has no point") << QByteArray::fromHex("00000000") << "00000000";
        QTest::newRow("439.9875") << QByteArray::fromHex("50879943") << "439.98750";
        QTest::newRow("10 Hz digit") << QByteArray::fromHex("01000014") << "140.00001";
        QTest::newRow("nibble 15 counts") << QByteArray::fromHex("FFFFFFFF") << "1666.66665";
        QTest::newRow("999.99999") << QByteArray::fromHex("99999999") << "999.99999";
    }
    void covFreq() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const auto b = [&](int i) { return static_cast<std::uint8_t>(bytes[i]); };
        QCOMPARE(QString::fromStdString(Cov_Freq(b(0), b(1), b(2), b(3))), text);
    }

    void covFreqDigitsMatchesPacked() {
        QCOMPARE(Cov_Freq_Digits({1, 4, 5, 1, 2, 5, 0, 0}), std::string("145.12500"));
        QCOMPARE(Cov_Freq_Digits({0, 8, 8, 5, 0, 0, 0, 0}), std::string("88.50000"));
    }

    void freqEncode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("bandLow");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("145.125") << "145.12500" << 400.0 << QByteArray::fromHex("00255114");
        QTest::newRow("136.125") << "136.12500" << 136.0 << QByteArray::fromHex("00256113");
        QTest::newRow("145.5") << "145.50000" << 136.0 << QByteArray::fromHex("00005514");
        QTest::newRow("439.9875") << "439.98750" << 400.0 << QByteArray::fromHex("50879943");
        QTest::newRow("88.5 low band") << "88.50000" << 66.0 << QByteArray::fromHex("00008508");
        QTest::newRow("66.125 low band") << "66.12500" << 66.0 << QByteArray::fromHex("00256106");
        QTest::newRow("empty") << "" << 400.0 << QByteArray::fromHex("FFFFFFFF");
        QTest::newRow("blanks only") << "   " << 400.0 << QByteArray::fromHex("FFFFFFFF");
        QTest::newRow("trimmed") << " 145.12500 " << 400.0 << QByteArray::fromHex("00255114");
        // Below 100 MHz on a band from 100 MHz up, the digits land one position off.
        QTest::newRow("88.5 high band") << "88.50000" << 136.0 << QByteArray::fromHex("00000088");
        QTest::newRow("letters count 0") << "1a5.x2500" << 400.0 << QByteArray::fromHex("00255010");
    }
    void freqEncode() {
        QFETCH(QString, text);
        QFETCH(double, bandLow);
        QFETCH(QByteArray, bytes);
        const FrequencyBytes encoded = Freq_Encode(text.toStdString(), bandLow);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(encoded.data()), 4), bytes);
    }

    // Every 10 Hz step from 10.00000 to 999.99999 MHz survives Freq_Encode then Cov_Freq,
    // with the band on the same side of 100 MHz as the frequency.
    void roundTripWholeRange_data() {
        QTest::addColumn<int>("firstMHz");
        QTest::addColumn<int>("lastMHz");
        QTest::addColumn<double>("bandLow");
        QTest::newRow("below 100 MHz") << 10 << 99 << 66.0;
        QTest::newRow("100 to 549 MHz") << 100 << 549 << 136.0;
        QTest::newRow("550 to 999 MHz") << 550 << 999 << 400.0;
    }
    void roundTripWholeRange() {
        QFETCH(int, firstMHz);
        QFETCH(int, lastMHz);
        QFETCH(double, bandLow);
        int failures = 0;
        long long checked = 0;
        for (int mhz = firstMHz; mhz <= lastMHz; ++mhz) {
            const std::string whole = std::to_string(mhz) + ".";
            for (int fraction = 0; fraction < 100000; ++fraction) {
                char decimals[6];
                for (int i = 4, f = fraction; i >= 0; --i, f /= 10)
                    decimals[i] = char('0' + f % 10);
                decimals[5] = 0;
                const std::string text = whole + decimals;
                const FrequencyBytes b = Freq_Encode(text, bandLow);
                if (Cov_Freq(b[0], b[1], b[2], b[3]) != text && ++failures < 5)
                    qWarning("round trip failed for %s", text.c_str());
                ++checked;
            }
        }
        QCOMPARE(failures, 0);
        QCOMPARE(checked, (lastMHz - firstMHz + 1) * 100000LL);
    }

    void canonical_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 145.0 << "145.00000";
        QTest::newRow("one decimal") << 145.5 << "145.50000";
        QTest::newRow("below 100") << 66.1 << "66.10000";
        QTest::newRow("rounded to 10 Hz") << 145.123456 << "145.12346";
        QTest::newRow("rounded down") << 145.123454 << "145.12345";
        QTest::newRow("carry into MHz") << 145.999999 << "146.00000";
    }
    void canonical() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(CanonicalMHz(value)), text);
    }
};

QTEST_APPLESS_MAIN(FrequencyTest)
#include "tst_frequency.moc"
