#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/link/LinkTexts.h"
#include "core/shell/Bilingual.h"
#include "core/shell/CaptionTable.h"

namespace orvex::option_texts {

using orvex::Caption;

// Set once when the form loads; a later language switch does not change them.
inline constexpr std::array<Caption, 38> kCaptions = {{
    {"frm_option", {"可选参数编辑", "Optional Features"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_Write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},
    {"Label_Tot", {"发射超时定时器（秒）", "Time Out Timer(TOT)[S]"}},
    {"Label_Toa", {"发射超时预警（秒）", "Time Out Alarm(TOA)[S]"}},
    {"Label_Sql", {"静噪电平", "Squelch Level"}},
    {"Label_Voice_setup", {"操作提示语言", "Operation voiceprompt "}},
    {"Label_Voice_chann", {"信道播报语言", "Channel Language Prompt"}},
    {"Label_Vox", {"声控发射", "VOX"}},
    {"Label_Save", {"省电模式", "Save"}},
    {"Label_Scan_voice", {"扫描到信号播报信道号", "Channel order prompt when scan a signal"}},
    {"Label_Sc_rev", {"扫描方式", "Scan Way"}},
    {"Label_Ptt_Lt", {"PTT-ID 发码延迟(毫秒)", "PTT-ID Delay Time(ms)"}},
    {"Check_Ptt_menu",
     {"开机按PTT键允许进行菜单设置", "Menu function can be set by pressing PTT key when turn on "}},
    {"Check_Ptt_init",
     {"开机按PTT键允许进行初始化操作", "Press PTT key can reset when turn on radio"}},
    {"Label_Tdr", {"双信道守侯", "TDR"}},
    {"Label_Abr", {"启动双信道守侯延迟时间", "Star TDR Delay Time"}},
    {"Label_Tdr_Beep", {"双信道守侯激活提示音", "Beep When TDR Star "}},
    {"Label_Prich",
     {"除信道编码器选择的信道外需要守侯的另一信道",
      "Another Standby channel except the one that channel encoder had selected "}},
    {"Label_PF1", {"侧键短按定义", "Side key programmable by short press"}},
    {"Label_PF2", {"侧键长按定义", "Side key programmable by long press"}},
    {"Label_Moni", {"监听键定义", "Moni Key"}},
    {"Label_Stdtmf", {"DTMF侧音", "DTMF-ST"}},
    {"Label_Lock", {"侧键锁定", "PF1 Lock"}},
    {"Label_AutoLk", {"侧键自动锁定", "PF1 Auot Lock"}},
    {"Label_Bcl", {"遇忙禁发", "BCL"}},
    {"Label_Beep", {"哔声", "Beep"}},
    {"Check_Alarm_Sound", {"报警时本机是否发出报警声", "Alarm Sound"}},
    {"Check_Alarm_Calderold", {"报警时是否兼容Calder系列", "Alarm Compatible With Calder"}},
    {"Label_Emech", {"报警信道", "Alarm Channle"}},
    {"Label_rf", {"接收从", "RX From"}},
    {"Label_rt", {"到", "to"}},
    {"Label_tf", {"发射从", "TX From"}},
    {"Label_tt", {"到", "to"}},
}};

// The label that stands before each drop-down list and limit box. Check boxes carry their
// own caption.
using orvex::LabelFor;

inline constexpr std::array<LabelFor, 27> kLabels = {{
    {"Combo_Tot", "Label_Tot"},
    {"Combo_Toa", "Label_Toa"},
    {"Combo_Sql_le", "Label_Sql"},
    {"Combo_Voice_Setup", "Label_Voice_setup"},
    {"Combo_Voice_Chann", "Label_Voice_chann"},
    {"Combo_Vox", "Label_Vox"},
    {"Combo_Save", "Label_Save"},
    {"Combo_Scan_Voice", "Label_Scan_voice"},
    {"Combo_Sc_rev", "Label_Sc_rev"},
    {"Combo_Ptt_lt", "Label_Ptt_Lt"},
    {"Combo_Tdr", "Label_Tdr"},
    {"Combo_Abr", "Label_Abr"},
    {"Combo_Tdr_Beep", "Label_Tdr_Beep"},
    {"Combo_Prich", "Label_Prich"},
    {"Combo_PF1", "Label_PF1"},
    {"Combo_PF2", "Label_PF2"},
    {"Combo_Moni", "Label_Moni"},
    {"Combo_Stdtmf", "Label_Stdtmf"},
    {"Combo_Lock", "Label_Lock"},
    {"Combo_AutoLk", "Label_AutoLk"},
    {"Combo_Bcl", "Label_Bcl"},
    {"Combo_Beep", "Label_Beep"},
    {"Combo_Emech", "Label_Emech"},
    {"Text_pvfo_d0", "Label_rf"},  // receive from d0 to d1
    {"Text_pvfo_d1", "Label_rt"},
    {"Text_pvfo_t0", "Label_tf"},  // transmit from t0 to t1
    {"Text_pvfo_t1", "Label_tt"},
}};

// Each line of limits, receive and transmit, ends in this unit label.
inline constexpr std::string_view kUnit = "MHZ";

// The frames that group the controls, and the controls of each in the order they are laid
// out.
inline constexpr std::array<std::string_view, 7> kGeneralControls = {
    "Combo_Tot",         "Combo_Toa", "Combo_Sql_le", "Combo_Voice_Setup",
    "Combo_Voice_Chann", "Combo_Vox", "Combo_Save"};
inline constexpr std::array<std::string_view, 3> kScanControls = {"Combo_Scan_Voice",
                                                                  "Combo_Sc_rev", "Combo_Ptt_lt"};
inline constexpr std::array<std::string_view, 2> kPowerOnControls = {"Check_Ptt_menu",
                                                                     "Check_Ptt_init"};
inline constexpr std::array<std::string_view, 4> kTdrControls = {"Combo_Tdr", "Combo_Abr",
                                                                 "Combo_Tdr_Beep", "Combo_Prich"};
inline constexpr std::array<std::string_view, 4> kKeysControls = {"Combo_PF1", "Combo_PF2",
                                                                  "Combo_Moni", "Combo_Stdtmf"};
inline constexpr std::array<std::string_view, 4> kLockControls = {"Combo_Lock", "Combo_AutoLk",
                                                                  "Combo_Bcl", "Combo_Beep"};
inline constexpr std::array<std::string_view, 3> kAlarmControls = {
    "Combo_Emech", "Check_Alarm_Sound", "Check_Alarm_Calderold"};
inline constexpr std::array<std::string_view, 4> kLimitsControls = {"Text_pvfo_d0", "Text_pvfo_d1",
                                                                    "Text_pvfo_t0", "Text_pvfo_t1"};

struct Frame {
    std::string_view name;  // objectName of the group box
    Bilingual title;
    std::span<const std::string_view> controls;
};

inline constexpr std::array<Frame, 8> kFrames = {{
    {"Frame_General", {"常规设置", "General"}, kGeneralControls},
    {"Frame_Scan", {"扫描与发码", "Scanning and PTT-ID"}, kScanControls},
    {"Frame_Power_on", {"开机设置", "Power-on"}, kPowerOnControls},
    {"Frame_Tdr", {"双信道守侯", "Dual watch"}, kTdrControls},
    {"Frame_Keys", {"按键设置", "Keys"}, kKeysControls},
    {"Frame_Lock", {"锁定与提示音", "Lock and tones"}, kLockControls},
    {"Frame_Alarm", {"报警设置", "Alarm"}, kAlarmControls},
    {"Frame_Limits", {"频率范围", "Frequency limits"}, kLimitsControls},
}};

// Title of the limit messages and of the messages that end a transfer or a file operation.
inline constexpr Bilingual kPromptTitle = link_texts::kPromptTitle;

// Refusals while a transfer runs, under their own title.
inline constexpr Bilingual kBusyTitle = link_texts::kBusyTitle;
inline constexpr Bilingual kBusy = link_texts::kBusy;
inline constexpr Bilingual kBusyClose = link_texts::kBusyCloseOtherwise;

inline constexpr Bilingual kConnectingLabel = link_texts::kConnectingLabel;

// Transfer progress: the block number goes between the two parts.
inline constexpr Bilingual kReadingBefore = link_texts::kReadingBefore;
inline constexpr Bilingual kReadingAfter = link_texts::kReadingAfter;
inline constexpr Bilingual kWritingBefore = link_texts::kWritingBefore;
inline constexpr Bilingual kWritingAfter = link_texts::kWritingAfter;

inline constexpr Bilingual kReadDone = link_texts::kReadDone;
inline constexpr Bilingual kReadDoneLabel{"可选参数读出正常 ！",
                                          "Read optional parameters in gear. "};
inline constexpr Bilingual kWriteDone{"向对讲机写入可选参数完毕 ！",
                                      "Complete writing optional parameters to the transceiver."};
inline constexpr Bilingual kWriteDoneLabel{"可选参数写入完毕 ！",
                                           "Complete writing optional parameters "};

// ".menu" files.
inline constexpr Bilingual kSaved{"可选参数保存完毕 ！", "Complete storing optional parameters."};
inline constexpr Bilingual kLoaded{"可选参数从文件调入成功 ！",
                                   "Succeed fold the optional parameters from file."};
inline constexpr Bilingual kSaveFailed{
    "可选参数文件无法保存，原有文件未被改动 ！",
    "The optional features file could not be stored; the old file is unchanged."};
inline constexpr Bilingual kLoadFailed{
    "可选参数文件无法调入，当前参数未被改动 ！",
    "The optional features file could not be loaded; nothing was changed."};

}  // namespace orvex::option_texts
