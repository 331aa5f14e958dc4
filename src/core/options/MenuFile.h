#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "core/options/MenuFileError.h"
#include "core/options/OptionImage.h"

namespace orvex {

// A ".menu" file: 12 lines of 16 values, the 12 first blocks of the editor's transfer buffer.
// Lines 0 to 3 are the option image, lines 4 to 11 are written as zeros and not used.
inline constexpr int kMenuFileLines = 12;
inline constexpr int kMenuFileValuesPerLine = 16;
inline constexpr int kMenuFileValues = kMenuFileLines * kMenuFileValuesPerLine;  // 192
using MenuFileValues = std::array<std::uint8_t, kMenuFileValues>;

// Each value as " <digits> ", so neighbouring digits are two blanks apart; each line ends
// in CR LF.
std::string FormatMenuFile(const OptionImage& image);

using MenuFileParse = std::variant<MenuFileValues, MenuFileError>;

// The whole file is checked before anything is used: 192 whole numbers 0 to 255 separated by
// blanks, commas or line ends, or the first fault. Whatever follows the 192nd is not read.
MenuFileParse ParseMenuFile(std::string_view text);

// The first 64 values.
OptionImage MenuFileImage(const MenuFileValues& values);

}  // namespace orvex
