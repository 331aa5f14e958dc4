#include "core/fm/FmPresetFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/codec/MessageText.h"
#include "core/codec/NumberText.h"
#include "core/codec/ValueScanner.h"
#include "core/fm/FmCellCommit.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

constexpr std::uint8_t kEmptyLimit = 0xFF;
constexpr std::size_t kDigitsPerLimit = 3;
constexpr int kBandRecord = kFmFileRecords;
constexpr long long kLowestChannelCount = 1;
constexpr long long kHighestChannelCount = 260;

FmPresetFileError FaultAt(FmPresetFileFault fault, int record, int value, std::string_view text) {
    return {.fault = fault, .record = record, .value = value, .text = PrintableExcerpt(text)};
}

void AppendRecord(std::string& file, const FmRecord& record) {
    for (const std::uint8_t value : record) {
        file += ' ';
        file += std::to_string(value);
        file += ' ';
    }
    file += "\r\n";
}

FmRecord FileBandRecord(const FmSettings& settings) {
    const FmBandBoxes& boxes = settings.bandBoxes;
    FmRecord record = EncodeFmBandRecord(boxes);
    std::copy(settings.bandSpare.begin(), settings.bandSpare.end(),
              record.begin() + kFmBandSpareOffset);
    for (std::size_t box = 0; box < boxes.size(); ++box)
        if (Trim(boxes[box]).empty())
            std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(box * kDigitsPerLimit),
                        kDigitsPerLimit, kEmptyLimit);
    return record;
}

// The first value of `record` (1-based) that a preset may not hold, with its fault.
std::optional<FmPresetFileError> CheckPreset(const FmRecord& record, int n) {
    for (std::size_t i = 0; i < kFmFrequencyDigits; ++i)
        if (record[i] > 9)
            return FaultAt(FmPresetFileFault::NotADigit, n, static_cast<int>(i) + 1,
                           std::to_string(record[i]));
    const FmPresetRow row = DecodeFmRecord(record, FmNameBlanks::Kept);
    if (row.frequency.empty()) return std::nullopt;  // an empty preset: its name is not used
    const double mhz = LeadingNumber(row.frequency);
    if (mhz < kFmLowestMhz || mhz > kFmHighestMhz)
        return FaultAt(FmPresetFileFault::FrequencyOutside, n, 1, row.frequency);
    for (std::size_t i = kFmFrequencyDigits; i < record.size(); ++i) {
        const std::uint8_t c = record[i];
        if (c != 0xFF && (c < 0x20 || c > 0x7E))
            return FaultAt(FmPresetFileFault::NotACharacter, n, static_cast<int>(i) + 1,
                           std::to_string(c));
    }
    return std::nullopt;
}

std::optional<FmPresetFileError> CheckBandRecord(const FmRecord& record) {
    for (std::size_t first = 0; first < 4 * kDigitsPerLimit; first += kDigitsPerLimit) {
        const auto begin = record.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end = begin + kDigitsPerLimit;
        if (std::all_of(begin, end, [](std::uint8_t d) { return d == kEmptyLimit; })) continue;
        for (auto it = begin; it != end; ++it)
            if (*it > 9)
                return FaultAt(FmPresetFileFault::NotADigit, kBandRecord,
                               static_cast<int>(it - record.begin()) + 1, std::to_string(*it));
    }
    return std::nullopt;
}

}  // namespace

std::string FormatFmPresetFile(const FmSettings& settings) {
    std::string file = " " + std::to_string(kFmPresetFileMarker) + " \r\n";
    for (const FmPresetRow& row : settings.presets)
        AppendRecord(file, EncodeFmRow(row));
    AppendRecord(file, FileBandRecord(settings));
    return file;
}

