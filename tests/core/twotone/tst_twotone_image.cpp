#include <QtTest>

#include <cstdint>
#include <string>
#include <vector>

#include "core/shell/StartupTables.h"
#include "core/twotone/TwoToneImage.h"

using namespace orvex;

Q_DECLARE_METATYPE(orvex::ToneEntryResult)
Q_DECLARE_METATYPE(orvex::DecodeColumn)

namespace {

const ReplyNames kEnglish = {"0.None", "1.Alert", "2.Transpond", "3.Alert+Transpond"};
const ReplyNames kChinese = {"0.无", "1.提醒", "2.回复", "3.提醒并回"};

constexpr std::size_t kLine = 16;

std::size_t EncodeLine(int code) {
    return static_cast<std::size_t>(code - 1) * kLine;
}
std::size_t DecodeSlot(int code, int slot) {
    return static_cast<std::size_t>(15 + code) * kLine + static_cast<std::size_t>(slot - 1) * 3;
}

void PutWord(TwoToneImage& image, std::size_t at, unsigned word) {
    image[at] = static_cast<std::uint8_t>(word & 0xFF);
    image[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

// Every cell and tone set holds something no decoded or default value gives, so that what an
// operation leaves alone shows.
TwoToneSettings MarkedSettings() {
    TwoToneSettings settings;
    settings.encode.fill({"MARK1", "MARK2"});
    for (DecodeCells& code : settings.decode)
        code.fill({"MARKP", "MARKR", "MARKA"});
    for (ToneSetLine& line : settings.toneSets)
        line.fill(0x5A);
    settings.firstTone = settings.secondTone = settings.gap = settings.resetTime = 7;
    return settings;
}

// A tone set line from four frequencies and their four period words.
ToneSetLine ToneLine(std::array<unsigned, 4> hertz, std::array<unsigned, 4> periods) {
    ToneSetLine line{};
    for (std::size_t i = 0; i < 4; ++i) {
        line[2 * i] = static_cast<std::uint8_t>(hertz[i] & 0xFF);
        line[2 * i + 1] = static_cast<std::uint8_t>(hertz[i] >> 8);
        line[8 + 2 * i] = static_cast<std::uint8_t>(periods[i] & 0xFF);
        line[8 + 2 * i + 1] = static_cast<std::uint8_t>(periods[i] >> 8);
    }
    return line;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Words

class TwoToneImageTest : public QObject {
    Q_OBJECT

  private slots:
    void periodWordCountsTheRadiosScaleUnits_data() {
        QTest::addColumn<double>("hertz");
        QTest::addColumn<unsigned>("period");
        const auto row = [](double hertz, unsigned period) {
            QTest::addRow("%g Hz", hertz) << hertz << period;
        };
        row(1981, 1163);
        row(2400, 960);
        row(300, 7680);
        row(3000, 768);
        row(1124, 2050);
        row(970, 2375);
    }
    void periodWordCountsTheRadiosScaleUnits() {
        QFETCH(double, hertz);
        QFETCH(unsigned, period);
        QCOMPARE(unsigned(TwoTonePeriodWord(hertz, kTwoToneScale)), period);
    }

    void wordsStayWithinSixteenBits() {
        QCOMPARE(TwoTonePeriodWord(1000, 0), 0xFFFF);  // a scale never set
        QCOMPARE(TwoTonePeriodWord(0, kTwoToneScale), 0xFFFF);
        QCOMPARE(TwoTonePeriodWord(1, kTwoToneScale), 0xFFFF);
        QCOMPARE(TwoToneFrequencyWord(1062.5), 1063);
        QCOMPARE(TwoToneFrequencyWord(1062.49), 1062);
        QCOMPARE(TwoToneFrequencyWord(70000), 0xFFFF);
        QCOMPARE(TwoToneFrequencyWord(-5), 0);
    }

    // ---------------------------------------------------------------------------------------
    // Decoding a read

    void frequencyCellsShowOnly300To3000_data() {
        QTest::addColumn<unsigned>("word");
        QTest::addColumn<QByteArray>("cell");
        const auto row = [](unsigned word, const char* cell) {
            QTest::addRow("%u", word) << word << QByteArray(cell);
        };
        row(0, "");
        row(299, "");
        row(300, "300.0");
        row(1981, "1981.0");
        row(3000, "3000.0");
        row(3001, "");
        row(0xFFFF, "");
        row(0x0100, "");
    }
    void frequencyCellsShowOnly300To3000() {
        QFETCH(unsigned, word);
        QFETCH(QByteArray, cell);
        for (int code : {1, 15}) {
            TwoToneImage image{};
            PutWord(image, EncodeLine(code), word);
            PutWord(image, EncodeLine(code) + 8, word);
            const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
            QCOMPARE(shown.encode[size_t(code - 1)].first, cell.toStdString());
            QCOMPARE(shown.encode[size_t(code - 1)].second, cell.toStdString());
        }
    }

    void bothFrequenciesOfACodeAreTheirOwn() {
        TwoToneImage image{};
        PutWord(image, EncodeLine(3), 1540);
        PutWord(image, EncodeLine(3) + 8, 1640);
        PutWord(image, EncodeLine(3) + 2, 2000);  // bytes between the two words are not looked at
        const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
        QCOMPARE(shown.encode[2], (EncodeCells{"1540.0", "1640.0"}));
        QCOMPARE(shown.encode[1], (EncodeCells{"", ""}));
        QCOMPARE(shown.encode[3], (EncodeCells{"", ""}));
    }

    void positionsBeyondAListSelectItsLastItem_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("reset");
        const auto row = [](int stored, int duration, int reset) {
            QTest::addRow("%d", stored) << stored << duration << reset;
        };
        row(0, 0, 0);
        row(30, 30, 30);
        row(79, 79, 79);
        row(80, 80, 79);
        row(100, 100, 79);
        row(101, 100, 79);
        row(200, 100, 79);
        row(255, 100, 79);
    }
    void positionsBeyondAListSelectItsLastItem() {
        QFETCH(int, stored);
        QFETCH(int, duration);
        QFETCH(int, reset);
        for (std::size_t which = 0; which < 3; ++which) {
            TwoToneImage image{};
            image[15 * kLine + which] = static_cast<std::uint8_t>(stored);
            image[47 * kLine] = static_cast<std::uint8_t>(stored);
            const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
            const std::array<int, 3> durations = {shown.firstTone, shown.secondTone, shown.gap};
            for (std::size_t other = 0; other < 3; ++other)
                QCOMPARE(durations[other], other == which ? duration : 0);
            QCOMPARE(shown.resetTime, reset);
        }
    }

    void slotBytesShowAsPairResponseAndAlertCells() {
        struct Case {
            std::array<std::uint8_t, 3> bytes;
            DecodeSlotCells english;
            DecodeSlotCells chinese;
        };
        const std::vector<Case> cases = {
            {{0, 0, 1}, {"A-B", "0.None", "1"}, {"A-B", "0.无", "1"}},
            {{11, 3, 16}, {"D-C", "3.Alert+Transpond", "16"}, {"D-C", "3.提醒并回", "16"}},
            {{4, 1, 0}, {"B-C", "1.Alert", "0"}, {"B-C", "1.提醒", "0"}},
            {{8, 2, 9}, {"C-D", "2.Transpond", "9"}, {"C-D", "2.回复", "9"}},
            // Values outside the tables.
            {{12, 4, 17}, {"", "0.None", ""}, {"", "0.无", ""}},
            {{200, 7, 100}, {"", "0.None", ""}, {"", "0.无", ""}},
            {{254, 254, 254}, {"", "0.None", ""}, {"", "0.无", ""}},
            // Not set.
            {{255, 255, 255}, {"", "", ""}, {"", "", ""}},
        };
        for (const Case& c : cases) {
            for (int code : {1, 15}) {
                for (int slot = 1; slot <= 4; ++slot) {
                    TwoToneImage image{};
                    image.fill(0xFF);
                    std::copy(c.bytes.begin(), c.bytes.end(),
                              image.begin() + DecodeSlot(code, slot));
                    const DecodeSlotCells unset{"", "", ""};
                    for (const auto& [replies, expected] :
                         {std::pair{kEnglish, c.english}, std::pair{kChinese, c.chinese}}) {
                        const TwoToneSettings shown = DecodeTwoToneImage(image, replies);
                        for (int s = 1; s <= 4; ++s)
                            QCOMPARE(shown.decode[size_t(code - 1)][size_t(s - 1)],
                                     s == slot ? expected : unset);
                    }
                }
            }
        }
    }

    void toneSetsAreTheLastSixteenLinesAsTheyStand() {
        TwoToneImage image{};
        for (std::size_t i = 0; i < image.size(); ++i)
            image[i] = static_cast<std::uint8_t>(i * 7 + 3);
        const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
        for (std::size_t k = 0; k < 16; ++k)
            for (std::size_t b = 0; b < 16; ++b)
                QCOMPARE(shown.toneSets[k][b], image[(32 + k) * kLine + b]);
    }

    // ---------------------------------------------------------------------------------------
    // Encoding a write

    void frequencyCellsGiveWholeHertz_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        const auto row = [](const char* cell, int low, int high) {
            QTest::addRow("'%s'", cell) << QByteArray(cell) << low << high;
        };
        row("1981.0", 0xBD, 0x07);
        row("300.0", 0x2C, 0x01);
        row("3000.0", 0xB8, 0x0B);
        row(" 970.0 ", 0xCA, 0x03);
        row("1062.5", 0x27, 0x04);
        row("", 0, 0);
        row("   ", 0, 0);
    }
    void frequencyCellsGiveWholeHertz() {
        QFETCH(QByteArray, cell);
        QFETCH(int, low);
        QFETCH(int, high);
        TwoToneSettings settings;
        settings.encode[4] = {cell.toStdString(), ""};
        settings.encode[14] = {"", cell.toStdString()};
        const TwoToneImage image = EncodeTwoToneImage(settings);
        QCOMPARE(int(image[EncodeLine(5)]), low);
        QCOMPARE(int(image[EncodeLine(5) + 1]), high);
        QCOMPARE(int(image[EncodeLine(5) + 8]), 0);
        QCOMPARE(int(image[EncodeLine(15)]), 0);
        QCOMPARE(int(image[EncodeLine(15) + 8]), low);
        QCOMPARE(int(image[EncodeLine(15) + 9]), high);
    }

    void slotCellsGiveTheirBytes() {
        struct Case {
            DecodeSlotCells cells;
            std::array<std::uint8_t, 3> bytes;
        };
        const std::vector<Case> cases = {
            {{"A-B", "0.None", "1"}, {0, 0, 1}},
            {{"D-C", "3.Alert+Transpond", "16"}, {11, 3, 16}},
            {{" B-C ", " 2.回复", " 7 "}, {4, 2, 7}},
            {{"C-A", "1.提醒", "12"}, {6, 1, 12}},
            // The pair is matched exactly; anything else is no pair.
            {{"a-b", "", ""}, {255, 255, 255}},
            {{"A - B", "", ""}, {255, 255, 255}},
            {{"", "", ""}, {255, 255, 255}},
            // The response is the value of the first character.
            {{"A-D", "x", "0"}, {2, 0, 0}},
        };
        for (const Case& c : cases) {
            TwoToneSettings settings;
            for (DecodeCells& code : settings.decode)
                code.fill({"", "", ""});
            settings.decode[6][2] = c.cells;
            const TwoToneImage image = EncodeTwoToneImage(settings);
            for (int code = 1; code <= 15; ++code) {
                for (int slot = 1; slot <= 4; ++slot) {
                    const bool edited = code == 7 && slot == 3;
                    for (std::size_t b = 0; b < 3; ++b)
                        QCOMPARE(image[DecodeSlot(code, slot) + b], edited ? c.bytes[b] : 0xFF);
                }
                for (std::size_t b = 12; b < 16; ++b)
                    QCOMPARE(image[DecodeSlot(code, 1) + b], 0);
            }
        }
    }

    void listsToneSetsAndUnusedBytes() {
        TwoToneSettings settings;
        settings.firstTone = 60;
        settings.secondTone = 100;
        settings.gap = 3;
        settings.resetTime = 79;
        for (std::size_t k = 0; k < 16; ++k)
            settings.toneSets[k].fill(static_cast<std::uint8_t>(k + 1));
        const TwoToneImage image = EncodeTwoToneImage(settings);

        std::vector<std::uint8_t> expected(768, 0);
        for (int code = 1; code <= 15; ++code)
            for (int slot = 1; slot <= 4; ++slot)
                for (std::size_t b = 0; b < 3; ++b)
                    expected[DecodeSlot(code, slot) + b] = 0xFF;  // empty cells
        expected[15 * kLine] = 60;
        expected[15 * kLine + 1] = 100;
        expected[15 * kLine + 2] = 3;
        for (std::size_t k = 0; k < 15; ++k)
            for (std::size_t b = 0; b < 16; ++b)
                expected[(32 + k) * kLine + b] = static_cast<std::uint8_t>(k + 1);
        // The sixteenth tone set is not written; line 47 holds the reset time only.
        expected[47 * kLine] = 79;
        QCOMPARE(std::vector<std::uint8_t>(image.begin(), image.end()), expected);
    }

    void whatIsReadIsWrittenBackAsShown() {
        TwoToneImage read{};
        read.fill(0xFF);
        PutWord(read, EncodeLine(1), 1981);
        PutWord(read, EncodeLine(1) + 8, 5000);  // shown empty, written as 0
        read[DecodeSlot(2, 1)] = 1;
        read[DecodeSlot(2, 1) + 1] = 7;  // shows reply name 0, written as 0
        read[DecodeSlot(2, 1) + 2] = 16;
        read[DecodeSlot(3, 4)] = 13;  // no pair
        read[DecodeSlot(3, 4) + 1] = 2;
        read[DecodeSlot(3, 4) + 2] = 20;  // no alert
        for (std::size_t b = 0; b < 16; ++b)
            read[32 * kLine + b] = static_cast<std::uint8_t>(0x10 + b);

        const TwoToneSettings shown = DecodeTwoToneImage(read, kEnglish);
        QCOMPARE(shown.decode[1][0], (DecodeSlotCells{"A-C", "0.None", "16"}));
        const TwoToneImage written = EncodeTwoToneImage(shown);
        QCOMPARE(written[EncodeLine(1)], 0xBD);
        QCOMPARE(written[EncodeLine(1) + 1], 0x07);
        QCOMPARE(written[EncodeLine(1) + 8], 0);
        QCOMPARE(written[EncodeLine(1) + 9], 0);
        QCOMPARE(written[DecodeSlot(2, 1)], 1);
        QCOMPARE(written[DecodeSlot(2, 1) + 1], 0);
        QCOMPARE(written[DecodeSlot(2, 1) + 2], 16);
        QCOMPARE(written[DecodeSlot(3, 4)], 0xFF);
        QCOMPARE(written[DecodeSlot(3, 4) + 1], 2);
        QCOMPARE(written[DecodeSlot(3, 4) + 2], 0xFF);
        QCOMPARE(written[15 * kLine], 100);  // 0xFF selected the last item
        QCOMPARE(written[47 * kLine], 79);
        for (std::size_t b = 0; b < 16; ++b)
            QCOMPARE(written[32 * kLine + b], 0x10 + b);
    }

    // ---------------------------------------------------------------------------------------
    // Tone sets

    void storeTakesEachBoxThatIsNotEmpty() {
        ToneSets sets{};
        for (ToneSetLine& line : sets)
            line.fill(0x5A);
        StoreToneSet(sets, 4, {"1981", "", "2400.0", " 300 "}, kTwoToneScale);
        QCOMPARE(sets[4], (ToneSetLine{0xBD, 0x07, 0x5A, 0x5A, 0x60, 0x09, 0x2C, 0x01, 0x8B, 0x04,
                                       0x5A, 0x5A, 0xC0, 0x03, 0x00, 0x1E}));
        for (std::size_t k : {0, 3, 5, 14, 15}) {
            ToneSetLine untouched;
            untouched.fill(0x5A);
            QCOMPARE(sets[k], untouched);
        }
    }

    void storeIgnoresCodesBeyondFifteen() {
        ToneSets sets{};
        StoreToneSet(sets, 15, {"1981", "1981", "1981", "1981"}, kTwoToneScale);
        StoreToneSet(sets, -1, {"1981", "1981", "1981", "1981"}, kTwoToneScale);
        QCOMPARE(sets, ToneSets{});
    }

    void showGivesTheFrequencyWords() {
        ToneSets sets{};
        sets[2] = ToneLine({1981, 0, 65535, 1}, {1, 2, 3, 4});
        QCOMPARE(ShowToneSet(sets, 2), (ToneBoxes{"1981.0", "", "65535.0", "1.0"}));
        QCOMPARE(ShowToneSet(sets, 1), (ToneBoxes{"", "", "", ""}));
        sets[15] = ToneLine({1000, 0, 0, 0}, {0, 0, 0, 0});
        QCOMPARE(ShowToneSet(sets, 15), (ToneBoxes{"1000.0", "", "", ""}));
    }

    // ---------------------------------------------------------------------------------------
    // Defaults

    void fillTheirCodesAndLeaveTheOthers() {
        TwoToneSettings settings = MarkedSettings();
        SetTwoToneDefaults(settings, kEnglish, kTwoToneScale);

        QCOMPARE(settings.firstTone, 60);
        QCOMPARE(settings.secondTone, 60);
        QCOMPARE(settings.gap, 30);
        QCOMPARE(settings.resetTime, 59);

        const std::vector<std::pair<int, EncodeCells>> encode = {
            {1, {"1981.0", "1124.0"}},  {2, {"1358.0", "1446.0"}},  {3, {"1540.0", "1640.0"}},
            {12, {"2200.0", "970.0"}},  {13, {"1060.0", "1160.0"}}, {14, {"1400.0", "1530.0"}},
            {15, {"1670.0", "1830.0"}},
        };
        for (int code = 1; code <= 15; ++code) {
            EncodeCells expected{"MARK1", "MARK2"};
            for (const auto& [c, cells] : encode)
                if (c == code) expected = cells;
            QCOMPARE(settings.encode[size_t(code - 1)], expected);
        }

        const DecodeCells forward = {{{"A-B", "1.Alert", "1"},
                                      {"B-C", "2.Transpond", "2"},
                                      {"C-D", "3.Alert+Transpond", "3"},
                                      {"D-A", "0.None", "4"}}};
        const DecodeCells backward = {{{"D-A", "0.None", "4"},
                                       {"C-D", "3.Alert+Transpond", "3"},
                                       {"B-C", "2.Transpond", "2"},
                                       {"A-B", "1.Alert", "1"}}};
        DecodeCells marked;
        marked.fill({"MARKP", "MARKR", "MARKA"});
        for (int code = 1; code <= 15; ++code) {
            const DecodeCells& expected = code == 15                               ? backward
                                          : (code == 1 || code == 2 || code == 14) ? forward
                                                                                   : marked;
            QCOMPARE(settings.decode[size_t(code - 1)], expected);
        }

        ToneSets tones{};
        tones[0] = ToneLine({1981, 1124, 1197, 1275}, {1163, 2050, 1925, 1807});
        tones[1] = ToneLine({1358, 1446, 1540, 1640}, {1697, 1593, 1496, 1405});
        tones[2] = ToneLine({2200, 970, 1060, 1160}, {1047, 2375, 2174, 1986});
        tones[3] = ToneLine({1400, 1530, 1670, 1830}, {1646, 1506, 1380, 1259});
        QCOMPARE(settings.toneSets, tones);
    }

    void replyNamesAreThoseGiven() {
        TwoToneSettings settings;
        SetTwoToneDefaults(settings, kChinese, kTwoToneScale);
        QCOMPARE(settings.decode[0][0], (DecodeSlotCells{"A-B", "1.提醒", "1"}));
        QCOMPARE(settings.decode[14][1], (DecodeSlotCells{"C-D", "3.提醒并回", "3"}));
    }

    // ---------------------------------------------------------------------------------------
    // Typed frequencies

    void cellsRoundHalfUpBoxesHalfToEven_data() {
        using R = ToneEntryResult;
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<ToneEntryResult>("cellResult");
        QTest::addColumn<QByteArray>("cellText");
        QTest::addColumn<ToneEntryResult>("boxResult");
        QTest::addColumn<QByteArray>("boxText");
        const auto row = [](const char* typed, R cellResult, const char* cellText, R boxResult,
                            const char* boxText) {
            QTest::addRow("'%s'", typed) << QByteArray(typed) << cellResult << QByteArray(cellText)
                                         << boxResult << QByteArray(boxText);
        };
        row("1062.5", R::Accepted, "1063.0", R::Accepted, "1062.0");
        row("1063.5", R::Accepted, "1064.0", R::Accepted, "1064.0");
        row("1062.49", R::Accepted, "1062.0", R::Accepted, "1062.0");
        row("1062.51", R::Accepted, "1063.0", R::Accepted, "1063.0");
        row("2999.5", R::Accepted, "3000.0", R::Accepted, "3000.0");
        row("2998.5", R::Accepted, "2999.0", R::Accepted, "2998.0");
        row("300", R::Accepted, "300.0", R::Accepted, "300.0");
        row("3000", R::Accepted, "3000.0", R::Accepted, "3000.0");
        row(" 1981.0 ", R::Accepted, "1981.0", R::Accepted, "1981.0");
        row("1500abc", R::Accepted, "1500.0", R::Accepted, "1500.0");
        // The range is checked before rounding.
        row("299.6", R::OutOfRange, "", R::OutOfRange, "");
        row("3000.4", R::OutOfRange, "", R::OutOfRange, "");
        row("299", R::OutOfRange, "", R::OutOfRange, "");
        row("0", R::OutOfRange, "", R::OutOfRange, "");
        row("abc", R::OutOfRange, "", R::OutOfRange, "");
        row("-1000", R::OutOfRange, "", R::OutOfRange, "");
        row("", R::Blank, "", R::Blank, "");
        row("   ", R::Blank, "", R::Blank, "");
    }
    void cellsRoundHalfUpBoxesHalfToEven() {
        QFETCH(QByteArray, typed);
        QFETCH(ToneEntryResult, cellResult);
        QFETCH(QByteArray, cellText);
        QFETCH(ToneEntryResult, boxResult);
        QFETCH(QByteArray, boxText);
        const std::string text = typed.toStdString();
        QCOMPARE(AcceptEncodeCellTone(text), (ToneEntry{cellResult, cellText.toStdString()}));
        QCOMPARE(AcceptToneBoxTone(text), (ToneEntry{boxResult, boxText.toStdString()}));
    }

    // ---------------------------------------------------------------------------------------
    // Lists and decode columns

    void durationAndResetItems() {
        const std::vector<std::string> durations = ToneTimingItems();
        QCOMPARE(durations.size(), 101u);
        QCOMPARE(durations[0], "0");
        QCOMPARE(durations[1], "10");
        QCOMPARE(durations[30], "300");
        QCOMPARE(durations[60], "600");
        QCOMPARE(durations[100], "1000");
        const std::vector<std::string> resets = ResetTimeItems();
        QCOMPARE(resets.size(), 80u);
        QCOMPARE(resets[0], "100");
        QCOMPARE(resets[59], "6000");
        QCOMPARE(resets[79], "8000");
    }

    void decodeColumns_data() {
        using K = DecodeColumn;
        QTest::addColumn<int>("col");
        QTest::addColumn<DecodeColumn>("kind");
        QTest::addColumn<int>("pairColumn");
        const auto row = [](int col, K kind, int pairColumn) {
            QTest::addRow("column %d", col) << col << kind << pairColumn;
        };
        row(0, K::Code, 0);
        row(1, K::Pair, 1);
        row(2, K::Response, 1);
        row(3, K::Alert, 1);
        row(4, K::Pair, 4);
        row(5, K::Response, 4);
        row(6, K::Alert, 4);
        row(7, K::Pair, 7);
        row(9, K::Alert, 7);
        row(10, K::Pair, 10);
        row(11, K::Response, 10);
        row(12, K::Alert, 10);
        row(13, K::None, 0);
        row(-1, K::None, 0);
    }
    void decodeColumns() {
        QFETCH(int, col);
        QFETCH(DecodeColumn, kind);
        QFETCH(int, pairColumn);
        QCOMPARE(DecodeColumnKind(col), kind);
        QCOMPARE(DecodePairColumn(col), pairColumn);
    }

    void decodeCellItemsByColumn() {
        const std::vector<std::string> pairs = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                                "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
        std::vector<std::string> alerts;
        for (int n = 1; n <= 16; ++n)
            alerts.push_back(std::to_string(n));
        const std::vector<std::string> english(kEnglish.begin(), kEnglish.end());
        const std::vector<std::string> chinese(kChinese.begin(), kChinese.end());
        for (int slot = 0; slot < 4; ++slot) {
            const DecodeCellList pair = DecodeCellItems(3 * slot + 1, kEnglish);
            QCOMPARE(pair.items, pairs);
            QCOMPARE(pair.preselected, 0);
            const DecodeCellList response = DecodeCellItems(3 * slot + 2, kEnglish);
            QCOMPARE(response.items, english);
            QCOMPARE(response.preselected, 2);
            QCOMPARE(DecodeCellItems(3 * slot + 2, kChinese).items, chinese);
            const DecodeCellList alert = DecodeCellItems(3 * slot + 3, kEnglish);
            QCOMPARE(alert.items, alerts);
            QCOMPARE(alert.preselected, 0);
        }
        QVERIFY(DecodeCellItems(0, kEnglish).items.empty());
        QCOMPARE(std::vector<std::string>(TwoTonePairNames().begin(), TwoTonePairNames().end()),
                 pairs);
    }
};

QTEST_APPLESS_MAIN(TwoToneImageTest)
#include "tst_twotone_image.moc"
