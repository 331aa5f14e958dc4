#include <QtTest>

#include <set>
#include <tuple>

#include "ImageFixtures.h"
#include "core/image/ImageDescription.h"
#include "core/image/ImageShow.h"

using namespace orvex;
using namespace orvex::test;

Q_DECLARE_METATYPE(orvex::RadioArea)

namespace {

using Settings = std::vector<DescribedSetting>;

Settings Describe(RadioArea area, const std::vector<std::uint8_t>& bytes, int lang = 0) {
    return DescribeArea(area, bytes, StartupDescribeContext(lang));
}

void AddRow(const char* tag, const Settings& settings, const char* section, const char* row,
            const char* name, const char* value) {
    QTest::newRow(tag) << settings << std::string(section) << std::string(row) << std::string(name)
                       << std::string(value);
}

void AddColumns() {
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<std::string>("section");
    QTest::addColumn<std::string>("row");
    QTest::addColumn<std::string>("name");
    QTest::addColumn<std::string>("value");
}

TwoToneSettings SomeTwoTone() {
    TwoToneSettings s;
    s.encode[0] = {"1981.0", "2400.0"};
    s.firstTone = 60;
    s.secondTone = 30;
    s.gap = 5;
    s.decode[0][0] = {"A-B", "2.Transpond", "1"};
    s.decode[2][3] = {"D-C", "1.Alert", "16"};
    s.resetTime = 59;
    StoreToneSet(s.toneSets, 0, {"1000.0", "1500.0", "", "3000.0"}, kTwoToneScale);
    return s;
}

FiveToneSettings SomeFiveTone() {
    FiveToneSettings s;
    s.standards = DefaultFiveToneStandards();
    s.standards[3].period = "120";
    s.encode[0] = {{"12345", "", ""}, "11111", "EURO"};
    s.encodeTimings = {30, 0, 0, 100};
    s.decode[1].standard = "CCIR1";
    s.decode[1].frames = {"54321", "", ""};
    s.decode[1].functions = {"3.Monitor", "", ""};
    s.DecodeActions[1] = {kActionDisp | kActionAlert, 0b00101, 0, 0, kActionLed, 0};
    s.resetTime = 10;
    s.replyAfterAll = true;
    s.replyDelay = 5;
    return s;
}

}  // namespace

Q_DECLARE_METATYPE(Settings)

class ImageDescriptionTest : public QObject {
    Q_OBJECT

