#include "core/twotone/TwoToneImage.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

constexpr std::uint8_t kUnset = 0xFF;

constexpr std::size_t kDurationsLine = 15;
constexpr std::size_t kFirstDecodeLine = 16;
constexpr std::size_t kFirstToneSetLine = 32;
constexpr std::size_t kResetTimeLine = 47;
constexpr std::size_t kFirstFrequency = 0;   // within an encode line
constexpr std::size_t kSecondFrequency = 8;  //
constexpr std::size_t kSlotBytes = 3;
constexpr std::size_t kPeriodOffset = 8;  // a tone's period word follows its frequency by 8

constexpr std::array<std::string_view, kTwoTonePairs> kPairNames = {
    "A-B", "A-C", "A-D", "B-A", "B-C", "B-D", "C-A", "C-B", "C-D", "D-A", "D-B", "D-C"};

std::size_t LineStart(std::size_t line) {
    return line * kTwoToneLineSize;
}

template <typename Bytes>
void PutWord(Bytes& bytes, std::size_t at, std::uint16_t word) {
    bytes[at] = static_cast<std::uint8_t>(word & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(word >> 8);
}

template <typename Bytes>
unsigned WordAt(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (static_cast<unsigned>(bytes[at + 1]) << 8);
}

std::uint16_t SaturatedWord(double value) {
    if (!(value >= 0)) return 0;  // also NaN
    if (!(value <= 0xFFFF)) return 0xFFFF;
    return static_cast<std::uint16_t>(value);
}

std::uint8_t SaturatedByte(double value) {
    if (!(value >= 0)) return 0;
    if (!(value <= 0xFF)) return 0xFF;
    return static_cast<std::uint8_t>(value);
}

std::uint8_t PositionByte(int position) {
    return static_cast<std::uint8_t>(std::clamp(position, 0, 0xFF));
}

std::string FrequencyCell(unsigned hertz) {
    if (hertz < kLowestToneHz || hertz > kHighestToneHz) return {};
    return ToneText(static_cast<int>(hertz));
}

std::uint16_t FrequencyOfCell(std::string_view text) {
    text = Trim(text);
    return text.empty() ? 0 : TwoToneFrequencyWord(LeadingNumber(text));
}

std::string PairCell(std::uint8_t stored) {
    return stored < kTwoTonePairs ? std::string(kPairNames[stored]) : std::string();
}

std::uint8_t PairOfCell(std::string_view text) {
    text = Trim(text);
    const auto* found = std::find(kPairNames.begin(), kPairNames.end(), text);
    return found == kPairNames.end() ? kUnset
                                     : static_cast<std::uint8_t>(found - kPairNames.begin());
}

std::string ResponseCell(std::uint8_t stored, const ReplyNames& replies) {
    if (stored == kUnset) return {};
    return replies[stored < kTwoToneReplies ? stored : 0];
}

std::uint8_t ResponseOfCell(std::string_view text) {
    text = Trim(text);
    return text.empty() ? kUnset : SaturatedByte(LeadingNumber(text.substr(0, 1)));
}

std::string AlertCell(std::uint8_t stored) {
    return stored <= kTwoToneAlerts ? std::to_string(stored) : std::string();
}

std::uint8_t AlertOfCell(std::string_view text) {
    text = Trim(text);
    return text.empty() ? kUnset : SaturatedByte(LeadingNumber(text));
}

// Nearest whole number, halves to the even neighbour, whatever the rounding mode.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2) == 0 ? below : below + 1;
}

template <typename Round>
ToneEntry AcceptTone(std::string_view typed, Round round) {
    const double value = LeadingNumber(typed);
    if (value >= kLowestToneHz && value <= kHighestToneHz)
        return {ToneEntryResult::Accepted, ToneText(static_cast<int>(round(value)))};
    if (Trim(typed).empty()) return {ToneEntryResult::Blank, {}};
    return {ToneEntryResult::OutOfRange, {}};
}

// Slot cells in the order pair, response, alert.
DecodeSlotCells Slot(std::string_view pair, const ReplyNames& replies, int reply,
                     std::string_view alert) {
    return {std::string(pair), replies[static_cast<std::size_t>(reply)], std::string(alert)};
}

}  // namespace

