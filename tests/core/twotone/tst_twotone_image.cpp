#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/shell/StartupTables.h"
#include "core/twotone/TwoToneImage.h"

using namespace orvex;

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

TEST(TwoToneWords, PeriodWordCountsTheRadiosScaleUnits) {
    struct Case {
        double hertz;
        unsigned period;
    };
    const std::vector<Case> cases = {
        {1981, 1163}, {2400, 960}, {300, 7680}, {3000, 768}, {1124, 2050}, {970, 2375},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hertz);
        EXPECT_EQ(TwoTonePeriodWord(c.hertz, kTwoToneScale), c.period);
    }
}

TEST(TwoToneWords, WordsStayWithinSixteenBits) {
    EXPECT_EQ(TwoTonePeriodWord(1000, 0), 0xFFFF);  // a scale never set
    EXPECT_EQ(TwoTonePeriodWord(0, kTwoToneScale), 0xFFFF);
    EXPECT_EQ(TwoTonePeriodWord(1, kTwoToneScale), 0xFFFF);
    EXPECT_EQ(TwoToneFrequencyWord(1062.5), 1063);
    EXPECT_EQ(TwoToneFrequencyWord(1062.49), 1062);
    EXPECT_EQ(TwoToneFrequencyWord(70000), 0xFFFF);
    EXPECT_EQ(TwoToneFrequencyWord(-5), 0);
}

// ---------------------------------------------------------------------------------------
// Decoding a read

TEST(DecodeTwoToneImage, FrequencyCellsShowOnly300To3000) {
    struct Case {
        unsigned word;
        std::string cell;
    };
    const std::vector<Case> cases = {
        {0, ""},          {299, ""},  {300, "300.0"}, {1981, "1981.0"},
        {3000, "3000.0"}, {3001, ""}, {0xFFFF, ""},   {0x0100, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        for (int code : {1, 15}) {
            TwoToneImage image{};
            PutWord(image, EncodeLine(code), c.word);
            PutWord(image, EncodeLine(code) + 8, c.word);
            const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
            EXPECT_EQ(shown.encode[size_t(code - 1)].first, c.cell);
            EXPECT_EQ(shown.encode[size_t(code - 1)].second, c.cell);
        }
    }
}

TEST(DecodeTwoToneImage, BothFrequenciesOfACodeAreTheirOwn) {
    TwoToneImage image{};
    PutWord(image, EncodeLine(3), 1540);
    PutWord(image, EncodeLine(3) + 8, 1640);
    PutWord(image, EncodeLine(3) + 2, 2000);  // bytes between the two words are not looked at
    const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
    EXPECT_EQ(shown.encode[2], (EncodeCells{"1540.0", "1640.0"}));
    EXPECT_EQ(shown.encode[1], (EncodeCells{"", ""}));
    EXPECT_EQ(shown.encode[3], (EncodeCells{"", ""}));
}

TEST(DecodeTwoToneImage, PositionsBeyondAListSelectItsLastItem) {
    struct Case {
        std::uint8_t stored;
        int duration;
        int reset;
    };
    const std::vector<Case> cases = {
        {0, 0, 0},      {30, 30, 30},   {79, 79, 79},   {80, 80, 79},
        {100, 100, 79}, {101, 100, 79}, {200, 100, 79}, {255, 100, 79},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.stored));
        for (std::size_t which = 0; which < 3; ++which) {
            TwoToneImage image{};
            image[15 * kLine + which] = c.stored;
            image[47 * kLine] = c.stored;
            const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
            const std::array<int, 3> durations = {shown.firstTone, shown.secondTone, shown.gap};
            for (std::size_t other = 0; other < 3; ++other)
                EXPECT_EQ(durations[other], other == which ? c.duration : 0);
            EXPECT_EQ(shown.resetTime, c.reset);
        }
    }
}

TEST(DecodeTwoToneImage, SlotBytesShowAsPairResponseAndAlertCells) {
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
        SCOPED_TRACE(testing::Message()
                     << int(c.bytes[0]) << " " << int(c.bytes[1]) << " " << int(c.bytes[2]));
        for (int code : {1, 15}) {
            for (int slot = 1; slot <= 4; ++slot) {
                TwoToneImage image{};
                image.fill(0xFF);
                std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + DecodeSlot(code, slot));
                const DecodeSlotCells unset{"", "", ""};
                for (const auto& [replies, expected] :
                     {std::pair{kEnglish, c.english}, std::pair{kChinese, c.chinese}}) {
                    const TwoToneSettings shown = DecodeTwoToneImage(image, replies);
                    for (int s = 1; s <= 4; ++s)
                        EXPECT_EQ(shown.decode[size_t(code - 1)][size_t(s - 1)],
                                  s == slot ? expected : unset);
                }
            }
        }
    }
}

