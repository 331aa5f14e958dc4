#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/options/OptionImage.h"

namespace orvex {

struct OptionListInfo {
    std::string_view control;  // the drop-down list's objectName, such as "Combo_Tot"
    int setting;               // its entry in OptionOffsets
    int defaultPosition;
};

const OptionListInfo& OptionListOf(OptionList list);
int OptionListSize(OptionList list);

// The items of a list by position, in the interface language (0 English, any other value
// Chinese). Numbers are plain decimal text.
std::vector<std::string> OptionListItems(OptionList list, int languageFlag);

std::string_view OptionFlagControl(OptionFlag flag);  // "Check_Ptt_menu", ...
std::uint8_t OptionFlagBit(OptionFlag flag);          // its value in byte 42: 1, 2, 8 or 64

std::string_view OptionLimitControl(OptionLimit limit);  // "Text_pvfo_d0", ...

// What the form shows after Default: every list at its default, Check_Ptt_menu and
// Check_Alarm_Sound ticked, the other two not, both lower limits the band's lowest working
// MHz and both upper limits its highest. `bandHighHeld` is the upper bound as the band table
// and the identification hold it, one above the highest working MHz.
OptionSettings DefaultOptionSettings(double bandLow, double bandHighHeld);

}  // namespace orvex
