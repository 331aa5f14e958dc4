#include <gtest/gtest.h>

#include "core/fivetone/FiveToneStandards.h"

using namespace orvex;

namespace {

struct DerivedCase {
    int standard;
    int digit;
    std::string_view text;
    std::uint16_t word;
    std::uint16_t period;
};

// Words cut the fraction; periods are the ceiling of 2 304 000 / f, minus 1.
constexpr DerivedCase kDerived[] = {
    {0, 0x0, "1981.0", 1981, 1163},   // 1163.05: the whole part
    {0, 0xA, "2400.0", 2400, 959},    // exactly 960
    {3, 0x8, "2000.0", 2000, 1151},   // exactly 1152
    {12, 0x9, "1800.0", 1800, 1279},  // exactly 1280
    {10, 0x0, "600.0", 600, 3839},    // exactly 3840
    {12, 0x0, "400.0", 400, 5759},    // exactly 5760
    {11, 0x0, "979.8", 979, 2351},    // 979.8 is not rounded up
    {11, 0xE, "1062.9", 1062, 2167}, {14, 0x0, "657.5", 657, 3504}, {14, 0xE, "487.5", 487, 4726},
    {13, 0xF, "2694.0", 2694, 855},  {10, 0xE, "459.0", 459, 5019}, {1, 0x1, "1124.0", 1124, 2049},
    {5, 0xB, "0.0", 0, 0},                                    // no tone for the digit
    {14, 0xF, "0.0", 0, 0},          {15, 0x0, "0.0", 0, 0},  // the nameless sixteenth row
    {15, 0xF, "0.0", 0, 0},
};

}  // namespace

TEST(FiveToneStandards, FrequencyWordsAndPeriodCounts) {
    for (const DerivedCase& c : kDerived) {
        SCOPED_TRACE(testing::Message() << "standard " << c.standard << " digit " << c.digit);
        EXPECT_EQ(Std_Freq_Text[size_t(c.standard)][size_t(c.digit)], c.text);
        EXPECT_EQ(Std_Freq_Word[size_t(c.standard)][size_t(c.digit)], c.word);
        EXPECT_EQ(Std_Period_Count[size_t(c.standard)][size_t(c.digit)], c.period);
    }
}

// Every "0.0" entry, and only those, gives 0 in both derived tables.
TEST(FiveToneStandards, NoToneGivesZeroEverywhere) {
    int silent = 0;
    for (int s = 0; s < kFiveToneTableRows; ++s)
        for (int d = 0; d < kFiveToneDigits; ++d) {
            const bool none = Std_Freq_Text[size_t(s)][size_t(d)] == "0.0";
            silent += none;
            EXPECT_EQ(Std_Freq_Word[size_t(s)][size_t(d)] == 0, none) << s << "," << d;
            EXPECT_EQ(Std_Period_Count[size_t(s)][size_t(d)] == 0, none) << s << "," << d;
        }
    // PCCIR 1, ZVEI3 4, PDZVEI 1, EURO 5, CCITT 1, MODAT 5, and the sixteen of row 15.
    EXPECT_EQ(silent, 1 + 4 + 1 + 5 + 1 + 5 + 16);
}

TEST(FiveToneStandards, PanelTextsAreTrimmedRowsInDigitOrder) {
    const auto euro = StandardFrequencyTexts(11);
    EXPECT_EQ(euro[0], "979.8");
    EXPECT_EQ(euro[9], "470.8");
    EXPECT_EQ(euro[10], "0.0");
    EXPECT_EQ(euro[14], "1062.9");
    EXPECT_EQ(StandardFrequencyTexts(0)[0], "1981.0");
    EXPECT_EQ(StandardFrequencyTexts(14)[15], "0.0");
    EXPECT_EQ(StandardFrequencyTexts(-1)[0], "");
    EXPECT_EQ(StandardFrequencyTexts(16)[0], "");
}

TEST(FiveToneStandards, Defaults) {
    const auto rows = DefaultFiveToneStandards();
    constexpr std::string_view kPeriods[] = {"100", "70", "70", "70",  "70", "70", "70", "70",
                                             "70",  "40", "30", "100", "70", "70", "40"};
    ASSERT_EQ(rows.size(), std::size(kPeriods));
    for (size_t s = 0; s < rows.size(); ++s) {
        EXPECT_EQ(rows[s].period, kPeriods[s]) << s;
        EXPECT_EQ(rows[s].groupTone, "A") << s;
        EXPECT_EQ(rows[s].repeatTone, "E") << s;
    }
}

TEST(FiveToneStandards, DigitCodes) {
    const struct {
        std::string_view digit;
        int code;
    } cases[] = {
        {"0", 0},  {"5", 5},    {"9", 9},   {"A", 10},  {"C", 12},
        {"F", 15}, {"a", 255},  {"f", 255}, {"G", 255}, {" ", 255},
        {"", 255}, {"12", 255}, {"*", 255}, {"#", 255}, {"\t", 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DigitToCode(c.digit), c.code) << '"' << c.digit << '"';
}

TEST(FiveToneStandards, CodesToDigits) {
    const struct {
        int code;
        char digit;
    } cases[] = {
        {0, '0'}, {9, '9'}, {10, 'A'}, {15, 'F'}, {16, ' '}, {100, ' '}, {255, ' '},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CodeToDigit(std::uint8_t(c.code)), c.digit) << c.code;
}

TEST(FiveToneStandards, NamesAndIndexes) {
    const struct {
        std::string_view name;
        int index;
    } cases[] = {
        {"CCIR1", 0}, {"PDZVEI", 8}, {"MODAT", 14}, {" ZVEI2 ", 4}, {"zvei2", 255},
        {"", 255},    {"   ", 255},  {"CCIR", 255}, {"EURO ", 11},  {"EUR O", 255},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StdNameToIndex(c.name), c.index) << '"' << c.name << '"';

    EXPECT_EQ(StdIndexToName(0), "CCIR1");
    EXPECT_EQ(StdIndexToName(11), "EURO");
    EXPECT_EQ(StdIndexToName(14), "MODAT");
    EXPECT_EQ(StdIndexToName(15), "");
    EXPECT_EQ(StdIndexToName(255), "");
}