TEST(DecodeTwoToneImage, ToneSetsAreTheLastSixteenLinesAsTheyStand) {
    TwoToneImage image{};
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    const TwoToneSettings shown = DecodeTwoToneImage(image, kEnglish);
    for (std::size_t k = 0; k < 16; ++k)
        for (std::size_t b = 0; b < 16; ++b)
            EXPECT_EQ(shown.toneSets[k][b], image[(32 + k) * kLine + b]) << k << " " << b;
}

// ---------------------------------------------------------------------------------------
// Encoding a write

TEST(EncodeTwoToneImage, FrequencyCellsGiveWholeHertz) {
    struct Case {
        std::string cell;
        std::array<std::uint8_t, 2> bytes;
    };
    const std::vector<Case> cases = {
        {"1981.0", {0xBD, 0x07}},  {"300.0", {0x2C, 0x01}},  {"3000.0", {0xB8, 0x0B}},
        {" 970.0 ", {0xCA, 0x03}}, {"1062.5", {0x27, 0x04}}, {"", {0, 0}},
        {"   ", {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        TwoToneSettings settings;
        settings.encode[4] = {c.cell, ""};
        settings.encode[14] = {"", c.cell};
        const TwoToneImage image = EncodeTwoToneImage(settings);
        EXPECT_EQ(image[EncodeLine(5)], c.bytes[0]);
        EXPECT_EQ(image[EncodeLine(5) + 1], c.bytes[1]);
        EXPECT_EQ(image[EncodeLine(5) + 8], 0);
        EXPECT_EQ(image[EncodeLine(15)], 0);
        EXPECT_EQ(image[EncodeLine(15) + 8], c.bytes[0]);
        EXPECT_EQ(image[EncodeLine(15) + 9], c.bytes[1]);
    }
}

TEST(EncodeTwoToneImage, SlotCellsGiveTheirBytes) {
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
        SCOPED_TRACE(c.cells.pair + "|" + c.cells.response + "|" + c.cells.alert);
        TwoToneSettings settings;
        for (DecodeCells& code : settings.decode)
            code.fill({"", "", ""});
        settings.decode[6][2] = c.cells;
        const TwoToneImage image = EncodeTwoToneImage(settings);
        for (int code = 1; code <= 15; ++code) {
            for (int slot = 1; slot <= 4; ++slot) {
                const bool edited = code == 7 && slot == 3;
                for (std::size_t b = 0; b < 3; ++b)
                    EXPECT_EQ(image[DecodeSlot(code, slot) + b], edited ? c.bytes[b] : 0xFF)
                        << code << " " << slot << " " << b;
            }
            for (std::size_t b = 12; b < 16; ++b)
                EXPECT_EQ(image[DecodeSlot(code, 1) + b], 0);
        }
    }
}

TEST(EncodeTwoToneImage, ListsToneSetsAndUnusedBytes) {
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
    EXPECT_EQ(std::vector<std::uint8_t>(image.begin(), image.end()), expected);
}

TEST(TwoToneImageRoundTrip, WhatIsReadIsWrittenBackAsShown) {
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
    EXPECT_EQ(shown.decode[1][0], (DecodeSlotCells{"A-C", "0.None", "16"}));
    const TwoToneImage written = EncodeTwoToneImage(shown);
    EXPECT_EQ(written[EncodeLine(1)], 0xBD);
    EXPECT_EQ(written[EncodeLine(1) + 1], 0x07);
    EXPECT_EQ(written[EncodeLine(1) + 8], 0);
    EXPECT_EQ(written[EncodeLine(1) + 9], 0);
    EXPECT_EQ(written[DecodeSlot(2, 1)], 1);
    EXPECT_EQ(written[DecodeSlot(2, 1) + 1], 0);
    EXPECT_EQ(written[DecodeSlot(2, 1) + 2], 16);
    EXPECT_EQ(written[DecodeSlot(3, 4)], 0xFF);
    EXPECT_EQ(written[DecodeSlot(3, 4) + 1], 2);
    EXPECT_EQ(written[DecodeSlot(3, 4) + 2], 0xFF);
    EXPECT_EQ(written[15 * kLine], 100);  // 0xFF selected the last item
    EXPECT_EQ(written[47 * kLine], 79);
    for (std::size_t b = 0; b < 16; ++b)
        EXPECT_EQ(written[32 * kLine + b], 0x10 + b);
}

// ---------------------------------------------------------------------------------------
// Tone sets

TEST(ToneSets, StoreTakesEachBoxThatIsNotEmpty) {
    ToneSets sets{};
    for (ToneSetLine& line : sets)
        line.fill(0x5A);
    StoreToneSet(sets, 4, {"1981", "", "2400.0", " 300 "}, kTwoToneScale);
    EXPECT_EQ(sets[4], (ToneSetLine{0xBD, 0x07, 0x5A, 0x5A, 0x60, 0x09, 0x2C, 0x01, 0x8B, 0x04,
                                    0x5A, 0x5A, 0xC0, 0x03, 0x00, 0x1E}));
    for (std::size_t k : {0, 3, 5, 14, 15}) {
        ToneSetLine untouched;
        untouched.fill(0x5A);
        EXPECT_EQ(sets[k], untouched) << k;
    }
}

TEST(ToneSets, StoreIgnoresCodesBeyondFifteen) {
    ToneSets sets{};
    StoreToneSet(sets, 15, {"1981", "1981", "1981", "1981"}, kTwoToneScale);
    StoreToneSet(sets, -1, {"1981", "1981", "1981", "1981"}, kTwoToneScale);
    EXPECT_EQ(sets, ToneSets{});
}

TEST(ToneSets, ShowGivesTheFrequencyWords) {
    ToneSets sets{};
    sets[2] = ToneLine({1981, 0, 65535, 1}, {1, 2, 3, 4});
    EXPECT_EQ(ShowToneSet(sets, 2), (ToneBoxes{"1981.0", "", "65535.0", "1.0"}));
    EXPECT_EQ(ShowToneSet(sets, 1), (ToneBoxes{"", "", "", ""}));
    sets[15] = ToneLine({1000, 0, 0, 0}, {0, 0, 0, 0});
    EXPECT_EQ(ShowToneSet(sets, 15), (ToneBoxes{"1000.0", "", "", ""}));
}

// ---------------------------------------------------------------------------------------
// Defaults

TEST(TwoToneDefaults, FillTheirCodesAndLeaveTheOthers) {
    TwoToneSettings settings = MarkedSettings();
    SetTwoToneDefaults(settings, kEnglish, kTwoToneScale);

    EXPECT_EQ(settings.firstTone, 60);
    EXPECT_EQ(settings.secondTone, 60);
    EXPECT_EQ(settings.gap, 30);
    EXPECT_EQ(settings.resetTime, 59);

    const std::vector<std::pair<int, EncodeCells>> encode = {
        {1, {"1981.0", "1124.0"}},  {2, {"1358.0", "1446.0"}},  {3, {"1540.0", "1640.0"}},
        {12, {"2200.0", "970.0"}},  {13, {"1060.0", "1160.0"}}, {14, {"1400.0", "1530.0"}},
        {15, {"1670.0", "1830.0"}},
    };
    for (int code = 1; code <= 15; ++code) {
        EncodeCells expected{"MARK1", "MARK2"};
        for (const auto& [c, cells] : encode)
            if (c == code) expected = cells;
        EXPECT_EQ(settings.encode[size_t(code - 1)], expected) << code;
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
        EXPECT_EQ(settings.decode[size_t(code - 1)], expected) << code;
    }

    ToneSets tones{};
    tones[0] = ToneLine({1981, 1124, 1197, 1275}, {1163, 2050, 1925, 1807});
    tones[1] = ToneLine({1358, 1446, 1540, 1640}, {1697, 1593, 1496, 1405});
    tones[2] = ToneLine({2200, 970, 1060, 1160}, {1047, 2375, 2174, 1986});
    tones[3] = ToneLine({1400, 1530, 1670, 1830}, {1646, 1506, 1380, 1259});
    EXPECT_EQ(settings.toneSets, tones);
}

TEST(TwoToneDefaults, ReplyNamesAreThoseGiven) {
    TwoToneSettings settings;
    SetTwoToneDefaults(settings, kChinese, kTwoToneScale);
    EXPECT_EQ(settings.decode[0][0], (DecodeSlotCells{"A-B", "1.提醒", "1"}));
    EXPECT_EQ(settings.decode[14][1], (DecodeSlotCells{"C-D", "3.提醒并回", "3"}));
}

// ---------------------------------------------------------------------------------------
// Typed frequencies

TEST(ToneEntries, CellsRoundHalfUpBoxesHalfToEven) {
    using R = ToneEntryResult;
    struct Case {
        std::string typed;
        ToneEntry cell;
        ToneEntry box;
    };
    const std::vector<Case> cases = {
        {"1062.5", {R::Accepted, "1063.0"}, {R::Accepted, "1062.0"}},
        {"1063.5", {R::Accepted, "1064.0"}, {R::Accepted, "1064.0"}},
        {"1062.49", {R::Accepted, "1062.0"}, {R::Accepted, "1062.0"}},
        {"1062.51", {R::Accepted, "1063.0"}, {R::Accepted, "1063.0"}},
        {"2999.5", {R::Accepted, "3000.0"}, {R::Accepted, "3000.0"}},
        {"2998.5", {R::Accepted, "2999.0"}, {R::Accepted, "2998.0"}},
        {"300", {R::Accepted, "300.0"}, {R::Accepted, "300.0"}},
        {"3000", {R::Accepted, "3000.0"}, {R::Accepted, "3000.0"}},
        {" 1981.0 ", {R::Accepted, "1981.0"}, {R::Accepted, "1981.0"}},
        {"1500abc", {R::Accepted, "1500.0"}, {R::Accepted, "1500.0"}},
        // The range is checked before rounding.
        {"299.6", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"3000.4", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"299", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"0", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"abc", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"-1000", {R::OutOfRange, ""}, {R::OutOfRange, ""}},
        {"", {R::Blank, ""}, {R::Blank, ""}},
        {"   ", {R::Blank, ""}, {R::Blank, ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.typed + "'");
        EXPECT_EQ(AcceptEncodeCellTone(c.typed), c.cell);
        EXPECT_EQ(AcceptToneBoxTone(c.typed), c.box);
    }
}

// ---------------------------------------------------------------------------------------
// Lists and decode columns

TEST(TwoToneLists, DurationAndResetItems) {
    const std::vector<std::string> durations = ToneTimingItems();
    ASSERT_EQ(durations.size(), 101u);
    EXPECT_EQ(durations[0], "0");
    EXPECT_EQ(durations[1], "10");
    EXPECT_EQ(durations[30], "300");
    EXPECT_EQ(durations[60], "600");
    EXPECT_EQ(durations[100], "1000");
    const std::vector<std::string> resets = ResetTimeItems();
    ASSERT_EQ(resets.size(), 80u);
    EXPECT_EQ(resets[0], "100");
    EXPECT_EQ(resets[59], "6000");
    EXPECT_EQ(resets[79], "8000");
}

TEST(TwoToneLists, DecodeColumns) {
    using K = DecodeColumn;
    struct Case {
        int col;
        DecodeColumn kind;
        int pairColumn;
    };
    const std::vector<Case> cases = {
        {0, K::Code, 0},  {1, K::Pair, 1},     {2, K::Response, 1},   {3, K::Alert, 1},
        {4, K::Pair, 4},  {5, K::Response, 4}, {6, K::Alert, 4},      {7, K::Pair, 7},
        {9, K::Alert, 7}, {10, K::Pair, 10},   {11, K::Response, 10}, {12, K::Alert, 10},
        {13, K::None, 0}, {-1, K::None, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.col);
        EXPECT_EQ(DecodeColumnKind(c.col), c.kind);
        EXPECT_EQ(DecodePairColumn(c.col), c.pairColumn);
    }
}

TEST(TwoToneLists, DecodeCellItemsByColumn) {
    const std::vector<std::string> pairs = {"A-B", "A-C", "A-D", "B-A", "B-C", "B-D",
                                            "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};
    std::vector<std::string> alerts;
    for (int n = 1; n <= 16; ++n)
        alerts.push_back(std::to_string(n));
    const std::vector<std::string> english(kEnglish.begin(), kEnglish.end());
    const std::vector<std::string> chinese(kChinese.begin(), kChinese.end());
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        const DecodeCellList pair = DecodeCellItems(3 * slot + 1, kEnglish);
        EXPECT_EQ(pair.items, pairs);
        EXPECT_EQ(pair.preselected, 0);
        const DecodeCellList response = DecodeCellItems(3 * slot + 2, kEnglish);
        EXPECT_EQ(response.items, english);
        EXPECT_EQ(response.preselected, 2);
        EXPECT_EQ(DecodeCellItems(3 * slot + 2, kChinese).items, chinese);
        const DecodeCellList alert = DecodeCellItems(3 * slot + 3, kEnglish);
        EXPECT_EQ(alert.items, alerts);
        EXPECT_EQ(alert.preselected, 0);
    }
    EXPECT_TRUE(DecodeCellItems(0, kEnglish).items.empty());
    EXPECT_EQ(std::vector<std::string>(TwoTonePairNames().begin(), TwoTonePairNames().end()),
              pairs);
}
