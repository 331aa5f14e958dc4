#pragma once

#include "core/codec/ListItems.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

// The radio keeps its two-tone signalling at 0x2D00 to 0x2FFF; byte n of the image is
// address 0x2D00 + n, handled as 48 lines of 16 bytes:
//   lines 0-14   encode code L + 1: first frequency word at 0-1, second at 8-9
//   line 15      first-tone, second-tone and gap durations (list positions) at 0, 1, 2
//   lines 16-30  decode code L - 15: four slots of pair, response, alert at 0-11
//   line 31      unused
//   lines 32-46  tone set of decode code L - 31: frequency words of A-D at 0, 2, 4, 6 and
//                their period words at 8, 10, 12, 14
//   line 47      decode reset time (list position) at 0
// Words are little-endian; everything not named is 0.
inline constexpr int kTwoToneImageSize = 768;
inline constexpr int kTwoToneLineSize = 16;
inline constexpr int kTwoToneCodes = 15;  // encode codes 1-15 and decode codes 1-15
inline constexpr int kTwoToneSlots = 4;   // decode slots of a decode code
inline constexpr int kTwoTonePairs = 12;  // "A-B" ... "D-C"
inline constexpr int kToneSetTones = 4;   // A, B, C, D
inline constexpr int kToneSetLines = 16;  // one per decode code, the last takes image line 47
inline constexpr int kTwoToneReplies = 4;
inline constexpr int kTwoToneAlerts = 16;
inline constexpr int kLowestToneHz = 300;    // tones shown and accepted: 300 to 3000 Hz
inline constexpr int kHighestToneHz = 3000;  //

using TwoToneImage = std::array<std::uint8_t, kTwoToneImageSize>;
using ToneSetLine = std::array<std::uint8_t, kTwoToneLineSize>;
// Laid out like image lines 32 to 47; line k belongs to decode code k + 1.
using ToneSets = std::array<ToneSetLine, kToneSetLines>;
// The texts of the four tone boxes Text_A to Text_D.
using ToneBoxes = std::array<std::string, kToneSetTones>;
// The shared reply names "0.None" ... "3.Alert+Transpond" of the current language; the
// response byte is the position of a name.
using ReplyNames = std::array<std::string, kTwoToneReplies>;

// The two frequency cells of an encode code (MSF_Encode columns 1 and 2).
struct EncodeCells {
    std::string first;
    std::string second;
    bool operator==(const EncodeCells&) const = default;
};

// The three cells of a decode slot (MSF_Decode columns 3s - 2, 3s - 1 and 3s).
struct DecodeSlotCells {
    std::string pair;
    std::string response;
    std::string alert;
    bool operator==(const DecodeSlotCells&) const = default;
};
using DecodeCells = std::array<DecodeSlotCells, kTwoToneSlots>;

// What the two-tone editor shows, apart from the four tone boxes (they show one line of
// toneSets at a time).
struct TwoToneSettings {
    std::array<EncodeCells, kTwoToneCodes> encode;  // encode codes 1-15
    int firstTone = 0;                              // position in Combo_Enc_ys1
    int secondTone = 0;                             // position in Combo_Enc_ys2
    int gap = 0;                                    // position in Combo_enc_ys3
    std::array<DecodeCells, kTwoToneCodes> decode;  // decode codes 1-15
    int resetTime = 0;                              // position in Combo_Dec_Res_Time
    ToneSets toneSets{};
    bool operator==(const TwoToneSettings&) const = default;
};

// The frequency word of a tone: Int(hertz + 0.5).
std::uint16_t TwoToneFrequencyWord(double hertz);
// The period word the radio times a tone by: Int(1 / hertz * 1000 / scale + 0.5), where
// scale is TwoTone_Scale (1981 Hz -> 1163, 2400 Hz -> 960, 300 Hz -> 7680). A word beyond
// 16 bits (no tone, or a scale of 0) is kept at 0xFFFF.
std::uint16_t TwoTonePeriodWord(double hertz, double scale);
// A whole number of hertz as a cell shows it: 1981 -> "1981.0".
std::string ToneText(int hertz);

// Every read value is shown, never refused: frequencies outside 300-3000 Hz and pairs and
// alerts outside their tables as empty cells, responses outside 0-3 (other than the unset
// 255) as reply name 0, list positions beyond a list as its last item. The tone sets are
// taken as they stand, line 47 included.
TwoToneSettings DecodeTwoToneImage(const TwoToneImage& image, const ReplyNames& replies);

// The image a write sends. A frequency cell gives Int(Val + 0.5), an empty one 0; a pair
// cell its position in the pair names (255 for any other text); a response cell the value
// of its first character and an alert cell its value (255 for an empty cell). Lines 32-46
// are the first 15 tone sets as they stand.
TwoToneImage EncodeTwoToneImage(const TwoToneSettings& settings);

// Tone box texts into line k (0-14) of the tone sets: for each box that is not empty after
// trimming, the frequency word and the period word of its value; an empty box leaves the
// four bytes of its tone as they are.
void StoreToneSet(ToneSets& toneSets, int k, const ToneBoxes& boxes, double scale);
// Line k as the tone boxes show it: "1981.0", or an empty box for a frequency word of 0.
ToneBoxes ShowToneSet(const ToneSets& toneSets, int k);

// The defaults the editor loads with and Default restores: tone sets cleared and those of
// decode codes 1-4 stored, durations 600, 600 and 300 ms, reset time 6000 ms, and the cells
// of encode codes 1-3 and 12-15 and of decode codes 1, 2, 14 and 15. The cells of the other
// codes keep what they hold.
void SetTwoToneDefaults(TwoToneSettings& settings, const ReplyNames& replies, double scale);

// What a typed frequency does to the cell or box it was typed into.
enum class ToneEntryResult {
    Accepted,    // 300 <= Val(text) <= 3000: `text` is the new text
    OutOfRange,  // anything else that is not blank: the range message
    Blank,       // an empty or blank text
};
struct ToneEntry {
    ToneEntryResult result = ToneEntryResult::Blank;
    std::string text;
    bool operator==(const ToneEntry&) const = default;
};
// An encode cell rounds half up (1062.5 -> "1063.0"), a tone box to the even neighbour
// (1062.5 -> "1062.0", 1063.5 -> "1064.0"). The range is checked before rounding, so 299.6
// and 3000.4 are refused.
ToneEntry AcceptEncodeCellTone(std::string_view typed);
ToneEntry AcceptToneBoxTone(std::string_view typed);

// "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C": the
// pair byte is the position of the name.
const std::array<std::string_view, kTwoTonePairs>& TwoTonePairNames();

// The columns of MSF_Decode: 0 the code number, then pair, response and alert of slot s at
// 3s - 2, 3s - 1 and 3s.
enum class DecodeColumn { Code, Pair, Response, Alert, None };
DecodeColumn DecodeColumnKind(int col);
// The pair column of the slot `col` belongs to (1, 4, 7 or 10); 0 for column 0 or beyond.
int DecodePairColumn(int col);

// What the list laid over a decode cell offers, and the item it starts on.
struct DecodeCellList {
    std::vector<std::string> items;
    int preselected = -1;
};
// Pair columns: the pair names, "A-B" first; response columns: the reply names, starting on
// "2."; alert columns: "1" to "16", starting on "1". Nothing for column 0.
DecodeCellList DecodeCellItems(int col, const ReplyNames& replies);

}  // namespace orvex
