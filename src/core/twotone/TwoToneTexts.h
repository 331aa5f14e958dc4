#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/link/LinkTexts.h"
#include "core/shell/Bilingual.h"
#include "core/shell/CaptionTable.h"

namespace orvex::twotone_texts {

using orvex::Caption;

// Set once when the window loads; a later language switch does not change them.
inline constexpr std::array<Caption, 17> kCaptions = {{
    {"frm_2tone", {"2 TONE 编解码参数编辑", "2 TONE"}},
    {"Frame_encode", {"2 TONE 编码", "2 TONE Encode"}},
    {"Frame_Decode", {"2 TONE 解码", "2 TONE Decode"}},
    {"Label_1st", {"发送第 1 个频率时间长度（MS）", "1st Tone Duration(MS)"}},
    {"Label_2nd", {"发送第 2 个频率时间长度（MS）", "2nd Tone Duration(MS)"}},
    {"Label_gap", {"前后两个频率的间隔时长 （MS）", "Gap of Tone (MS)"}},
    {"Label_A_tone", {"A 音（HZ）", "A Tone( HZ )"}},
    {"Label_B_Tone", {"B 音（HZ）", "B Tone( HZ )"}},
    {"Label_C_Tone", {"C 音（HZ）", "C Tone( HZ )"}},
    {"Label_D_Tone", {"D 音（HZ）", "D Tone( HZ )"}},
    {"Label_Reset", {"复位时间（MS）", "Reset_Time (MS)"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},
}};

// The label that stands before each list and tone box.
using orvex::LabelFor;

inline constexpr std::array<LabelFor, 8> kLabels = {{
    {"Combo_Enc_ys1", "Label_1st"},
    {"Combo_Enc_ys2", "Label_2nd"},
    {"Combo_enc_ys3", "Label_gap"},
    {"Text_A", "Label_A_tone"},
    {"Text_B", "Label_B_Tone"},
    {"Text_C", "Label_C_Tone"},
    {"Text_D", "Label_D_Tone"},
    {"Combo_Dec_Res_Time", "Label_Reset"},
}};

// The tone boxes of Frame_Dec_xx, tones A to D.
inline constexpr std::array<std::string_view, 4> kToneBoxes = {"Text_A", "Text_B", "Text_C",
                                                               "Text_D"};

// TabStrip1: tab 1 shows Frame_encode, tab 2 Frame_Decode.
inline constexpr std::array<Bilingual, 2> kTabs = {{{"编码", "Encode"}, {"解码", "Decode"}}};

// Column format strings: "|" separates the columns, "^" centres the text after it.
inline constexpr Bilingual kEncodeGridHeader{"^ 信息码 |^ 第 1 个频率(HZ) |^ 第 2 个频率(HZ) ",
                                             "^ Code|^ 1st Frequency(HZ)|^ 2nd Frequency(HZ)"};
inline constexpr Bilingual kDecodeGridHeader{
    "^ 信息码|^解码1|^   响 应 方 式  |^提示|^解码2|^   响 应 方 式  |^提示|^解码3|^   响 应 方 "
    "式  |^提示|^解码4|^   响 应 方 式  |^提示",
    "^ Code|^Dec_1|^    Response   |^Alert|^Dec_2|^   Response   |^Alert|^Dec_3|^   Response   "
    "|^Alert|^Dec_4|^   Response   |^Alert"};

// Frame_Dec_xx names the decode code whose tones the boxes show: the code number, then this.
inline constexpr Bilingual kDecodeFrameAfter{" 解码信息两音频率", " Decode 2 Tone Frequency"};
// Its caption as the window loads, before any code is chosen (with a leading blank).
inline constexpr Bilingual kDecodeFrameAtLoad{" 1 解码信息两音频率", " 1 Decode 2 Tone Frequency"};

inline std::string DecodeFrameCaption(int code, int languageFlag) {
    return std::to_string(code) + kDecodeFrameAfter.str(languageFlag);
}

// A frequency outside 300-3000 Hz left in a cell editor or a tone box.
inline constexpr Bilingual kRangeTitle{"操作提示", "Operate Prompt\""};
inline constexpr Bilingual kRange{"频率范围在 300.0 HZ - 3000.0 HZ 之间  ！",
                                  "Frequency range 300Hz to 3000Hz"};

// Title of the messages that end a transfer.
inline constexpr Bilingual kPromptTitle = link_texts::kPromptTitle;
// Refusals while a transfer runs, and the report of used-up retries, under their own title.
// Close refuses with the same text as the other buttons.
inline constexpr Bilingual kBusyTitle = link_texts::kBusyTitle;
inline constexpr Bilingual kBusy = link_texts::kBusy;
inline constexpr Bilingual kBusyClose = link_texts::kBusy;

// Transfer progress: the block number goes between the two parts.
inline constexpr Bilingual kReadingBefore = link_texts::kReadingBefore;
inline constexpr Bilingual kReadingAfter = link_texts::kReadingAfter;
inline constexpr Bilingual kWritingBefore = link_texts::kWritingBefore;
inline constexpr Bilingual kWritingAfter = link_texts::kWritingAfter;

inline constexpr Bilingual kReadDone = link_texts::kReadDone;
inline constexpr Bilingual kReadDoneLabel = link_texts::kSignalReadDoneLabel;
inline constexpr Bilingual kWriteDone = link_texts::kSignalWriteDone;
inline constexpr Bilingual kWriteDoneLabel = link_texts::kSignalWriteDoneLabel;

}  // namespace orvex::twotone_texts