std::uint16_t TwoToneFrequencyWord(double hertz) {
    return SaturatedWord(std::floor(hertz + 0.5));
}

std::uint16_t TwoTonePeriodWord(double hertz, double scale) {
    return SaturatedWord(std::floor(1 / hertz * 1000 / scale + 0.5));
}

std::string ToneText(int hertz) {
    return std::to_string(hertz) + ".0";
}

TwoToneSettings DecodeTwoToneImage(const TwoToneImage& image, const ReplyNames& replies) {
    TwoToneSettings settings;
    for (std::size_t c = 0; c < kTwoToneCodes; ++c) {
        const std::size_t line = LineStart(c);
        settings.encode[c].first = FrequencyCell(WordAt(image, line + kFirstFrequency));
        settings.encode[c].second = FrequencyCell(WordAt(image, line + kSecondFrequency));
    }

    const std::size_t durations = LineStart(kDurationsLine);
    settings.firstTone = std::min<int>(image[durations], kToneTimingItems - 1);
    settings.secondTone = std::min<int>(image[durations + 1], kToneTimingItems - 1);
    settings.gap = std::min<int>(image[durations + 2], kToneTimingItems - 1);

    for (std::size_t c = 0; c < kTwoToneCodes; ++c) {
        for (std::size_t s = 0; s < kTwoToneSlots; ++s) {
            const std::size_t at = LineStart(kFirstDecodeLine + c) + s * kSlotBytes;
            DecodeSlotCells& slot = settings.decode[c][s];
            slot.pair = PairCell(image[at]);
            slot.response = ResponseCell(image[at + 1], replies);
            slot.alert = AlertCell(image[at + 2]);
        }
    }

    for (std::size_t k = 0; k < kToneSetLines; ++k) {
        const auto line =
            image.begin() + static_cast<std::ptrdiff_t>(LineStart(kFirstToneSetLine + k));
        std::copy(line, line + kTwoToneLineSize, settings.toneSets[k].begin());
    }
    settings.resetTime = std::min<int>(image[LineStart(kResetTimeLine)], kResetTimeItems - 1);
    return settings;
}

TwoToneImage EncodeTwoToneImage(const TwoToneSettings& settings) {
    TwoToneImage image{};
    for (std::size_t c = 0; c < kTwoToneCodes; ++c) {
        const std::size_t line = LineStart(c);
        PutWord(image, line + kFirstFrequency, FrequencyOfCell(settings.encode[c].first));
        PutWord(image, line + kSecondFrequency, FrequencyOfCell(settings.encode[c].second));
    }

    const std::size_t durations = LineStart(kDurationsLine);
    image[durations] = PositionByte(settings.firstTone);
    image[durations + 1] = PositionByte(settings.secondTone);
    image[durations + 2] = PositionByte(settings.gap);

    for (std::size_t c = 0; c < kTwoToneCodes; ++c) {
        for (std::size_t s = 0; s < kTwoToneSlots; ++s) {
            const std::size_t at = LineStart(kFirstDecodeLine + c) + s * kSlotBytes;
            const DecodeSlotCells& slot = settings.decode[c][s];
            image[at] = PairOfCell(slot.pair);
            image[at + 1] = ResponseOfCell(slot.response);
            image[at + 2] = AlertOfCell(slot.alert);
        }
    }

    for (std::size_t k = 0; k < kTwoToneCodes; ++k) {
        const ToneSetLine& line = settings.toneSets[k];
        std::copy(line.begin(), line.end(),
                  image.begin() + static_cast<std::ptrdiff_t>(LineStart(kFirstToneSetLine + k)));
    }
    image[LineStart(kResetTimeLine)] = PositionByte(settings.resetTime);
    return image;
}

