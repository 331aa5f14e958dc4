#pragma once

#include "core/codec/ListItems.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/fivetone/FiveToneStandards.h"

namespace orvex {

// The radio's five-tone area, 0x2000 to 0x28FF, as 144 lines of 16 bytes (line L at
// 0x2000 + 16 L):
//   0-63     frequency words and period counts, four planes of sixteen lines
//   64-78    period, group tone and repeat tone of standards 0 to 14
//   80-94    encode code c = L - 79: three frames of five digits and its standard
//   96-110   encode code c = L - 95: its transpond code
//   111      the four encode timings
//   112-126  decode code c = L - 111: three frames and its standard
//   128-142  decode code c = L - 127: reply code, functions, action flags and positions
//   143      decode reset time and the reply settings
// A write sends every line; a read fetches only lines 64 to 143, since the program makes the
// frequency planes itself.
inline constexpr int kFiveToneLineBytes = 16;
inline constexpr int kFiveToneLines = 144;
inline constexpr int kFiveToneImageSize = kFiveToneLines * kFiveToneLineBytes;
inline constexpr int kFiveToneFirstReadLine = 64;
inline constexpr int kFiveToneReadSize =
    (kFiveToneLines - kFiveToneFirstReadLine) * kFiveToneLineBytes;

using FiveToneImage = std::array<std::uint8_t, kFiveToneImageSize>;
using FiveToneReadImage = std::array<std::uint8_t, kFiveToneReadSize>;

inline constexpr int kFiveToneCodes = 15;
inline constexpr int kCodeDigits = 5;
inline constexpr int kCodeFrames = 3;

// The lists the encoder stores by position: the encode timings and the decode reset time
// (ListItems.h), and the reply delay "500" to "2500" in steps of 100.
inline constexpr int kReplyDelayItems = 21;
std::vector<std::string> ReplyDelayItems();
// The standards grid's lists: periods "20" to "200" in steps of 10, digits "0" to "F".
std::vector<std::string> PeriodItems();
std::vector<std::string> ToneDigitItems();

// A decode code's actions, per frame: the action flags (DISP 1, LED 2, CTRL 4, ALERT 8) and
// the group-call positions (position k + 1 in bit k), in the order frame 1 flags, frame 1
// positions, frame 2 flags, ...
using DecodeActionValues = std::array<std::uint8_t, 2 * kCodeFrames>;

inline constexpr std::uint8_t kActionDisp = 1;
inline constexpr std::uint8_t kActionLed = 2;
inline constexpr std::uint8_t kActionCtrl = 4;
inline constexpr std::uint8_t kActionAlert = 8;

// One encode code as its grid row shows it.
struct FiveToneEncodeRow {
    std::array<std::string, kCodeFrames> frames;
    std::string transpond;
    std::string standard;
    bool operator==(const FiveToneEncodeRow&) const = default;
};

// One decode code as its grid row shows it; a function cell holds a function name.
struct FiveToneDecodeRow {
    std::string standard;
    std::array<std::string, kCodeFrames> frames;
    std::array<std::string, kCodeFrames> functions;
    std::string reply;
    bool operator==(const FiveToneDecodeRow&) const = default;
};

// Everything of the five-tone editor that the radio keeps, as the window shows it: grid
// texts, list positions, the decode actions and the hidden reply settings.
struct FiveToneSettings {
    std::array<FiveToneStandardRow, kFiveToneStandards> standards;
    std::array<FiveToneEncodeRow, kFiveToneCodes> encode;
    // Delay before frame 1, 2 and 3, and the extension of each frame's first tone.
    std::array<int, 4> encodeTimings{};
    std::array<FiveToneDecodeRow, kFiveToneCodes> decode;
    std::array<DecodeActionValues, kFiveToneCodes> DecodeActions{};
    int resetTime = 0;
    bool replyAfterAll = false;
    bool replyWhenIdle = false;
    int replyDelay = 0;
    bool operator==(const FiveToneSettings&) const = default;
};

// The names of function codes 0 to 8 in the current language (the call options of the
// language texts).
using FunctionNames = std::array<std::string, 9>;

// The name of function 0 to 8; the empty text for any other value.
std::string FunctionCodeToName(std::uint8_t code, const FunctionNames& names);
// The function code of a cell: the digit its trimmed text starts with; 255 for an empty cell
// or one that does not start with a digit.
std::uint8_t FunctionNameToCode(std::string_view cell);

using CodeDigits = std::array<std::uint8_t, kCodeDigits>;

// A code cell to its five digit codes: the trimmed text, padded with spaces to five
// characters, one digit per character (255 where there is none).
CodeDigits CodeTextToDigits(std::string_view text);
// Five digit codes to a cell, untrimmed: five 255 bytes give five spaces.
std::string DigitsToCodeText(const CodeDigits& digits);

// The whole area to write. Lines 0 to 63 always come from the built-in frequency table.
// Bytes the radio does not use are 0.
FiveToneImage EncodeFiveToneImage(const FiveToneSettings& settings);

// Lines 0 to 63 from the built-in frequency table, lines 64 to 143 as a read brought them.
FiveToneImage FiveToneWriteImage(const FiveToneReadImage& area);

// What a read brings back (lines 64 to 143, in address order). Nothing is refused: an
// unknown standard or function shows as an empty cell, an unknown digit as a space, and a
// list position beyond the last item selects the last item.
FiveToneSettings DecodeFiveToneImage(const FiveToneReadImage& image, const FunctionNames& names);

}  // namespace orvex
