#pragma once

#include <array>
#include <string>

#include "core/fm/FmPreset.h"

namespace orvex {

// The band boxes of the presets editor, in the order the band record keeps them.
enum class FmBandBox { ALower, AUpper, BLower, BUpper };
//                    Text_pvfo1_A Text_pvfo2_A Text_pvfo1_B Text_pvfo2_B
inline constexpr int kFmBandBoxCount = 4;
using FmBandBoxes = std::array<std::string, kFmBandBoxCount>;  // index by FmBandBox

// The record after the sixteen presets: bytes 0-11 hold the four limits in FmBandBox order,
// each as three decimal digits of whole MHz, one digit per byte (136 MHz is 1 3 6, 66 MHz
// is 0 6 6). Bytes 12-15 are not part of the limits and are encoded as FF.
//
// A box's value is the number at the start of its text, rounded to whole MHz and kept within
// 0 to 999 so that every digit byte is a decimal digit; an empty box is written as 0 0 0.
FmRecord EncodeFmBandRecord(const FmBandBoxes& boxes);

// The box texts of a stored band record, each its limit as FmBandBoxText shows it
// (0 6 6 gives "66.00000"). A limit with a byte above 9 is not a limit and leaves its box
// empty.
FmBandBoxes DecodeFmBandRecord(const FmRecord& record);

// A band limit as its box shows it: whole MHz followed by ".00000" (136 -> "136.00000").
std::string FmBandBoxText(double mhz);

}  // namespace orvex
