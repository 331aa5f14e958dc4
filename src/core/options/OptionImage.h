#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/shell/SharedState.h"

namespace orvex {

// The radio keeps its menu settings in 64 bytes at 0x0220 to 0x025F; byte n of the image is
// address 0x0220 + n.
inline constexpr int kOptionImageSize = 64;
using OptionImage = std::array<std::uint8_t, kOptionImageSize>;
using OptionOffsetTable = std::array<int, kOptionCount>;  // SharedState::OptionOffsets

// The list settings, in the order of the byte map.
enum class OptionList {
    Tdr,
    TdrBeep,
    SqlLe,
    Save,
    Tot,
    Vox,
    Abr,
    Toa,
    Beep,
    Stdtmf,
    ScRev,
    PttLt,
    ScanVoice,
    VoiceChann,
    VoiceSetup,
    PF1,
    PF2,
    Bcl,
    AutoLk,
    Moni,
    Prich,
    Emech,
    Lock
};
inline constexpr int kOptionListCount = 23;

enum class OptionFlag {
    PttMenu,
    PttInit,
    AlarmSound,
    AlarmCalderold
};  // bits 1, 2, 8, 64 of byte 42
inline constexpr int kOptionFlagCount = 4;

enum class OptionLimit { RxLower, RxUpper, TxLower, TxUpper };  // Text_pvfo_d0, _d1, _t0, _t1
inline constexpr int kOptionLimitCount = 4;

// Everything the optional-features form shows: the window copies its controls to and from this.
struct OptionSettings {
    std::array<int, kOptionListCount> lists{};          // selected position of each list
    std::array<bool, kOptionFlagCount> flags{};         // the four check boxes
    std::array<std::string, kOptionLimitCount> limits;  // the four limit boxes' texts
    bool operator==(const OptionSettings&) const = default;
};

// A fresh image from 64 zero bytes, so bytes no setting occupies are always written as 0.
// A list position below 0 (a list without selection) is stored as 0, one beyond the list as
// its last position. A limit is the whole MHz at the start of its text.
OptionImage EncodeOptionImage(const OptionSettings& settings, const OptionOffsetTable& offsets);

// A stored list value beyond its list selects the last item; flag bits other than the four are
// ignored; a limit's text is its three digits as stored ("066" for 66 MHz).
OptionSettings DecodeOptionImage(const OptionImage& image, const OptionOffsetTable& offsets);

}  // namespace orvex
