#pragma once

#include <string>
#include <string_view>

namespace orvex {

// The FM broadcast band a preset may hold, in MHz.
inline constexpr double kFmLowestMhz = 87.5;
inline constexpr double kFmHighestMhz = 108.0;

enum class FmFrequencyCommit {
    Accepted,    // the cell receives the canonical text
    OutOfRange,  // the out-of-range message, and the cell receives "87.50000"
    Cleared,     // an empty text: both cells of the row are emptied
};

struct FmFrequencyOutcome {
    FmFrequencyCommit commit;
    std::string text;  // what the frequency cell receives
};

// A frequency typed into the grid. A plain decimal number from 87.5 to 108 is accepted and
// written with five decimals, on the radio's 10 Hz step ("88.9" gives "88.90000", "100" gives
// "100.00000"); any other text that is not blank, including one that is not a number, is out
// of range.
FmFrequencyOutcome CommitFmFrequency(std::string_view typed);

struct FmNameOutcome {
    bool tooLong;      // more than six characters after trimming: the six-character message
    std::string text;  // what the name cell receives
};

// A station name typed into the grid: trimmed, cut to six characters, ASCII letters in upper
// case. A row without a frequency keeps no name.
FmNameOutcome CommitFmName(std::string_view typed, bool rowHasFrequency);

}  // namespace orvex
