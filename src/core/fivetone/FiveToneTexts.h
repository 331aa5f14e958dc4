#pragma once

#include <array>
#include <string_view>

#include "core/link/LinkTexts.h"
#include "core/shell/Bilingual.h"
#include "core/shell/CaptionTable.h"

namespace orvex::fivetone_texts {

using orvex::Caption;

// Set once when the window loads; a later language switch does not change them.
inline constexpr std::array<Caption, 26> kCaptions = {{
    {"frm_5tone", {"5音信令编解码参数编辑", "5 Tone Encode/Decode "}},
    {"Frame_std", {"5 TONE 标准频率", "5 TONE Standard Frequency"}},
    {"Label_std_name", {"标准名称", "Standard Name"}},
    {"Frame_encode", {"5 TONE 编码", "5 Tone Encode"}},
    {"Label_enc_ys1", {"发送第1组码前的延迟时间（MS）", "Delay 1 (MS) "}},
    {"Label_enc_ys2", {"发送第2组码前的延迟时间（MS）", "Delay 2 (MS) "}},
    {"Label_enc_ys3", {"发送第3组码前的延迟时间（MS）", "Delay 3 (MS) "}},
    {"Label_enc_ys4", {"各组码第1个音的拓展时长（MS）", "First Digit Extend Length (MS)"}},
    {"Frame_decode", {"5 TONE 解码", "5 Tone Decode"}},
    {"Label_F1", {"帧 1", "Frame 1"}},
    {"Label_F2", {"帧 2", "Frame 2"}},
    {"Label_F3", {"帧 3", "Frame 3"}},
    {"Label_Disp", {"屏幕显示", "DISP"}},
    {"Label_led", {"指示灯", "LED"}},
    {"Label_ctrl", {"控制输出", "CTRL"}},
    {"Label_Tishi", {"提示音", "ALERT"}},
    {"Label_Reset_time", {"复位时间（MS）", "Reset Time(ms)"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},
    // The reply settings, kept and written but never shown.
    {"Check_Dec_back", {"所有帧成功解码后回复", "所有帧成功解码后回复"}},
    {"Check_Dec_Bcl", {"信道空闲时回复", "信道空闲时回复"}},
    {"Label8", {"回复延迟时间（MS）", "回复延迟时间（MS）"}},
}};

// The captions of tabs 1 to 3.
inline constexpr std::array<Bilingual, 3> kTabs = {{
    {"标准", "Standard"},
    {"编码", "Encode"},
    {"解码", "Decode"},
}};

// The caption of Frame_Dec_xx when the window loads, and once a decode code is selected: the
// code number goes between the two parts.
inline constexpr Bilingual kDecodeActionsFirst{" 1 信息码各组编码成功解码后执行操作  ",
                                               "Execute after Code 1 Decode Succeeded   "};
inline constexpr Bilingual kDecodeActionsBefore{"", "Execute after Code "};
inline constexpr Bilingual kDecodeActionsAfter{" 信息码各组编码成功解码后执行操作",
                                               " Decode Succeeded "};

// The column headers: "|" separates the columns, "^" centres the text.
inline constexpr Bilingual kStandardsHeader{"^ 5 TONE 标准|^发送时长(ms)|^ 群 呼 码 |^重 复 码 ",
                                            "^Standard|^Period(ms)|^ Group Tone|^ Repeat Tone "};
inline constexpr Bilingual kEncodeHeader{
    "^ 信息码 |^第 1 帧编码|^第 2 帧编码|^第 3 帧编码|^ 确 认 码 |^使用标准",
    "^ Code |^ Frame 1 |^ Frame 2 |^ Frame 3 |^ Transpond |^ Standard "};
inline constexpr Bilingual kDecodeHeader{
    "^信息码|^使用标准|^ 第1帧解码 |^ 功    能 |^ 第2帧解码 |^ 功    能 |^ 第3帧解码 |^ 功    能 "
    "|^ 回复码 ",
    "^Code|^Standard|^Frame1|^          Function       |^Frame2|^     Function    |^Frame3|^    "
    "Function   |^Transpond"};

// Code cell messages, under "Operate Prompt" followed by one double quote.
inline constexpr Bilingual kCodeTitle{"操作提示\"", "Operate Prompt\""};
inline constexpr Bilingual kEncodeLength{"编码位数为 5 位 ！", "Encode Digit is 5 Bits."};
inline constexpr Bilingual kDecodeLength{"解码位数为 5 位 ！", "Decode Digit is 5 Bits."};
inline constexpr Bilingual kDigit{"码组字符只能是 0 - 9 或 A - F  ！",
                                  "Group Digits only by 0 to 9 and A to F."};

// Title of the messages that end a transfer.
inline constexpr Bilingual kPromptTitle = link_texts::kPromptTitle;

// Refusals while a transfer runs, and the report of used-up retries, under their own title.
inline constexpr Bilingual kBusyTitle = link_texts::kBusyTitle;
inline constexpr Bilingual kBusy = link_texts::kBusy;
inline constexpr Bilingual kBusyClose = link_texts::kBusy;

inline constexpr Bilingual kConnectingLabel = link_texts::kConnectingLabel;

// Transfer progress: the block number goes between the two parts.
inline constexpr Bilingual kReadingBefore = link_texts::kReadingBefore;
inline constexpr Bilingual kReadingAfter = link_texts::kReadingAfter;
inline constexpr Bilingual kWritingBefore = link_texts::kWritingBefore;
inline constexpr Bilingual kWritingAfter = link_texts::kWritingAfter;

inline constexpr Bilingual kReadDone = link_texts::kReadDone;
inline constexpr Bilingual kReadDoneLabel = link_texts::kSignalReadDoneLabel;
inline constexpr Bilingual kWriteDone = link_texts::kSignalWriteDone;
inline constexpr Bilingual kWriteDoneLabel = link_texts::kSignalWriteDoneLabel;

}  // namespace orvex::fivetone_texts
