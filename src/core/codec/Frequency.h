#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// Four bytes of packed decimal digits, the frequency in units of 10 Hz, least significant
// byte first: 145.12500 MHz is 00 25 51 14. FF FF FF FF is an empty slot.
using FrequencyBytes = std::array<std::uint8_t, 4>;

// Bytes to the MHz text with five decimals (nine characters from 100 MHz, eight below).
std::string Cov_Freq(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3);

// The same from the eight decimal digits, most significant first (100 MHz digit first,
// 10 Hz digit last).
std::string Cov_Freq_Digits(const std::array<std::uint8_t, 8>& digits);

// A canonical MHz text to bytes. The text is taken by character position; when the band
// starts below 100 MHz a "0" is put in front of the eight-character form. An empty text
// gives FF FF FF FF.
FrequencyBytes Freq_Encode(std::string_view text, double bandLow);

// The canonical text of a frequency given in MHz, rounded to the radio's 10 Hz step:
// 145 -> "145.00000", 66.1 -> "66.10000", 145.123456 -> "145.12346".
std::string CanonicalMHz(double megahertz);

}  // namespace orvex
