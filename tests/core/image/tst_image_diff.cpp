#include <QtTest>

#include "ImageFixtures.h"
#include "core/image/ImageDiff.h"

using namespace orvex;
using namespace orvex::test;

Q_DECLARE_METATYPE(orvex::RadioArea)

namespace {

using Differences = std::vector<SettingDifference>;

// An image with every area, each holding settings of its own.
RadioImage FullImage() {
    const DescribeContext context = StartupDescribeContext(0);
    TwoToneSettings two;
    SetTwoToneDefaults(two, context.replyNames, kTwoToneScale);
    FiveToneSettings five;
    five.standards = DefaultFiveToneStandards();
    five.encode[0] = {{"12345", "", ""}, "11111", "EURO"};
    return ImageOf({
        {RadioArea::channels, ChannelsArea({{1, kChannelOne}, {2, kChannelTwo}})},
        {RadioArea::options, OptionsArea(DefaultOptions())},
        {RadioArea::dtmf, DtmfArea(DefaultDtmfSettings())},
        {RadioArea::fm, FmArea(SomeFmSettings())},
        {RadioArea::twotone, TwoToneArea(two)},
        {RadioArea::fivetone, FiveToneArea(five)},
    });
}

QString Text(const Differences& differences) {
    return QString::fromStdString(FormatImageDiff(differences, StartupDescribeContext(0)));
}

}  // namespace

class ImageDiffTest : public QObject {
    Q_OBJECT

  private slots:
    void timeAndProgramDoNotCount() {
        const RadioImage image = FullImage();
        RadioImage later = image;
        later.time = "2026-12-11T09:30:00Z";
        later.programVersion = "Orvex CPS 1.1";
        QVERIFY(DiffImages(image, later, StartupDescribeContext(0)).empty());
        QCOMPARE(Text({}), "The images are the same.\n");
    }

