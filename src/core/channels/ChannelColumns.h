#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

inline constexpr int kChannelColumns = 12;  // the channel number and eleven fields
inline constexpr int kClearedRows = 16;     // Clear, write, save and load cover rows 1 to 16

// The drop-down items of a column (3 to 11); empty for the frequency columns.
std::vector<std::string> ChannelColumnItems(int column);

// What a new channel gets in cells 3 to 11.
inline constexpr std::array<std::string_view, 9> kNewChannelDefaults = {
    "OFF", "OFF", "HIGH", "W", "OFF", "OFF", "ON", "OFF", "1"};

}  // namespace orvex
