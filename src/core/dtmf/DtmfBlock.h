#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The radio keeps its DTMF signalling in the block at 0x0100; byte n of an image is address
// 0x0100 + n.
inline constexpr int kDtmfCodeLength = 5;  // a code field: 5 bytes
inline constexpr int kDtmfGroups = 8;      // code groups 1 to 8 (grid rows)
inline constexpr int kDtmfImageRows = 13;  // the written part of the block, offsets 0x00-0xCF
inline constexpr int kDtmfImageSize = kDtmfImageRows * 16;
inline constexpr int kDtmfReadSize = 256;   // four 64-byte read replies in request order, 0x00-0xFF
inline constexpr int kDtmfTimeItems = 196;  // "50", "60", ... "2000"
// Check_M / Check_S items 0..4: inspection, monitor, stun, kill, revive.
inline constexpr int kDtmfRights = 5;
using DtmfImage = std::array<std::uint8_t, kDtmfImageSize>;
using DtmfReadImage = std::array<std::uint8_t, kDtmfReadSize>;

// The code text boxes of the editor.
enum class DtmfCode { Ani, Alarm, Inspection, Monitor, Stun, Kill, Revive, MasterId, ViceId };
//                   Text_Ani Text_BJ Text_XC  Text_JT  Text_YY Text_YB Text_KJ Text_MID Text_SID
inline constexpr int kDtmfCodeCount = 9;

std::string_view DtmfCodeControl(DtmfCode code);  // its objectName
int DtmfCodeOffset(DtmfCode code);                // its offset in the block (0xAA, 0x8A, ...)

// Everything the DTMF editor holds, shown or not: the window copies its controls to and from
// this.
struct DtmfSettings {
    std::array<std::string, kDtmfGroups> groups;    // MSF_Encode column 1, rows 1..8
    std::array<std::string, kDtmfCodeCount> codes;  // index by DtmfCode
    bool pttPress = false;                          // Check_Ptt_P
    bool pttRelease = false;                        // Check_Ptt_S
    bool controlByIdOnly = false;                   // Check_Ctrl_En
    std::array<bool, kDtmfRights> masterRights{};   // Check_M_0..4
    std::array<bool, kDtmfRights> viceRights{};     // Check_S_0..4
    bool receiveInhibit = false;                    // Check_RX
    bool transmitInhibit = false;                   // Check_TX
    int onTime = 0;                                 // item of Combo_Enc_ys1 (0..195)
    int offTime = 0;                                // item of Combo_Enc_ys2
    std::string groupCall;                          // the text of Combo_Enc_qh
    bool operator==(const DtmfSettings&) const = default;
};

// What the editor holds after it loads and after Default.
DtmfSettings DefaultDtmfSettings();

// The 13 rows written to the radio, built from every setting, the hidden ones included.
// Unused bytes are 0xFF. A code text is trimmed and padded with blanks to 5 characters, one
// character code per byte; characters beyond the fifth are not written. A time item outside
// 0..195 is written as the nearest of the two. The group-call byte is the code of the first
// character of the trimmed text, 0xFF for an empty text.
DtmfImage EncodeDtmfImage(const DtmfSettings& settings);

// A completed read changes only what the editor decodes: the code groups, the alarm and ANI
// codes, the two PTT flags, the on and off times and the group-call text; every other setting
// keeps its value. A code field whose first byte is 0xFF reads as empty; otherwise bytes
// without a character are skipped. A time byte above 195 selects item 195. Offsets 0xD0 to
// 0xFF are not looked at.
void DecodeDtmfRead(const DtmfReadImage& read, DtmfSettings& settings);

// "0" is 0x00, "1" to "9" are 0x01 to 0x09, "*" 0x0B, "#" 0x0C, "A" to "D" 0x0D to 0x10.
std::uint8_t DtmfCharacterCode(char32_t c);  // 0xFF for anything without a code
std::optional<char> DtmfCharacter(std::uint8_t code);

std::vector<std::string> DtmfTimeItemTexts();   // the 196 items, milliseconds
std::vector<std::string> DtmfGroupCallItems();  // "*", "#", "A", "B", "C", "D"

}  // namespace orvex
