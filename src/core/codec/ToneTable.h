#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// The 261 squelch tone choices as the drop-down lists show them, blanks included:
// index 0 "OFF", 1 to 50 the CTCSS tones, 51 to 155 the DCS codes with normal polarity
// ("D023N"), 156 to 260 the same codes inverted ("D023I").
inline constexpr int kToneCount = 261;
inline constexpr int kFirstDcs = 51;
const std::array<std::string, kToneCount>& ToneTableEntries();

// Two stored bytes of a tone, low byte first: 00 00 is off, a CTCSS tone its frequency in
// tenths of a hertz (little-endian), a DCS code its table position minus 50 with a zero
// high byte.
struct ToneBytes {
    std::uint8_t low = 0;
    std::uint8_t high = 0;
    bool operator==(const ToneBytes&) const = default;
};

ToneBytes ToneTextToBytes(std::string_view text);

// `trimDcs` drops the blanks of a DCS table entry; otherwise the entry is returned as stored.
std::string ToneBytesToText(std::uint8_t low, std::uint8_t high, bool trimDcs = false);

}  // namespace orvex
