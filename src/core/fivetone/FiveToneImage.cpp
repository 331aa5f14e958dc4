#include "core/fivetone/FiveToneImage.h"

#include <algorithm>
#include <cmath>

#include "core/codec/NumberText.h"

namespace orvex {

namespace {

// First lines of the parts of the area.
constexpr int kFreqLowLine = 0;
constexpr int kFreqHighLine = 16;
constexpr int kPeriodLowLine = 32;
constexpr int kPeriodHighLine = 48;
constexpr int kStandardLine = 64;      // + s
constexpr int kEncodeFramesLine = 79;  // + c, c = 1 to 15
constexpr int kTranspondLine = 95;     // + c
constexpr int kTimingLine = 111;
constexpr int kDecodeFramesLine = 111;  // + c
constexpr int kReplyLine = 127;         // + c
constexpr int kReplySettingsLine = 143;

constexpr size_t kStandardByte = 15;
constexpr size_t kFunctionByte = 5;
constexpr size_t kActionByte = 8;
constexpr std::uint8_t kActionFlagBits = 0x0F;
constexpr std::uint8_t kPositionBits = 0x1F;
constexpr std::uint8_t kReplyAfterAllSet = 1;
// The radio takes "reply when idle" as 2, not 1.
constexpr std::uint8_t kReplyWhenIdleSet = 2;

std::uint8_t* Line(FiveToneImage& image, int line) {
    return image.data() + line * kFiveToneLineBytes;
}

// A line of a read, which starts at line 64.
const std::uint8_t* ReadLine(const FiveToneReadImage& image, int line) {
    return image.data() + (line - kFiveToneFirstReadLine) * kFiveToneLineBytes;
}

void PutCode(std::uint8_t* at, std::string_view text) {
    const CodeDigits digits = CodeTextToDigits(text);
    std::copy(digits.begin(), digits.end(), at);
}

std::string CodeAt(const std::uint8_t* at) {
    CodeDigits digits{};
    std::copy_n(at, digits.size(), digits.begin());
    return DigitsToCodeText(digits);
}

std::uint8_t Position(int position) {
    return static_cast<std::uint8_t>(std::clamp(position, 0, 255));
}

int Limited(std::uint8_t position, int items) {
    return std::min<int>(position, items - 1);
}

// Int(Val(text) / 10): the period in units of 10 ms.
std::uint8_t PeriodByte(std::string_view text) {
    const double tens = std::floor(LeadingNumber(text) / 10);
    return static_cast<std::uint8_t>(std::clamp(tens, 0.0, 255.0));
}

std::string_view Digit(std::string_view text) {
    return Trim(text);
}

}  // namespace

std::vector<std::string> ReplyDelayItems() {
    return NumberItems(500, 100, kReplyDelayItems);
}
std::vector<std::string> PeriodItems() {
    return NumberItems(20, 10, 19);
}

std::vector<std::string> ToneDigitItems() {
    std::vector<std::string> items;
    for (std::uint8_t code = 0; code < kFiveToneDigits; ++code)
        items.emplace_back(1, CodeToDigit(code));
    return items;
}

std::string FunctionCodeToName(std::uint8_t code, const FunctionNames& names) {
    return code < names.size() ? names[code] : std::string();
}

std::uint8_t FunctionNameToCode(std::string_view cell) {
    cell = Trim(cell);
    if (cell.empty() || cell.front() < '0' || cell.front() > '9') return kNoCode;
    return static_cast<std::uint8_t>(cell.front() - '0');
}

CodeDigits CodeTextToDigits(std::string_view text) {
    text = Trim(text);
    CodeDigits digits;
    for (size_t i = 0; i < digits.size(); ++i)
        digits[i] = i < text.size() ? DigitToCode(text.substr(i, 1)) : kNoCode;
    return digits;
}

std::string DigitsToCodeText(const CodeDigits& digits) {
    std::string text;
    for (std::uint8_t code : digits)
        text.push_back(CodeToDigit(code));
    return text;
}

namespace {

void PutFrequencyPlanes(FiveToneImage& image) {
    for (int s = 0; s < kFiveToneTableRows; ++s)
        for (int d = 0; d < kFiveToneDigits; ++d) {
            const std::uint16_t word = Std_Freq_Word[size_t(s)][size_t(d)];
            const std::uint16_t period = Std_Period_Count[size_t(s)][size_t(d)];
            Line(image, kFreqLowLine + s)[d] = static_cast<std::uint8_t>(word & 0xFF);
            Line(image, kFreqHighLine + s)[d] = static_cast<std::uint8_t>(word >> 8);
            Line(image, kPeriodLowLine + s)[d] = static_cast<std::uint8_t>(period & 0xFF);
            Line(image, kPeriodHighLine + s)[d] = static_cast<std::uint8_t>(period >> 8);
        }
}

}  // namespace

FiveToneImage FiveToneWriteImage(const FiveToneReadImage& area) {
    FiveToneImage image{};
    PutFrequencyPlanes(image);
    std::copy(area.begin(), area.end(),
              image.begin() + kFiveToneFirstReadLine * kFiveToneLineBytes);
    return image;
}

FiveToneImage EncodeFiveToneImage(const FiveToneSettings& settings) {
    FiveToneImage image{};
    PutFrequencyPlanes(image);

    for (int s = 0; s < kFiveToneStandards; ++s) {
        const FiveToneStandardRow& row = settings.standards[size_t(s)];
        std::uint8_t* line = Line(image, kStandardLine + s);
        line[0] = PeriodByte(row.period);
        line[1] = DigitToCode(Digit(row.groupTone));
        line[2] = DigitToCode(Digit(row.repeatTone));
    }

    for (int c = 1; c <= kFiveToneCodes; ++c) {
        const FiveToneEncodeRow& row = settings.encode[size_t(c - 1)];
        std::uint8_t* frames = Line(image, kEncodeFramesLine + c);
        for (int f = 0; f < kCodeFrames; ++f)
            PutCode(frames + f * kCodeDigits, row.frames[size_t(f)]);
        frames[kStandardByte] = StdNameToIndex(row.standard);
        PutCode(Line(image, kTranspondLine + c), row.transpond);
    }

    std::uint8_t* timings = Line(image, kTimingLine);
    for (size_t i = 0; i < settings.encodeTimings.size(); ++i)
        timings[i] = Position(settings.encodeTimings[i]);

    for (int c = 1; c <= kFiveToneCodes; ++c) {
        const FiveToneDecodeRow& row = settings.decode[size_t(c - 1)];
        std::uint8_t* frames = Line(image, kDecodeFramesLine + c);
        for (int f = 0; f < kCodeFrames; ++f)
            PutCode(frames + f * kCodeDigits, row.frames[size_t(f)]);
        frames[kStandardByte] = StdNameToIndex(row.standard);

        std::uint8_t* reply = Line(image, kReplyLine + c);
        PutCode(reply, row.reply);
        for (size_t f = 0; f < kCodeFrames; ++f)
            reply[kFunctionByte + f] = FunctionNameToCode(row.functions[f]);
        // Only bits 0-3 of a frame's flags and bits 0-4 of its positions have a meaning.
        const DecodeActionValues& actions = settings.DecodeActions[size_t(c - 1)];
        for (size_t f = 0; f < kCodeFrames; ++f) {
            reply[kActionByte + 2 * f] = actions[2 * f] & kActionFlagBits;
            reply[kActionByte + 2 * f + 1] = actions[2 * f + 1] & kPositionBits;
        }
    }

    std::uint8_t* replySettings = Line(image, kReplySettingsLine);
    replySettings[0] = Position(settings.resetTime);
    replySettings[1] = settings.replyAfterAll ? kReplyAfterAllSet : 0;
    replySettings[2] = settings.replyWhenIdle ? kReplyWhenIdleSet : 0;
    replySettings[3] = Position(settings.replyDelay);
    return image;
}

FiveToneSettings DecodeFiveToneImage(const FiveToneReadImage& image, const FunctionNames& names) {
    FiveToneSettings settings;
    for (int s = 0; s < kFiveToneStandards; ++s) {
        const std::uint8_t* line = ReadLine(image, kStandardLine + s);
        settings.standards[size_t(s)] = {std::to_string(line[0] * 10),
                                         std::string(1, CodeToDigit(line[1])),
                                         std::string(1, CodeToDigit(line[2]))};
    }

    for (int c = 1; c <= kFiveToneCodes; ++c) {
        FiveToneEncodeRow& row = settings.encode[size_t(c - 1)];
        const std::uint8_t* frames = ReadLine(image, kEncodeFramesLine + c);
        for (int f = 0; f < kCodeFrames; ++f)
            row.frames[size_t(f)] = CodeAt(frames + f * kCodeDigits);
        row.standard = std::string(StdIndexToName(frames[kStandardByte]));
        row.transpond = CodeAt(ReadLine(image, kTranspondLine + c));
    }

    const std::uint8_t* timings = ReadLine(image, kTimingLine);
    for (size_t i = 0; i < settings.encodeTimings.size(); ++i)
        settings.encodeTimings[i] = Limited(timings[i], kToneTimingItems);

    for (int c = 1; c <= kFiveToneCodes; ++c) {
        FiveToneDecodeRow& row = settings.decode[size_t(c - 1)];
        const std::uint8_t* frames = ReadLine(image, kDecodeFramesLine + c);
        for (int f = 0; f < kCodeFrames; ++f)
            row.frames[size_t(f)] = CodeAt(frames + f * kCodeDigits);
        row.standard = std::string(StdIndexToName(frames[kStandardByte]));

        const std::uint8_t* reply = ReadLine(image, kReplyLine + c);
        row.reply = CodeAt(reply);
        for (size_t f = 0; f < kCodeFrames; ++f)
            row.functions[f] = FunctionCodeToName(reply[kFunctionByte + f], names);
        DecodeActionValues& actions = settings.DecodeActions[size_t(c - 1)];
        std::copy_n(reply + kActionByte, actions.size(), actions.begin());
    }

    const std::uint8_t* replySettings = ReadLine(image, kReplySettingsLine);
    settings.resetTime = Limited(replySettings[0], kResetTimeItems);
    settings.replyAfterAll = replySettings[1] != 0;
    settings.replyWhenIdle = replySettings[2] != 0;
    settings.replyDelay = Limited(replySettings[3], kReplyDelayItems);
    return settings;
}

}  // namespace orvex