  private slots:
    // Each area built by its editor's encoder reads back as the editor shows it, named by the
    // editor's own headings and captions.
    void describedTexts_data() {
        AddColumns();
        const Settings channels =
            Describe(RadioArea::channels, ChannelsArea({{1, kChannelOne}, {2, kChannelTwo}}));
        const char* ch = "Channel Information";
        AddRow("channel rx", channels, ch, "1", "RX Frequency", "145.12500");
        AddRow("channel tx", channels, ch, "1", "TX Frequency", "145.50000");
        AddRow("channel rx tone", channels, ch, "1", "CTCSS/DCS Dec", "67.0");
        AddRow("channel dcs tx tone", channels, ch, "1", "CTCSS/DCS Enc", "D023N");
        AddRow("channel power", channels, ch, "1", "TX Power", "LOW");
        AddRow("channel width", channels, ch, "1", "W/N", "W");
        AddRow("channel ptt-id", channels, ch, "1", "PTT-ID", "BOTH");
        AddRow("channel busy lock", channels, ch, "1", "BusyLock", "ON");
        AddRow("channel scan add", channels, ch, "1", "Scan_Add", "ON");
        AddRow("channel scrambler", channels, ch, "1", "Scrambler", "2");
        AddRow("channel code group", channels, ch, "1", "SigCode", "1");
        AddRow("channel without tx", channels, ch, "2", "TX Frequency", "");
        AddRow("channel without tx tone", channels, ch, "2", "CTCSS/DCS Enc", "");
        AddRow("channel 2 code group", channels, ch, "2", "SigCode", "3");
        AddRow("empty channel rx", channels, ch, "3", "RX Frequency", "");
        AddRow("empty channel power", channels, ch, "16", "TX Power", "");
        AddRow("no channel 17", channels, ch, "17", "RX Frequency", "<none>");

        const Settings channelsZh =
            Describe(RadioArea::channels, ChannelsArea({{1, kChannelOne}}), -1);
        AddRow("channel in Chinese", channelsZh, "信道参数编辑", "1", "接收频率(MHZ)", "145.12500");

        OptionSettings options = DefaultOptions();
        options.lists[std::size_t(OptionList::Tot)] = 7;
        options.lists[std::size_t(OptionList::Tdr)] = 0;
        options.lists[std::size_t(OptionList::Emech)] = 4;
        options.flags[std::size_t(OptionFlag::PttInit)] = true;
        options.limits = {"140", "170", "144", "148"};
        const Settings optionSettings = Describe(RadioArea::options, OptionsArea(options));
        AddRow("option list", optionSettings, "General", "", "Time Out Timer(TOT)[S]", "120");
        AddRow("option off", optionSettings, "Dual watch", "", "TDR", "OFF");
        AddRow("option channel", optionSettings, "Alarm", "", "Alarm Channle", "CH 5");
        AddRow("option flag on", optionSettings, "Power-on", "",
               "Press PTT key can reset when turn on radio", "ON");
        AddRow("option flag off", optionSettings, "Alarm", "", "Alarm Compatible With Calder",
               "OFF");
        AddRow("option rx lower", optionSettings, "Frequency limits", "", "RX From", "140 MHZ");
        AddRow("option rx upper", optionSettings, "Frequency limits", "", "RX From ... to",
               "170 MHZ");
        AddRow("option tx lower", optionSettings, "Frequency limits", "", "TX From", "144 MHZ");
        AddRow("option tx upper", optionSettings, "Frequency limits", "", "TX From ... to",
               "148 MHZ");
        const Settings optionsZh = Describe(RadioArea::options, OptionsArea(options), -1);
        AddRow("option in Chinese", optionsZh, "常规设置", "", "发射超时定时器（秒）", "120");
        AddRow("option item in Chinese", optionsZh, "双信道守侯", "", "双信道守侯", "关闭");

        DtmfSettings dtmf = DefaultDtmfSettings();
        dtmf.groups[0] = "12345";
        dtmf.groups[7] = "*#A";
        dtmf.codes[std::size_t(DtmfCode::Alarm)] = "119";
        dtmf.codes[std::size_t(DtmfCode::Ani)] = "2580";
        dtmf.pttPress = true;
        dtmf.pttRelease = false;
        dtmf.onTime = 5;
        dtmf.offTime = 195;
        dtmf.groupCall = "#";
        const Settings dtmfSettings = Describe(RadioArea::dtmf, DtmfArea(dtmf));
        AddRow("dtmf group 1", dtmfSettings, "DTMF Encode", "1", "Code", "12345");
        AddRow("dtmf group 8", dtmfSettings, "DTMF Encode", "8", "Code", "*#A");
        AddRow("dtmf alarm", dtmfSettings, "DTMF Encode", "", "Alarm", "119");
        AddRow("dtmf on time", dtmfSettings, "DTMF Encode", "", "DTMF Speed (On Time)", "100");
        AddRow("dtmf off time", dtmfSettings, "DTMF Encode", "", "DTMF Speed (Off Time)", "2000");
        AddRow("dtmf group call", dtmfSettings, "DTMF Encode", "", "Group Code", "#");
        AddRow("dtmf ani", dtmfSettings, "ANI Code", "", "ANI Code", "2580");
        AddRow("dtmf ptt press", dtmfSettings, "ANI Code", "", "Press PTT to Send", "ON");
        AddRow("dtmf ptt release", dtmfSettings, "ANI Code", "", "Release PTT to Send", "OFF");

        const Settings fm = Describe(RadioArea::fm, FmArea(SomeFmSettings()));
        const char* fmSection = "FM Radio Information";
        AddRow("fm frequency", fm, fmSection, "1", "Receive Frequency (MHZ)", "88.90000");
        AddRow("fm name", fm, fmSection, "1", "FM Station Name", "FM");
        AddRow("fm above 100", fm, fmSection, "2", "Receive Frequency (MHZ)", "101.70000");
        AddRow("fm six letters", fm, fmSection, "2", "FM Station Name", "RADIO1");
        AddRow("fm empty preset", fm, fmSection, "3", "Receive Frequency (MHZ)", "");
        AddRow("fm band A", fm, fmSection, "", "the range of A band Frequency",
               "136.00000 TO 174.00000");
        AddRow("fm band B", fm, fmSection, "", "the range of B band Frequency",
               "400.00000 TO 470.00000");

        const Settings two = Describe(RadioArea::twotone, TwoToneArea(SomeTwoTone()));
        AddRow("2tone first", two, "2 TONE Encode", "1", "1st Frequency(HZ)", "1981.0");
        AddRow("2tone second", two, "2 TONE Encode", "1", "2nd Frequency(HZ)", "2400.0");
        AddRow("2tone unset code", two, "2 TONE Encode", "2", "1st Frequency(HZ)", "");
        AddRow("2tone duration", two, "2 TONE Encode", "", "1st Tone Duration(MS)", "600");
        AddRow("2tone gap", two, "2 TONE Encode", "", "Gap of Tone (MS)", "50");
        AddRow("2tone pair", two, "2 TONE Decode", "1", "Dec_1", "A-B");
        AddRow("2tone response", two, "2 TONE Decode", "1", "Response 1", "2.Transpond");
        AddRow("2tone alert", two, "2 TONE Decode", "1", "Alert 1", "1");
        AddRow("2tone slot 4", two, "2 TONE Decode", "3", "Dec_4", "D-C");
        AddRow("2tone slot 4 response", two, "2 TONE Decode", "3", "Response 4", "1.Alert");
        AddRow("2tone slot 4 alert", two, "2 TONE Decode", "3", "Alert 4", "16");
        AddRow("2tone reset", two, "2 TONE Decode", "", "Reset_Time (MS)", "6000");
        AddRow("2tone tone A", two, "Decode 2 Tone Frequency", "1", "A Tone( HZ )", "1000.0");
        AddRow("2tone tone C unset", two, "Decode 2 Tone Frequency", "1", "C Tone( HZ )", "");
        AddRow("2tone tone D", two, "Decode 2 Tone Frequency", "1", "D Tone( HZ )", "3000.0");
        const Settings twoZh = Describe(RadioArea::twotone, TwoToneArea(SomeTwoTone()), -1);
        AddRow("2tone reply in Chinese", twoZh, "2 TONE 解码", "1", "响 应 方 式 1", "2.回复");

        const Settings five = Describe(RadioArea::fivetone, FiveToneArea(SomeFiveTone()));
        const char* std5 = "5 TONE Standard Frequency";
        AddRow("5tone period", five, std5, "CCIR1", "Period(ms)", "100");
        AddRow("5tone changed period", five, std5, "ZVEI1", "Period(ms)", "120");
        AddRow("5tone group tone", five, std5, "EEA", "Group Tone", "A");
        AddRow("5tone encode frame", five, "5 Tone Encode", "1", "Frame 1", "12345");
        AddRow("5tone encode transpond", five, "5 Tone Encode", "1", "Transpond", "11111");
        AddRow("5tone encode standard", five, "5 Tone Encode", "1", "Standard", "EURO");
        AddRow("5tone encode unset", five, "5 Tone Encode", "2", "Standard", "");
        AddRow("5tone delay", five, "5 Tone Encode", "", "Delay 1 (MS)", "300");
        AddRow("5tone extend", five, "5 Tone Encode", "", "First Digit Extend Length (MS)", "1000");
        AddRow("5tone decode standard", five, "5 Tone Decode", "2", "Standard", "CCIR1");
        AddRow("5tone decode frame", five, "5 Tone Decode", "2", "Frame1", "54321");
        AddRow("5tone decode function", five, "5 Tone Decode", "2", "Function 1", "3.Monitor");
        AddRow("5tone actions", five, "5 Tone Decode", "2", "Frame 1", "DISP ALERT 1 3");
        AddRow("5tone actions frame 2", five, "5 Tone Decode", "2", "Frame 2", "");
        AddRow("5tone actions frame 3", five, "5 Tone Decode", "2", "Frame 3", "LED");
        AddRow("5tone reset", five, "5 Tone Decode", "", "Reset Time(ms)", "1100");
        AddRow("5tone reply after all", five, "5 Tone Decode", "", "所有帧成功解码后回复", "ON");
        AddRow("5tone reply when idle", five, "5 Tone Decode", "", "信道空闲时回复", "OFF");
        AddRow("5tone reply delay", five, "5 Tone Decode", "", "回复延迟时间（MS）", "1000");
    }
    void describedTexts() {
        QFETCH(Settings, settings);
        QFETCH(std::string, section);
        QFETCH(std::string, row);
        QFETCH(std::string, name);
        QFETCH(std::string, value);
        QCOMPARE(QString::fromStdString(ValueOf(settings, section, row, name)),
                 QString::fromStdString(value));
    }

