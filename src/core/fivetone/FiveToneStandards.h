#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// The fifteen five-tone standards the radio knows, by the index it stores, and the tone
// frequencies of their sixteen digits 0 to F. The frequencies live in the program, not in
// the radio: every write sends the whole table as frequency words and period counts.
inline constexpr int kFiveToneStandards = 15;
// The tables carry a sixteenth row, without a name, that is all 0.
inline constexpr int kFiveToneTableRows = 16;
inline constexpr int kFiveToneDigits = 16;

// "Not a digit" and "no standard" in the radio's bytes.
inline constexpr std::uint8_t kNoCode = 0xFF;

inline constexpr std::array<std::string_view, kFiveToneStandards> kFiveToneStandardNames = {
    "CCIR1",  "CCIR2", "PCCIR", "ZVEI1", "ZVEI2", "ZVEI3", "PZVEI", "DZVEI",
    "PDZVEI", "EEA",   "EIA",   "EURO",  "CCITT", "NATEL", "MODAT"};

using FiveToneTable = std::array<std::array<std::uint16_t, kFiveToneDigits>, kFiveToneTableRows>;
using FiveToneTextTable =
    std::array<std::array<std::string_view, kFiveToneDigits>, kFiveToneTableRows>;

// The frequency of every digit of every standard in hertz, with one decimal; "0.0" where the
// standard has no tone for the digit.
extern const FiveToneTextTable Std_Freq_Text;
// Int(f): the whole hertz, the fraction cut off (979.8 Hz gives 979).
extern const FiveToneTable Std_Freq_Word;
// The smallest whole number not below 2 304 000 / f, minus 1 (2400 Hz gives 959, 979.8 Hz
// gives 2351); 0 where f is 0.
extern const FiveToneTable Std_Period_Count;

// A standard's settings as the standards grid shows them: the tone period in milliseconds
// and the group and repeat tone digits, all as texts.
struct FiveToneStandardRow {
    std::string period;
    std::string groupTone;
    std::string repeatTone;
    bool operator==(const FiveToneStandardRow&) const = default;
};

// The defaults of the standards grid: CCIR1 and EURO 100 ms, EEA and MODAT 40, EIA 30, the
// others 70; group tone "A" and repeat tone "E" everywhere.
std::array<FiveToneStandardRow, kFiveToneStandards> DefaultFiveToneStandards();

// "0" to "9" and "A" to "F" (capitals only) to 0 to 15; any other text, a space or an empty
// text to 255.
std::uint8_t DigitToCode(std::string_view digit);
// 0 to 15 to "0" to "F"; any other value to one space.
char CodeToDigit(std::uint8_t code);

// The trimmed name compared exactly, case included, with the fifteen names; 255 for anything
// else, the empty text included.
std::uint8_t StdNameToIndex(std::string_view name);
// The name of standard 0 to 14; the empty text for any other value.
std::string_view StdIndexToName(std::uint8_t index);

// The frequency panel's sixteen texts for a standard (trimmed; empty texts beyond the table).
std::array<std::string, kFiveToneDigits> StandardFrequencyTexts(int standard);

}  // namespace orvex
