#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvex {

inline constexpr int kFmPresetCount = 16;
inline constexpr std::size_t kFmRecordBytes = 16;
inline constexpr std::size_t kFmFrequencyDigits = 8;
inline constexpr std::size_t kFmNameLength = 6;
using FmRecord = std::array<std::uint8_t, kFmRecordBytes>;

// Columns 1 and 2 of a row of the preset grid MSF_Chann.
struct FmPresetRow {
    std::string frequency;  // "88.90000"; empty for an empty preset
    std::string name;       // the station name, up to six characters
    bool operator==(const FmPresetRow&) const = default;
};

// One preset as the radio stores it:
//   0-7   the frequency, one decimal digit per byte, the 100 MHz digit first and the 10 Hz
//         digit last (88.9 MHz is 0 8 8 9 0 0 0 0); eight zero bytes mark an empty preset
//   8-15  the station name, one ASCII code per character in upper case, FF where there is
//         no character; the name starts at byte 8 when it has six characters, 9 for five,
//         10 for three or four, 11 for one or two ("FM" is FF FF FF 46 4D FF FF FF)
//
// A row whose trimmed frequency text is empty encodes as an empty preset, whatever its name.
// Otherwise the frequency text is taken by character position as the grid holds it (five
// decimals, "0" put in front below 100 MHz; a missing or non-digit character is digit 0), and
// the name is trimmed, cut to six characters and written in upper case; a character outside
// printable ASCII is written as '?'.
FmRecord EncodeFmRow(const FmPresetRow& row);

// How a decoded name treats blanks: a read from the radio skips them, a preset file keeps the
// blanks within a name so that the name comes back as it was saved.
enum class FmNameBlanks { Skipped, Kept };

// The texts the grid shows for a stored preset. Eight zero digits, or a digit byte above 9
// (as in an erased FF record), read as an empty row. The name is made of the bytes 8-15 that
// are printable ASCII, in order, so FF is skipped; blanks are skipped too, or kept within the
// name.
FmPresetRow DecodeFmRecord(const FmRecord& record, FmNameBlanks blanks = FmNameBlanks::Skipped);

}  // namespace orvex
