#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/image/RadioArea.h"
#include "core/image/RadioImage.h"
#include "core/options/OptionImage.h"
#include "core/shell/SharedState.h"

namespace orvex {

// One setting of a radio image as the editors show it. A setting of a table (a channel, an FM
// preset, a signalling code) names its row: `rowHeading` is the heading of the table's first
// column ("Channel") and `row` the text of that cell ("3"); both are empty for a setting that
// stands alone. `name` is the column heading or the caption of the control, `value` the text
// the control shows (empty for an empty cell).
struct DescribedSetting {
    RadioArea area = RadioArea::channels;
    std::string section;
    std::string rowHeading;
    std::string row;
    std::string name;
    std::string value;
    friend bool operator==(const DescribedSetting&, const DescribedSetting&) = default;
};

// What decoding and naming need, taken from the shared state as the program fills it at
// start-up.
struct DescribeContext {
    int languageFlag = 0;  // 0 English, any other value Chinese
    OptionOffsetTable optionOffsets{};
    std::array<std::string, 4> replyNames;  // the language's reply options, for two-tone
    std::array<std::string, 9> callNames;   // the language's call options, for five-tone
};

// The context of a state filled as at start-up (tables, offsets and language texts).
DescribeContext DescribeContextOf(const SharedState& state);

// A state filled as the main window fills it at start-up, in the given language, and the
// context of it: what a program without windows uses.
DescribeContext StartupDescribeContext(int languageFlag);

// The area's settings in the order the editor lays them out. `bytes` are the area's bytes
// from its first address; missing bytes count as 0xFF (erased), extra bytes are ignored.
std::vector<DescribedSetting> DescribeArea(RadioArea area, std::span<const std::uint8_t> bytes,
                                           const DescribeContext& context);

}  // namespace orvex