    // One channel's tone, one option, one FM preset and one byte no setting uses: exactly
    // these four, in address order, in the editors' words.
    void fourChanges() {
        const RadioImage first = FullImage();
        RadioImage second = first;
        ChannelRow two = kChannelTwo;
        two[kCellRxTone] = "88.5";
        second.areas[RadioArea::channels] = ChannelsArea({{1, kChannelOne}, {2, two}});
        OptionSettings options = DefaultOptions();
        options.lists[std::size_t(OptionList::Tot)] = 8;
        second.areas[RadioArea::options] = OptionsArea(options);
        second.areas[RadioArea::options][4] = 0x0B;
        FmSettings fm = SomeFmSettings();
        fm.presets[0].frequency = "89.10000";
        second.areas[RadioArea::fm] = FmArea(fm);

        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        const Differences expected = {
            {DifferenceKind::Setting, RadioArea::channels, "Channel Information", "Channel", "2",
             "CTCSS/DCS Dec", "71.9", "88.5"},
            {DifferenceKind::Setting, RadioArea::options, "General", "", "",
             "Time Out Timer(TOT)[S]", "120", "135"},
            {DifferenceKind::RawByte, RadioArea::options, "", "", "", "0x0224", "00", "0B"},
            {DifferenceKind::Setting, RadioArea::fm, "FM Radio Information", "FM  Channel", "1",
             "Receive Frequency (MHZ)", "88.90000", "89.10000"},
        };
        QCOMPARE(differences.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(differences[i] == expected[i], differences[i].name.c_str());
        QCOMPARE(Text(differences),
                 "channels | Channel Information | Channel 2 | CTCSS/DCS Dec: 71.9 -> 88.5\n"
                 "options | General | Time Out Timer(TOT)[S]: 120 -> 135\n"
                 "options | byte 0x0224: 00 -> 0B\n"
                 "fm | FM Radio Information | FM  Channel 1 | Receive Frequency (MHZ): 88.90000 "
                 "-> 89.10000\n");
    }

    // The differences in the other language: the Chinese captions, list items and words.
    void chineseWords() {
        const DescribeContext chinese = StartupDescribeContext(-1);
        const RadioImage first = FullImage();
        RadioImage second = first;
        OptionSettings options = DefaultOptions();
        options.lists[std::size_t(OptionList::Tdr)] = 0;
        second.areas[RadioArea::options] = OptionsArea(options);
        second.areas.erase(RadioArea::fm);
        second.familyByte = 0x12;
        QCOMPARE(
            QString::fromStdString(FormatImageDiff(DiffImages(first, second, chinese), chinese)),
            "文件头 | 机型: 0x47 -> 0x12\n"
            "options | 双信道守侯 | 双信道守侯: 开启 -> 关闭\n"
            "fm | 只在第一个文件中\n");
    }

    // A byte that no setting shows is never silent.
    void unseenBytes_data() {
        QTest::addColumn<RadioArea>("area");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("address");
        QTest::newRow("channel byte that is always 0") << RadioArea::channels << 13 << "0x000D";
        QTest::newRow("byte of an empty channel") << RadioArea::channels << 0x25 << "0x0025";
        QTest::newRow("option byte no setting uses") << RadioArea::options << 4 << "0x0224";
        QTest::newRow("dtmf code a read does not show")
            << RadioArea::dtmf << DtmfCodeOffset(DtmfCode::Inspection)
            << QString::asprintf("0x%04X", 0x0100 + DtmfCodeOffset(DtmfCode::Inspection));
        QTest::newRow("fm band record spare") << RadioArea::fm << 0x10C << "0x310C";
        QTest::newRow("two-tone unused line") << RadioArea::twotone << 31 * 16 << "0x2EF0";
        QTest::newRow("two-tone period word") << RadioArea::twotone << 32 * 16 + 8 << "0x2F08";
        QTest::newRow("five-tone line after the standards")
            << RadioArea::fivetone << (79 - kFiveToneFirstReadLine) * 16 << "0x24F0";
    }
    void unseenBytes() {
        QFETCH(RadioArea, area);
        QFETCH(int, offset);
        QFETCH(QString, address);
        const RadioImage first = FullImage();
        RadioImage second = first;
        std::uint8_t& byte = second.areas[area][std::size_t(offset)];
        const std::uint8_t before = byte;
        byte = static_cast<std::uint8_t>(before ^ 0x5A);
        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        QCOMPARE(differences.size(), std::size_t(1));
        const SettingDifference& d = differences.front();
        QCOMPARE(d.kind, DifferenceKind::RawByte);
        QCOMPARE(d.area, area);
        QCOMPARE(QString::fromStdString(d.name), address);
        QCOMPARE(QString::fromStdString(d.first), QString::asprintf("%02X", before));
        QCOMPARE(QString::fromStdString(d.second), QString::asprintf("%02X", before ^ 0x5A));
    }

    // A byte a setting shows is told by the setting alone.
    void seenByteIsOnlyItsSetting() {
        const RadioImage first = FullImage();
        RadioImage second = first;
        second.areas[RadioArea::channels][16 + 14] ^= 0x01;  // channel 2: low power
        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        QCOMPARE(differences.size(), std::size_t(1));
        QCOMPARE(differences.front().kind, DifferenceKind::Setting);
        QCOMPARE(QString::fromStdString(differences.front().name), "TX Power");
        QCOMPARE(QString::fromStdString(differences.front().first), "HIGH");
        QCOMPARE(QString::fromStdString(differences.front().second), "LOW");
    }

    // An emptied channel is every one of its shown cells, then the bytes of its record that no
    // cell shows (channel 2 has no transmit frequency, so its transmit tone bytes are unseen).
    void emptiedChannel() {
        const RadioImage first = FullImage();
        RadioImage second = first;
        second.areas[RadioArea::channels] = ChannelsArea({{1, kChannelOne}});
        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        const std::size_t shownCells = kChannelRowCells - 1 - 2;  // two cells were empty
        QStringList raw;
        for (std::size_t i = 0; i < differences.size(); ++i) {
            const SettingDifference& d = differences[i];
            if (i < shownCells) {
                QCOMPARE(d.kind, DifferenceKind::Setting);
                QCOMPARE(QString::fromStdString(d.row), "2");
                QVERIFY(d.second.empty());
            } else {
                QCOMPARE(d.kind, DifferenceKind::RawByte);
                raw << QString::fromStdString(d.name + " " + d.first + " " + d.second);
            }
        }
        QCOMPARE(raw, (QStringList{"0x001A 00 FF", "0x001B 00 FF", "0x001D 00 FF"}));
        QVERIFY(Text(differences).contains("RX Frequency: 146.52000 -> (empty)\n"));
    }

    void headerFields_data() {
        QTest::addColumn<int>("lower");
        QTest::addColumn<int>("upper");
        QTest::addColumn<int>("family");
        QTest::addColumn<QString>("text");
        QTest::newRow("band lower") << 400 << 174 << 0x47 << "header | Band lower: 136 -> 400\n";
        QTest::newRow("band upper") << 136 << 520 << 0x47 << "header | Band upper: 174 -> 520\n";
        QTest::newRow("family") << 136 << 174 << 0x12 << "header | Family: 0x47 -> 0x12\n";
    }
    void headerFields() {
        QFETCH(int, lower);
        QFETCH(int, upper);
        QFETCH(int, family);
        QFETCH(QString, text);
        const RadioImage first = FullImage();
        RadioImage second = first;
        second.bandLowerMHz = lower;
        second.bandUpperMHz = upper;
        second.familyByte = static_cast<std::uint8_t>(family);
        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        QCOMPARE(differences.size(), std::size_t(1));
        QCOMPARE(differences.front().kind, DifferenceKind::Header);
        QCOMPARE(Text(differences), text);
    }

    // An area one image lacks is one difference, whatever it holds.
    void areaInOneImage_data() {
        QTest::addColumn<bool>("inFirst");
        QTest::addColumn<QString>("text");
        QTest::newRow("only in first") << true << "twotone | only in the first image\n";
        QTest::newRow("only in second") << false << "twotone | only in the second image\n";
    }
    void areaInOneImage() {
        QFETCH(bool, inFirst);
        QFETCH(QString, text);
        RadioImage first = FullImage();
        RadioImage second = first;
        (inFirst ? second : first).areas.erase(RadioArea::twotone);
        const Differences differences = DiffImages(first, second, StartupDescribeContext(0));
        QCOMPARE(differences.size(), std::size_t(1));
        QCOMPARE(differences.front().kind,
                 inFirst ? DifferenceKind::OnlyInFirst : DifferenceKind::OnlyInSecond);
        QCOMPARE(Text(differences), text);
    }

    // A blank radio against a programmed one: every difference is told, none twice, and no
    // byte goes unmentioned unless a setting of its area differs.
    void blankAgainstProgrammed() {
        const RadioImage programmed = FullImage();
        RadioImage blank = programmed;
        for (auto& [area, bytes] : blank.areas)
            std::fill(bytes.begin(), bytes.end(), std::uint8_t(0xFF));
        const Differences differences = DiffImages(blank, programmed, StartupDescribeContext(0));
        for (RadioArea area : kRadioAreas) {
            const bool told = std::any_of(differences.begin(), differences.end(),
                                          [area](const auto& d) { return d.area == area; });
            QVERIFY2(told, AreaName(area).data());
        }
        for (const SettingDifference& d : differences)
            QVERIFY(d.first != d.second);
        QVERIFY(Text(differences).endsWith('\n'));
    }
};

QTEST_APPLESS_MAIN(ImageDiffTest)
#include "tst_image_diff.moc"
