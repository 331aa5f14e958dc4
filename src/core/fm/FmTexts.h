#pragma once

#include <array>
#include <string_view>

#include "core/link/LinkTexts.h"
#include "core/shell/Bilingual.h"
#include "core/shell/CaptionTable.h"

namespace orvex::fm_texts {

using orvex::Caption;

// Set once when the window loads; a later language switch does not change them.
inline constexpr std::array<Caption, 14> kCaptions = {{
    {"frm_FM", {"FM 收音机频道编辑", "FM Radio Information"}},
    {"Lb_range", {" FM 收音频率范围", "the range of FM Frequency"}},
    {"Lb_TO_FM", {"到", "TO"}},
    {"LB_TO_A", {"到", "TO"}},
    {"LB_TO_B", {"到", "TO"}},
    {"Label_A", {" A 段频率范围 ", "the range of A band Frequency "}},
    {"Label_B", {" B 段频率范围 ", "the range of B band Frequency "}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_clear", {"清  除", "Clear"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},
    {"MSF_Chann",
     {"^FM 频 道 号|^  接  收  频  率 (MHZ)  |^     电    台    名    称    ",
      "^FM  Channel|^ Receive Frequency (MHZ)|^ FM Station Name  "}},
}};

// The FM broadcast band the range boxes show.
inline constexpr std::string_view kFmLowestText = "87.50000";
inline constexpr std::string_view kFmHighestText = "108.00000";

inline constexpr Bilingual kPromptTitle = link_texts::kPromptTitle;
inline constexpr Bilingual kBusyTitle = link_texts::kBusyTitle;

// Grid cells.
inline constexpr Bilingual kFrequencyOutOfRange{"接收频率超出范围 ！",
                                                "Over the range of receive frequency ."};
inline constexpr Bilingual kNameTooLong{"信道名称的字符个数最大为 6 位 ！",
                                        "The letter of channel name max 6 bit . "};

// Band boxes. The availability message is `before` + lower + "MHZ " + `to` + upper + "MHZ   ".
struct BandTexts {
    Bilingual availableFrom;
    Bilingual lowerOutOfRange;
    Bilingual upperOutOfRange;
};
inline constexpr BandTexts kBandA{
    {"A 段频率的有效范围从 ", "The availability range of  A band frequency is from  "},
    {" A 段下限频率超出范围 ！", "Over the range of A band lower limit frequency ."},
    {" A 段上限频率超出范围 ！", "Over the range of A band upper limit frequency ."}};
inline constexpr BandTexts kBandB{
    {"B 段频率的有效范围从 ", "The availability range of  B band frequency is from  "},
    {" B 段下限频率超出范围 ！", "Over the range of B band lower limit frequency ."},
    {" B 段上限频率超出范围 ！", "Over the range of B band upper limit frequency ."}};
inline constexpr Bilingual kAvailableTo{"MHZ 到 ", "MHZ to "};
inline constexpr Bilingual kAvailableEnd{"MHZ   ", "MHZ   "};
inline constexpr Bilingual kLowerAboveUpper{
    "下限频率不可大于上限频率！",
    "The lower limit frequency can not bigger than the upper limit ."};
inline constexpr Bilingual kUpperBelowLower{
    "上限频率不可小于下限频率！", "The upper limit frequency can not small than the upper limit ."};

// Transfers.
inline constexpr Bilingual kReadingBefore = link_texts::kReadingBefore;
inline constexpr Bilingual kReadingAfter = link_texts::kReadingAfter;
inline constexpr Bilingual kWritingBefore = link_texts::kWritingBefore;
inline constexpr Bilingual kWritingAfter = link_texts::kWritingAfter;
inline constexpr Bilingual kReadDone = link_texts::kReadDone;
inline constexpr Bilingual kReadDoneLabel{" FM 收音机参数读出正常 ！",
                                          "Read FM Radio parameters in gear. "};
inline constexpr Bilingual kWriteDone{"向对讲机写入 FM 收音机参数完毕 ！",
                                      "Complete writing FM Radio parameters to the transceiver."};
inline constexpr Bilingual kWriteDoneLabel{" FM 收音机参数写入完毕 ！",
                                           "Complete writing FM Radio parameters "};

// Preset files.
inline constexpr Bilingual kSaving{"正在保存 FM 收音机参数。。。",
                                   "Storing FM Radio parameters..."};
inline constexpr Bilingual kSavedLabel{"保存 FM 收音机参数正常 ！",
                                       "Store FM Radio parameters in gear."};
inline constexpr Bilingual kSaved{"FM 收音机参数保存完毕 ！",
                                  "Complete storing FM Radio parameters."};
inline constexpr Bilingual kLoaded{"FM 收音机参数从文件调入成功 ！",
                                   "FM Radio parameters loaded from the file."};
inline constexpr Bilingual kSaveFailed{
    "FM 收音机参数文件无法保存，原有文件未被改动 ！",
    "The FM preset file could not be stored; the old file is unchanged."};
inline constexpr Bilingual kLoadFailed{
    "FM 收音机参数文件无法调入，当前参数未被改动 ！",
    "The FM preset file could not be loaded; nothing was changed."};

}  // namespace orvex::fm_texts