void StoreToneSet(ToneSets& toneSets, int k, const ToneBoxes& boxes, double scale) {
    if (k < 0 || k >= kTwoToneCodes) return;
    ToneSetLine& line = toneSets[static_cast<std::size_t>(k)];
    for (std::size_t tone = 0; tone < kToneSetTones; ++tone) {
        const std::string_view text = Trim(boxes[tone]);
        if (text.empty()) continue;
        const double hertz = LeadingNumber(text);
        PutWord(line, 2 * tone, TwoToneFrequencyWord(hertz));
        PutWord(line, 2 * tone + kPeriodOffset, TwoTonePeriodWord(hertz, scale));
    }
}

ToneBoxes ShowToneSet(const ToneSets& toneSets, int k) {
    ToneBoxes boxes;
    if (k < 0 || k >= kToneSetLines) return boxes;
    const ToneSetLine& line = toneSets[static_cast<std::size_t>(k)];
    for (std::size_t tone = 0; tone < kToneSetTones; ++tone) {
        const unsigned hertz = WordAt(line, 2 * tone);
        if (hertz != 0) boxes[tone] = ToneText(static_cast<int>(hertz));
    }
    return boxes;
}

void SetTwoToneDefaults(TwoToneSettings& settings, const ReplyNames& replies, double scale) {
    settings.toneSets = {};
    settings.firstTone = 60;
    settings.secondTone = 60;
    settings.gap = 30;

    struct EncodeDefault {
        std::size_t code;
        EncodeCells cells;
    };
    const std::array<EncodeDefault, 7> encode = {{
        {1, {"1981.0", "1124.0"}},
        {2, {"1358.0", "1446.0"}},
        {3, {"1540.0", "1640.0"}},
        {12, {"2200.0", "970.0"}},
        {13, {"1060.0", "1160.0"}},
        {14, {"1400.0", "1530.0"}},
        {15, {"1670.0", "1830.0"}},
    }};
    for (const EncodeDefault& entry : encode)
        settings.encode[entry.code - 1] = entry.cells;

    const DecodeCells forward = {Slot("A-B", replies, 1, "1"), Slot("B-C", replies, 2, "2"),
                                 Slot("C-D", replies, 3, "3"), Slot("D-A", replies, 0, "4")};
    const DecodeCells backward = {forward[3], forward[2], forward[1], forward[0]};
    for (std::size_t code : {1, 2, 14})
        settings.decode[code - 1] = forward;
    settings.decode[15 - 1] = backward;

    const std::array<ToneBoxes, 4> tones = {{
        {"1981", "1124", "1197", "1275"},
        {"1358", "1446", "1540", "1640"},
        {"2200", "970", "1060", "1160"},
        {"1400", "1530", "1670", "1830"},
    }};
    for (std::size_t k = 0; k < tones.size(); ++k)
        StoreToneSet(settings.toneSets, static_cast<int>(k), tones[k], scale);

    settings.resetTime = 59;
}

ToneEntry AcceptEncodeCellTone(std::string_view typed) {
    return AcceptTone(typed, [](double value) { return std::floor(value + 0.5); });
}

ToneEntry AcceptToneBoxTone(std::string_view typed) {
    return AcceptTone(typed, RoundHalfEven);
}

const std::array<std::string_view, kTwoTonePairs>& TwoTonePairNames() {
    return kPairNames;
}

DecodeColumn DecodeColumnKind(int col) {
    if (col == 0) return DecodeColumn::Code;
    if (col < 0 || col > 3 * kTwoToneSlots) return DecodeColumn::None;
    switch (col % 3) {
        case 1:
            return DecodeColumn::Pair;
        case 2:
            return DecodeColumn::Response;
        default:
            return DecodeColumn::Alert;
    }
}

int DecodePairColumn(int col) {
    if (col < 1 || col > 3 * kTwoToneSlots) return 0;
    return col - (col - 1) % 3;
}

DecodeCellList DecodeCellItems(int col, const ReplyNames& replies) {
    switch (DecodeColumnKind(col)) {
        case DecodeColumn::Pair:
            return {std::vector<std::string>(kPairNames.begin(), kPairNames.end()), 0};
        case DecodeColumn::Response:
            return {std::vector<std::string>(replies.begin(), replies.end()), 2};
        case DecodeColumn::Alert:
            return {NumberItems(1, 1, kTwoToneAlerts), 0};
        default:
            return {};
    }
}

}  // namespace orvex
