#include <QtTest>

#include <algorithm>

#include "core/image/RadioArea.h"
#include "core/sim/SimulatedRadio.h"
#include "core/sim/VirtualClock.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::RadioArea)

namespace {

// A memory whose every byte tells its address apart from its neighbours'.
std::uint8_t Pattern(std::size_t address) {
    return static_cast<std::uint8_t>((address * 7 + address / 256 + 3) & 0xFF);
}

}  // namespace

class RadioAreaTest : public QObject {
    Q_OBJECT

  private slots:
    void ranges_data() {
        QTest::addColumn<RadioArea>("area");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("size");
        QTest::newRow("channels") << RadioArea::channels << "channels" << 0x0000 << 0x00FF << 256;
        QTest::newRow("dtmf") << RadioArea::dtmf << "dtmf" << 0x0100 << 0x01CF << 208;
        QTest::newRow("options") << RadioArea::options << "options" << 0x0220 << 0x025F << 64;
        QTest::newRow("fivetone") << RadioArea::fivetone << "fivetone" << 0x2400 << 0x28FF << 1280;
        QTest::newRow("twotone") << RadioArea::twotone << "twotone" << 0x2D00 << 0x2FFF << 768;
        QTest::newRow("fm") << RadioArea::fm << "fm" << 0x3000 << 0x310F << 272;
    }
    void ranges() {
        QFETCH(RadioArea, area);
        QFETCH(QString, name);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, size);
        const RadioAreaRange range = AreaRange(area);
        QCOMPARE(int(range.first), first);
        QCOMPARE(int(range.last), last);
        QCOMPARE(int(range.size()), size);
        QCOMPARE(QString::fromUtf8(AreaName(area)), name);
        QCOMPARE(AreaFromName(name.toStdString()), std::optional<RadioArea>(area));
    }

    // The list holds each area once, in address order, none overlapping, each on whole
    // 16-byte lines; the generated five-tone planes belong to none.
    void areaList() {
        std::vector<RadioArea> sorted(kRadioAreas.begin(), kRadioAreas.end());
        std::sort(sorted.begin(), sorted.end());
        QVERIFY(std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end());
        for (std::size_t n = 0; n < kRadioAreas.size(); ++n) {
            const RadioAreaRange range = AreaRange(kRadioAreas[n]);
            QCOMPARE(range.first % 16, 0);
            QCOMPARE((range.last + 1) % 16, 0);
            if (n > 0) QVERIFY(AreaRange(kRadioAreas[n - 1]).last < range.first);
            QVERIFY(!range.contains(0x2000) && !range.contains(0x23FF));
        }
    }

    void unknownNames_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("upper case") << "FM";
        QTest::newRow("capitalised") << "Channels";
        QTest::newRow("blank before") << " fm";
        QTest::newRow("blank after") << "dtmf ";
        QTest::newRow("the planes") << "planes";
        QTest::newRow("with hyphen") << "two-tone";
    }
    void unknownNames() {
        QFETCH(QString, name);
        QCOMPARE(AreaFromName(name.toStdString()), std::nullopt);
    }

    // An area taken out of one simulated radio and put into another lands in the same
    // place and changes nothing around it.
    void extractAndPut_data() {
        QTest::addColumn<RadioArea>("area");
        for (RadioArea area : kRadioAreas)
            QTest::newRow(std::string(AreaName(area)).c_str()) << area;
    }
    void extractAndPut() {
        QFETCH(RadioArea, area);
        VirtualClock clock;
        SimulatedRadio source(clock);
        for (std::size_t a = 0; a < source.memory().size(); ++a)
            source.memory()[a] = Pattern(a);
        const RadioAreaRange range = AreaRange(area);

        const std::vector<std::uint8_t> bytes = ExtractArea(source.memory(), area);
        QCOMPARE(bytes.size(), range.size());
        for (std::size_t n = 0; n < bytes.size(); ++n)
            QCOMPARE(bytes[n], Pattern(range.first + n));

        SimulatedRadio target(clock);
        QVERIFY(PutArea(target.memory(), area, bytes));
        for (std::size_t a = 0; a < target.memory().size(); ++a) {
            const std::uint8_t expected = range.contains(std::uint32_t(a)) ? Pattern(a) : 0xFF;
            if (target.memory()[a] != expected)
                QFAIL(qPrintable(QString("address %1").arg(a, 4, 16, QChar('0'))));
        }
    }

    void putRefusesOtherLengths_data() {
        QTest::addColumn<RadioArea>("area");
        QTest::addColumn<int>("length");
        QTest::newRow("fm, none") << RadioArea::fm << 0;
        QTest::newRow("fm, one short") << RadioArea::fm << 271;
        QTest::newRow("fm, one over") << RadioArea::fm << 273;
        QTest::newRow("options, the fm length") << RadioArea::options << 272;
        QTest::newRow("channels, one line short") << RadioArea::channels << 240;
    }
    void putRefusesOtherLengths() {
        QFETCH(RadioArea, area);
        QFETCH(int, length);
        VirtualClock clock;
        SimulatedRadio radio(clock);
        const SimulatedRadio::Memory before = radio.memory();
        const std::vector<std::uint8_t> bytes(std::size_t(length), 0x00);
        QVERIFY(!PutArea(radio.memory(), area, bytes));
        QVERIFY(radio.memory() == before);
    }
};

QTEST_APPLESS_MAIN(RadioAreaTest)
#include "tst_radio_area.moc"
