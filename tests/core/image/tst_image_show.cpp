#include <QtTest>

#include "ImageFixtures.h"
#include "core/image/ImageShow.h"

using namespace orvex;
using namespace orvex::test;

namespace {

QStringList Lines(const std::string& text) {
    return QString::fromStdString(text).split('\n');
}

// The first line starting with `start`; empty when there is none.
QString LineStarting(const QStringList& lines, const QString& start) {
    for (const QString& line : lines)
        if (line.startsWith(start)) return line;
    return {};
}

RadioImage EveryAreaErased() {
    std::map<RadioArea, std::vector<std::uint8_t>> areas;
    for (RadioArea area : kRadioAreas)
        areas[area] = std::vector<std::uint8_t>(AreaRange(area).size(), 0xFF);
    return ImageOf(std::move(areas));
}

}  // namespace

class ImageShowTest : public QObject {
    Q_OBJECT

  private slots:
    void header() {
        const QStringList lines =
            Lines(FormatImageShow(ImageOf({{RadioArea::options, OptionsArea(DefaultOptions())}}),
                                  StartupDescribeContext(0)));
        QCOMPARE(lines.value(0), "Band:    136-174 MHz");
        QCOMPARE(lines.value(1), "Family:  0x47");
        QCOMPARE(lines.value(2), "Program: Orvex CPS 1.0");
        QCOMPARE(lines.value(3), "Read at: 2026-12-10T18:00:00Z");
    }

    // Only the areas the image holds, in address order, each under its title.
    void subsetOfAreas_data() {
        QTest::addColumn<QList<int>>("held");
        QTest::newRow("options and fm") << QList<int>{int(RadioArea::fm), int(RadioArea::options)};
        QTest::newRow("channels only") << QList<int>{int(RadioArea::channels)};
        QTest::newRow("signalling")
            << QList<int>{int(RadioArea::twotone), int(RadioArea::dtmf), int(RadioArea::fivetone)};
    }
    void subsetOfAreas() {
        QFETCH(QList<int>, held);
        RadioImage image = EveryAreaErased();
        for (RadioArea area : kRadioAreas)
            if (!held.contains(int(area))) image.areas.erase(area);
        const std::string text = FormatImageShow(image, StartupDescribeContext(0));
        qsizetype last = -1;
        for (RadioArea area : kRadioAreas) {
            const QString title =
                QString::asprintf("=== %s  0x%04X-0x%04X ===", std::string(AreaName(area)).c_str(),
                                  AreaRange(area).first, AreaRange(area).last);
            const qsizetype at = QString::fromStdString(text).indexOf(title);
            QCOMPARE(at >= 0, held.contains(int(area)));
            if (at < 0) continue;
            QVERIFY2(at > last, qPrintable(title));
            last = at;
        }
    }

    // One line per channel under the grid's headings, each cell below its heading; an empty
    // channel says so.
    void channelTable() {
        const QStringList lines = Lines(FormatImageShow(
            ImageOf({{RadioArea::channels, ChannelsArea({{1, kChannelOne}, {2, kChannelTwo}})}}),
            StartupDescribeContext(0)));
        const QString heading = LineStarting(lines, "Channel ");
        QVERIFY(!heading.isEmpty());
        const QString one = LineStarting(lines, "1 ");
        const QString two = LineStarting(lines, "2 ");
        const QString three = LineStarting(lines, "3 ");
        const QString sixteen = LineStarting(lines, "16 ");
        QCOMPARE(one.indexOf("145.12500"), heading.indexOf("RX Frequency"));
        QCOMPARE(one.indexOf("145.50000"), heading.indexOf("TX Frequency"));
        QCOMPARE(one.indexOf("D023N"), heading.indexOf("CTCSS/DCS Enc"));
        QCOMPARE(two.indexOf("146.52000"), heading.indexOf("RX Frequency"));
        QCOMPARE(two.indexOf("BOT"), heading.indexOf("PTT-ID"));
        QCOMPARE(three.indexOf("(empty)"), heading.indexOf("RX Frequency"));
        QCOMPARE(sixteen.indexOf("(empty)"), heading.indexOf("RX Frequency"));
        QVERIFY(!one.contains("(empty)"));
        QVERIFY(!one.endsWith(' '));
    }

    // Settings on their own as "name: value", the values lined up; an empty one says so.
    void nameValueLines_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("alarm code") << "Alarm:"
                                    << "119";
        QTest::newRow("on time") << "DTMF Speed (On Time):"
                                 << "100";
        QTest::newRow("empty group call") << "Group Code:"
                                          << "(empty)";
    }
    void nameValueLines() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        DtmfSettings dtmf = DefaultDtmfSettings();
        dtmf.codes[std::size_t(DtmfCode::Alarm)] = "119";
        dtmf.onTime = 5;
        dtmf.groupCall = "";
        const QStringList lines = Lines(FormatImageShow(
            ImageOf({{RadioArea::dtmf, DtmfArea(dtmf)}}), StartupDescribeContext(0)));
        const QString line = LineStarting(lines, name);
        QVERIFY2(!line.isEmpty(), qPrintable(name));
        QCOMPARE(line.mid(LineStarting(lines, "DTMF Speed (Off Time):").indexOf(':') + 2), value);
    }

    // A blank radio and every area of it reads without a fault, in both languages.
    void blankRadio_data() {
        QTest::addColumn<int>("lang");
        QTest::newRow("English") << 0;
        QTest::newRow("Chinese") << -1;
    }
    void blankRadio() {
        QFETCH(int, lang);
        const std::string text = FormatImageShow(EveryAreaErased(), StartupDescribeContext(lang));
        for (RadioArea area : kRadioAreas)
            QVERIFY(text.find("=== " + std::string(AreaName(area)) + " ") != std::string::npos);
        QVERIFY(text.find(lang == 0 ? "(empty)" : "（空）") != std::string::npos);
        QCOMPARE(text.back(), '\n');
    }
};

QTEST_APPLESS_MAIN(ImageShowTest)
#include "tst_image_show.moc"
