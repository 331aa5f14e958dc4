#include "core/fivetone/FiveToneStandards.h"

#include "core/codec/NumberText.h"

namespace orvex {

const FiveToneTextTable Std_Freq_Text = {{
    {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0",
     "1860.0", "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"},
    {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0",
     "1860.0", "2400.0", "930.0", "2247.0", "991.0", "2110.0", "1055.0"},
    {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0",
     "1860.0", "1050.0", "930.0", "2400.0", "991.0", "2110.0", "0.0"},
    {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
     "2200.0", "2800.0", "810.0", "970.0", "885.0", "2600.0", "680.0"},
    {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
     "2200.0", "885.0", "810.0", "740.0", "680.0", "970.0", "2600.0"},
    {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0",
     "2000.0", "885.0", "0.0", "0.0", "0.0", "2400.0", "0.0"},
    {"2400.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0", "2000.0",
     "2200.0", "970.0", "810.0", "2800.0", "885.0", "2600.0", "680.0"},
    {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0",
     "2000.0", "825.0", "740.0", "2600.0", "885.0", "2400.0", "680.0"},
    {"2200.0", "970.0", "1060.0", "1160.0", "1270.0", "1400.0", "1530.0", "1670.0", "1830.0",
     "2000.0", "825.0", "886.0", "2600.0", "856.0", "2400.0", "0.0"},
    {"1981.0", "1124.0", "1197.0", "1275.0", "1358.0", "1446.0", "1540.0", "1640.0", "1747.0",
     "1860.0", "1055.0", "930.0", "2400.0", "991.0", "2110.0", "2247.0"},
    {"600.0", "741.0", "882.0", "1023.0", "1164.0", "1305.0", "1446.0", "1587.0", "1728.0",
     "1869.0", "2151.0", "2433.0", "2010.0", "2292.0", "459.0", "1091.0"},
    {"979.8", "903.1", "832.5", "767.4", "707.4", "652.0", "601.0", "554.0", "510.7", "470.8",
     "0.0", "0.0", "0.0", "0.0", "1062.9", "0.0"},
    {"400.0", "697.0", "770.0", "852.0", "941.0", "1209.0", "1335.0", "1477.0", "1633.0", "1800.0",
     "1900.0", "2000.0", "2100.0", "2200.0", "2300.0", "0.0"},
    {"1633.0", "631.0", "697.0", "770.0", "852.0", "941.0", "1040.0", "1209.0", "1336.0", "1477.0",
     "1995.0", "571.0", "2205.0", "2437.0", "1805.0", "2694.0"},
    {"657.5", "787.5", "937.5", "1087.5", "1237.5", "1387.5", "1537.5", "1687.5", "1837.5",
     "1987.5", "0.0", "0.0", "0.0", "0.0", "487.5", "0.0"},
    {"0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0", "0.0",
     "0.0", "0.0", "0.0"},
}};

namespace {

// A frequency text in tenths of a hertz, counted exactly: "979.8" is 9798.
std::uint32_t Tenths(std::string_view text) {
    text = Trim(text);
    std::uint32_t whole = 0;
    std::uint32_t tenth = 0;
    bool afterPoint = false;
    for (char c : text) {
        if (c == '.') {
            if (afterPoint) break;
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (!afterPoint) {
                whole = whole * 10 + static_cast<std::uint32_t>(c - '0');
            } else {
                tenth = static_cast<std::uint32_t>(c - '0');
                break;
            }
        } else {
            break;
        }
    }
    return whole * 10 + tenth;
}

// 2 304 000 / f with f in tenths of a hertz.
constexpr std::uint32_t kPeriodTenths = 23'040'000;

template <typename Derive>
FiveToneTable Derived(Derive derive) {
    FiveToneTable table{};
    for (int s = 0; s < kFiveToneTableRows; ++s)
        for (int d = 0; d < kFiveToneDigits; ++d) {
            const std::uint32_t tenths = Tenths(Std_Freq_Text[size_t(s)][size_t(d)]);
            table[size_t(s)][size_t(d)] =
                tenths == 0 ? 0 : static_cast<std::uint16_t>(derive(tenths));
        }
    return table;
}

}  // namespace

const FiveToneTable Std_Freq_Word = Derived([](std::uint32_t tenths) { return tenths / 10; });

const FiveToneTable Std_Period_Count = Derived([](std::uint32_t tenths) {
    const std::uint32_t ceiling = (kPeriodTenths + tenths - 1) / tenths;
    return ceiling - 1;
});

std::array<FiveToneStandardRow, kFiveToneStandards> DefaultFiveToneStandards() {
    static constexpr std::array<std::string_view, kFiveToneStandards> kPeriods = {
        "100", "70", "70", "70", "70", "70", "70", "70", "70", "40", "30", "100", "70", "70", "40"};
    std::array<FiveToneStandardRow, kFiveToneStandards> rows;
    for (size_t s = 0; s < rows.size(); ++s)
        rows[s] = {std::string(kPeriods[s]), "A", "E"};
    return rows;
}

std::uint8_t DigitToCode(std::string_view digit) {
    if (digit.size() != 1) return kNoCode;
    const char c = digit.front();
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
    return kNoCode;
}

char CodeToDigit(std::uint8_t code) {
    if (code <= 9) return static_cast<char>('0' + code);
    if (code <= 15) return static_cast<char>('A' + code - 10);
    return ' ';
}

std::uint8_t StdNameToIndex(std::string_view name) {
    name = Trim(name);
    for (size_t s = 0; s < kFiveToneStandardNames.size(); ++s)
        if (kFiveToneStandardNames[s] == name) return static_cast<std::uint8_t>(s);
    return kNoCode;
}

std::string_view StdIndexToName(std::uint8_t index) {
    return index < kFiveToneStandards ? kFiveToneStandardNames[index] : std::string_view{};
}

std::array<std::string, kFiveToneDigits> StandardFrequencyTexts(int standard) {
    std::array<std::string, kFiveToneDigits> texts;
    if (standard < 0 || standard >= kFiveToneTableRows) return texts;
    for (size_t d = 0; d < texts.size(); ++d)
        texts[d] = std::string(Trim(Std_Freq_Text[size_t(standard)][d]));
    return texts;
}

}  // namespace orvex
