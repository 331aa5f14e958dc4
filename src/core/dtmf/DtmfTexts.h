#pragma once

#include <array>
#include <span>
#include <string_view>

#include "core/link/LinkTexts.h"
#include "core/shell/Bilingual.h"
#include "core/shell/CaptionTable.h"

namespace orvex::dtmf_texts {

using orvex::Caption;

// Set once when the window loads; a later language switch does not change them.
inline constexpr std::array<Caption, 38> kCaptions = {{
    {"frm_dtmf", {"DTMF 编解码参数编辑", "DTMF Encode/Decode "}},
    {"Frame_encode", {"DTMF 编码", "DTMF Encode"}},
    {"Label_dtmf_ontime", {"发送DTMF码时码持续时间（MS）", "DTMF Speed (On Time)"}},
    {"Label_dtmf_offtime", {"发送DTMF码时码间断时间（MS）", "DTMF Speed (Off Time)"}},
    {"Label_Group_code", {"群呼码", "Group Code"}},
    {"Label_bj", {"报 警 码", "Alarm"}},
    {"Frame_ANI_Code", {"本机 ID 码", "ANI Code"}},
    {"Check_Ptt_P", {"PTT按下发送", "Press PTT to Send"}},
    {"Check_Ptt_S", {"PTT松开发送", "Release PTT to Send"}},
    {"Command_read", {"读 取", "Read"}},
    {"Command_write", {"写  入", "Write"}},
    {"Command_def", {"默 认", "Default"}},
    {"Command_save", {"保  存", "Save"}},
    {"Command_open", {"打  开", "Open"}},
    {"Command_close", {"关  闭", "Close"}},

    // The decode side, the remote control and the inhibit flags: kept and written, never
    // shown.
    {"Frame_Decode", {"DTMF 解码", "DTMF Decode"}},
    {"Label_xc", {"检 查 码", "Inspection"}},
    {"Label_jt", {"监 听 码", "Monitor"}},
    {"Label_yy", {"遥 晕 码", "Stun"}},
    {"Label_yb", {"遥 毙 码", "Kill"}},
    {"Label_kj", {"激 活 码", "Revive"}},
    {"Frame_Ctrl", {"遥控设置", "Remote Control"}},
    {"Check_Ctrl_En", {"只接受主控和副控 ID 的遥控", "Remote control by master and vice ID only"}},
    {"Label_mid", {"主控 ID", "Master ID"}},
    {"Check_M_0", {"检查", "Inspection"}},
    {"Check_M_1", {"监听", "Monitor"}},
    {"Check_M_2", {"遥晕", "Stun"}},
    {"Check_M_3", {"遥毙", "Kill"}},
    {"Check_M_4", {"激活", "Revive"}},
    {"Label_sid", {"副控 ID", "Vice ID"}},
    {"Check_S_0", {"检查", "Inspection"}},
    {"Check_S_1", {"监听", "Monitor"}},
    {"Check_S_2", {"遥晕", "Stun"}},
    {"Check_S_3", {"遥毙", "Kill"}},
    {"Check_S_4", {"激活", "Revive"}},
    {"Frame_State", {"收发禁止", "TX/RX Inhibit"}},
    {"Check_RX", {"禁止接收", "RX Inhibit"}},
    {"Check_TX", {"禁止发射", "TX Inhibit"}},
}};

// The label that stands before a text box or drop-down list. Check boxes carry their own
// caption; the ANI code box is titled by its frame.
using orvex::LabelFor;

inline constexpr std::array<LabelFor, 11> kLabels = {{
    {"Combo_Enc_ys1", "Label_dtmf_ontime"},
    {"Combo_Enc_ys2", "Label_dtmf_offtime"},
    {"Combo_Enc_qh", "Label_Group_code"},
    {"Text_BJ", "Label_bj"},
    {"Text_XC", "Label_xc"},
    {"Text_JT", "Label_jt"},
    {"Text_YY", "Label_yy"},
    {"Text_YB", "Label_yb"},
    {"Text_KJ", "Label_kj"},
    {"Text_MID", "Label_mid"},
    {"Text_SID", "Label_sid"},
}};

// The frames and the controls each holds, in the order they are laid out. Frame_ANI_Code sits
// inside Frame_encode. The cell editor Text_Encode is not laid out: it is placed over the
// grid cell being edited.
inline constexpr std::array<std::string_view, 6> kEncodeControls = {
    "MSF_Encode", "Frame_ANI_Code", "Text_BJ", "Combo_Enc_ys1", "Combo_Enc_ys2", "Combo_Enc_qh"};
inline constexpr std::array<std::string_view, 3> kAniControls = {"Text_Ani", "Check_Ptt_P",
                                                                 "Check_Ptt_S"};
inline constexpr std::array<std::string_view, 5> kDecodeControls = {"Text_XC", "Text_JT", "Text_YY",
                                                                    "Text_YB", "Text_KJ"};
inline constexpr std::array<std::string_view, 13> kCtrlControls = {
    "Check_Ctrl_En", "Text_MID",  "Check_M_0", "Check_M_1", "Check_M_2", "Check_M_3", "Check_M_4",
    "Text_SID",      "Check_S_0", "Check_S_1", "Check_S_2", "Check_S_3", "Check_S_4"};
inline constexpr std::array<std::string_view, 2> kStateControls = {"Check_RX", "Check_TX"};

struct Frame {
    std::string_view name;  // objectName of the group box; its title is in kCaptions
    std::span<const std::string_view> controls;
};

inline constexpr std::array<Frame, 2> kShownFrames = {{
    {"Frame_encode", kEncodeControls},
    {"Frame_ANI_Code", kAniControls},
}};

// Hidden for the whole life of the window.
inline constexpr std::array<Frame, 3> kHiddenFrames = {{
    {"Frame_Decode", kDecodeControls},
    {"Frame_Ctrl", kCtrlControls},
    {"Frame_State", kStateControls},
}};

// The column headers of MSF_Encode: "|" separates the columns, "^" centres the text.
inline constexpr Bilingual kGridHeader{"^ 编码序号 |^ 发送编码码组  ", "^ Number |^ Code "};

// Title of the messages that end a transfer.
inline constexpr Bilingual kPromptTitle = link_texts::kPromptTitle;

// Refusals while a transfer runs, under their own title. Close refuses with the same text as
// the other buttons.
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

}  // namespace orvex::dtmf_texts