FmPresetFileParse ParseFmPresetFile(std::string_view text) {
    ValueReader reader(WithoutByteOrderMark(text));
    std::string_view token;
    if (!reader.next(token)) return FaultAt(FmPresetFileFault::NoCount, 0, 0, {});
    const ScannedNumber kind = ScanNumber(token);
    if (kind.shape == NumberShape::NotANumber)
        return FaultAt(FmPresetFileFault::NotANumber, 0, 0, token);
    if (kind.shape == NumberShape::WithDecimals)
        return FaultAt(FmPresetFileFault::HasDecimals, 0, 0, token);
    if (kind.value >= kLowestChannelCount && kind.value <= kHighestChannelCount) {
        FmPresetFileError error = FaultAt(FmPresetFileFault::ChannelFile, 0, 0, token);
        error.number = kind.value;
        return error;
    }
    if (kind.value != kFmPresetFileMarker)
        return FaultAt(FmPresetFileFault::UnknownKind, 0, 0, token);

    std::array<FmRecord, kFmFileRecords> records{};
    for (int n = 1; n <= kFmFileRecords; ++n) {
        FmRecord& record = records[static_cast<std::size_t>(n - 1)];
        for (int v = 1; v <= static_cast<int>(kFmRecordBytes); ++v) {
            if (!reader.next(token)) {
                FmPresetFileError error = FaultAt(FmPresetFileFault::TooFewValues, n, v, {});
                error.number = static_cast<long long>(kFmFileRecords - n) * kFmRecordBytes +
                               static_cast<long long>(kFmRecordBytes) - v + 1;
                return error;
            }
            const ScannedNumber number = ScanNumber(token);
            if (number.shape == NumberShape::NotANumber)
                return FaultAt(FmPresetFileFault::NotANumber, n, v, token);
            if (number.shape == NumberShape::WithDecimals)
                return FaultAt(FmPresetFileFault::HasDecimals, n, v, token);
            if (number.value < 0 || number.value > 255)
                return FaultAt(FmPresetFileFault::ValueOutOfRange, n, v, token);
            record[static_cast<std::size_t>(v - 1)] = static_cast<std::uint8_t>(number.value);
        }
    }
    if (reader.next(token))
        return FaultAt(FmPresetFileFault::TooManyValues, kBandRecord + 1, 1, token);

    FmSettings settings;
    for (int n = 1; n <= kFmPresetCount; ++n) {
        const FmRecord& record = records[static_cast<std::size_t>(n - 1)];
        if (auto fault = CheckPreset(record, n)) return *fault;
        settings.presets[static_cast<std::size_t>(n - 1)] =
            DecodeFmRecord(record, FmNameBlanks::Kept);
    }
    const FmRecord& band = records[kBandRecord - 1];
    if (auto fault = CheckBandRecord(band)) return *fault;
    settings.bandBoxes = DecodeFmBandRecord(band);
    std::copy(band.begin() + kFmBandSpareOffset, band.end(), settings.bandSpare.begin());
    return settings;
}