    // Every setting is there once, tagged with its area, and table settings name their row.
    void everySettingOnce_data() {
        QTest::addColumn<RadioArea>("area");
        QTest::addColumn<int>("count");
        QTest::addColumn<std::string>("rowHeading");
        QTest::newRow("channels: 16 x 11")
            << RadioArea::channels << 16 * 11 << std::string("Channel");
        QTest::newRow("options: 23 lists, 4 flags, 4 limits")
            << RadioArea::options << 31 << std::string();
        QTest::newRow("dtmf: 8 groups and 7") << RadioArea::dtmf << 8 + 7 << std::string("Number");
        QTest::newRow("fm: 16 x 2 and 2 bands")
            << RadioArea::fm << 16 * 2 + 2 << std::string("FM  Channel");
        QTest::newRow("twotone") << RadioArea::twotone << 15 * 2 + 3 + 15 * 12 + 1 + 15 * 4
                                 << std::string("Code");
        QTest::newRow("fivetone") << RadioArea::fivetone
                                  << 15 * 3 + 15 * 5 + 4 + 15 * 8 + 15 * 3 + 4
                                  << std::string("Standard");
    }
    void everySettingOnce() {
        QFETCH(RadioArea, area);
        QFETCH(int, count);
        QFETCH(std::string, rowHeading);
        const Settings settings =
            Describe(area, std::vector<std::uint8_t>(AreaRange(area).size(), 0xFF));
        QCOMPARE(int(settings.size()), count);
        std::set<std::tuple<std::string, std::string, std::string>> keys;
        for (const DescribedSetting& s : settings) {
            QCOMPARE(s.area, area);
            QVERIFY(!s.name.empty());
            QVERIFY(!s.section.empty());
            QCOMPARE(s.row.empty(), s.rowHeading.empty());
            QVERIFY2(keys.insert({s.section, s.row, s.name}).second, s.name.c_str());
        }
        QCOMPARE(settings.front().rowHeading, rowHeading);
    }

