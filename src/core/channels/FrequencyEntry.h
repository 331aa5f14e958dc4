#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// A frequency typed into the channel grid, judged against the band: the canonical text to
// store (five decimals, rounded to the radio's 10 Hz step: "145" gives "145.00000",
// "145.123456" gives "145.12346"), or nothing when the text is not a number or lies outside
// bandLow to bandHigh (both MHz, bandHigh already one above the band's top).
std::optional<std::string> AcceptFrequency(std::string_view typed, double bandLow, double bandHigh);

}  // namespace orvex