namespace {

// %1 to %9 stand for the arguments in order.
constexpr Bilingual kNoCount{"FM 收音机参数文件是空的。", "The FM preset file is empty."};
constexpr Bilingual kNotANumber{"FM 收音机参数文件中有一项不是数字：“%1”%2。",
                                "The FM preset file holds something that is not a number: "
                                "\"%1\"%2."};
constexpr Bilingual kHasDecimals{"FM 收音机参数文件中有带小数的数：“%1”%2。只允许整数。",
                                 "The FM preset file holds a number with decimals: \"%1\"%2. "
                                 "Only whole numbers are allowed."};
constexpr Bilingual kChannelFile{
    "这是一个信道参数文件（%1 个信道），不是 FM 收音机参数文件。请在信道编辑窗口中打开它。",
    "This is a channel file (%1), not an FM preset file. Open it in the channel editor."};
constexpr Bilingual kUnknownKind{
    "这不是 FM 收音机参数文件：文件开头是“%1”，FM 收音机参数文件以 12288 开头。",
    "This is not an FM preset file: it starts with \"%1\", an FM preset file starts with 12288."};
constexpr Bilingual kTooFewValues{"FM 收音机参数文件不完整：%2缺少 %1 个数值。",
                                  "The FM preset file is incomplete: %1 missing%2."};
constexpr Bilingual kTooManyValues{"FM 收音机参数文件在频段记录之后还有内容：“%1”。",
                                   "The FM preset file goes on after the band record: \"%1\"."};
constexpr Bilingual kValueOutOfRange{"FM 收音机参数文件中有超出 0 到 255 范围的数值：%1%2。",
                                     "The FM preset file holds a value outside 0 to 255: %1%2."};
constexpr Bilingual kNotADigit{"FM 收音机参数文件中的频率数字不是 0 到 9：%1%2。",
                               "The FM preset file holds a frequency digit that is not 0 to 9: "
                               "%1%2."};
constexpr Bilingual kFrequencyOutside{
    "FM 收音机参数文件中的频率 %1 MHZ 超出 87.5 到 108 MHZ 的范围%2。",
    "The FM preset file holds the frequency %1 MHZ, outside 87.5 to 108 MHZ%2."};
constexpr Bilingual kNotACharacter{
    "FM 收音机参数文件中的电台名称含有无法显示的字符代码 %1%2。",
    "The FM preset file holds a station name character code that cannot be shown: %1%2."};

constexpr Bilingual kAtFirstLine{"（文件第一行）", " (the first line of the file)"};
constexpr Bilingual kAtPreset{"（第 %1 个预置电台，第 %2 个数值）", " (preset %1, value %2)"};
constexpr Bilingual kAtBand{"（频段记录，第 %2 个数值）", " (band record, value %2)"};

std::string Location(const FmPresetFileError& error, int languageFlag) {
    if (error.record == 0) return kAtFirstLine.str(languageFlag);
    const Bilingual& pattern = error.record == kBandRecord ? kAtBand : kAtPreset;
    return FillPlaceholders(pattern.pick(languageFlag),
                            {std::to_string(error.record), std::to_string(error.value)});
}

std::string Counted(long long n, std::string_view one, std::string_view many, int languageFlag) {
    if (languageFlag != 0) return std::to_string(n);
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

}  // namespace

std::string FmPresetFileErrorText(const FmPresetFileError& error, int languageFlag) {
    const auto located = [&](const Bilingual& pattern) {
        return FillPlaceholders(pattern.pick(languageFlag),
                                {error.text, Location(error, languageFlag)});
    };
    switch (error.fault) {
        case FmPresetFileFault::NoCount:
            return kNoCount.str(languageFlag);
        case FmPresetFileFault::NotANumber:
            return located(kNotANumber);
        case FmPresetFileFault::HasDecimals:
            return located(kHasDecimals);
        case FmPresetFileFault::ChannelFile:
            return FillPlaceholders(kChannelFile.pick(languageFlag),
                                    {Counted(error.number, "channel", "channels", languageFlag)});
        case FmPresetFileFault::UnknownKind:
            return FillPlaceholders(kUnknownKind.pick(languageFlag), {error.text});
        case FmPresetFileFault::TooFewValues:
            return FillPlaceholders(kTooFewValues.pick(languageFlag),
                                    {Counted(error.number, "value", "values", languageFlag),
                                     Location(error, languageFlag)});
        case FmPresetFileFault::TooManyValues:
            return FillPlaceholders(kTooManyValues.pick(languageFlag), {error.text});
        case FmPresetFileFault::ValueOutOfRange:
            return located(kValueOutOfRange);
        case FmPresetFileFault::NotADigit:
            return located(kNotADigit);
        case FmPresetFileFault::FrequencyOutside:
            return located(kFrequencyOutside);
        case FmPresetFileFault::NotACharacter:
            return located(kNotACharacter);
    }
    return kNoCount.str(languageFlag);
}

}  // namespace orvex