    // A blank (erased) radio reads as the editors show it after reading one; a short area
    // counts as erased where its bytes are missing.
    void blankAreas_data() {
        QTest::addColumn<RadioArea>("area");
        QTest::addColumn<std::string>("section");
        QTest::addColumn<std::string>("row");
        QTest::addColumn<std::string>("name");
        QTest::addColumn<std::string>("value");
        const auto add = [](const char* tag, RadioArea area, const char* section, const char* row,
                            const char* name, const char* value) {
            QTest::newRow(tag) << area << std::string(section) << std::string(row)
                               << std::string(name) << std::string(value);
        };
        add("channel empty", RadioArea::channels, "Channel Information", "1", "RX Frequency", "");
        add("channel 16 empty", RadioArea::channels, "Channel Information", "16", "SigCode", "");
        add("option beyond list", RadioArea::options, "General", "", "Time Out Timer(TOT)[S]",
            "600");
        add("option flag", RadioArea::options, "Alarm", "", "Alarm Sound", "ON");
        // The form shows the digits of each FF nibble pair as they stand.
        add("option limit", RadioArea::options, "Frequency limits", "", "RX From", "151515 MHZ");
        add("dtmf group empty", RadioArea::dtmf, "DTMF Encode", "1", "Code", "");
        add("dtmf time", RadioArea::dtmf, "DTMF Encode", "", "DTMF Speed (On Time)", "2000");
        add("dtmf group call", RadioArea::dtmf, "DTMF Encode", "", "Group Code", "");
        add("fm preset", RadioArea::fm, "FM Radio Information", "1", "Receive Frequency (MHZ)", "");
        add("fm band", RadioArea::fm, "FM Radio Information", "", "the range of A band Frequency",
            "");
        add("2tone code", RadioArea::twotone, "2 TONE Encode", "1", "1st Frequency(HZ)", "");
        add("2tone pair", RadioArea::twotone, "2 TONE Decode", "1", "Dec_1", "");
        add("2tone response", RadioArea::twotone, "2 TONE Decode", "1", "Response 1", "");
        add("2tone duration", RadioArea::twotone, "2 TONE Encode", "", "1st Tone Duration(MS)",
            "1000");
        add("5tone standard", RadioArea::fivetone, "5 Tone Encode", "1", "Standard", "");
        add("5tone actions", RadioArea::fivetone, "5 Tone Decode", "1", "Frame 1",
            "DISP LED CTRL ALERT 1 2 3 4 5");
    }
    void blankAreas() {
        QFETCH(RadioArea, area);
        QFETCH(std::string, section);
        QFETCH(std::string, row);
        QFETCH(std::string, name);
        QFETCH(std::string, value);
        const std::vector<std::uint8_t> erased(AreaRange(area).size(), 0xFF);
        const Settings settings = Describe(area, erased);
        QCOMPARE(QString::fromStdString(ValueOf(settings, section, row, name)),
                 QString::fromStdString(value));
        QCOMPARE(Describe(area, {}), settings);
        const std::vector<std::uint8_t> longer(AreaRange(area).size() + 40, 0xFF);
        QCOMPARE(Describe(area, longer), settings);
    }

    // The context made without windows holds what the windows use at start-up.
    void startupContext_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<std::string>("reply");
        QTest::addColumn<std::string>("call");
        QTest::newRow("English") << 0 << std::string("2.Transpond") << std::string("3.Monitor");
        QTest::newRow("Chinese") << -1 << std::string("2.回复") << std::string("3.监听");
    }
    void startupContext() {
        QFETCH(int, lang);
        QFETCH(std::string, reply);
        QFETCH(std::string, call);
        const DescribeContext context = StartupDescribeContext(lang);
        QCOMPARE(context.languageFlag != 0, lang != 0);
        QCOMPARE(context.replyNames[2], reply);
        QCOMPARE(context.callNames[3], call);
        QCOMPARE(context.optionOffsets[36], 38);
        QCOMPARE(context.optionOffsets[41], 45);
    }
};

QTEST_APPLESS_MAIN(ImageDescriptionTest)
#include "tst_image_description.moc"
