#include "core/channels/ChannelFileError.h"

#include <string_view>

#include "core/codec/MessageText.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

// %1 to %9 in the message texts stand for the arguments in order.
constexpr Bilingual kNoCount{"信道文件是空的，连信道数量都没有。",
                             "The channel file is empty: it does not even hold the channel "
                             "count."};
constexpr Bilingual kNotANumber{"信道文件中有一项不是数字：“%1”%2。",
                                "The channel file holds something that is not a number: "
                                "\"%1\"%2."};
constexpr Bilingual kHasDecimals{"信道文件中有带小数的数：“%1”%2。只允许整数。",
                                 "The channel file holds a number with decimals: \"%1\"%2. "
                                 "Only whole numbers are allowed."};
constexpr Bilingual kCountOutOfRange{"信道文件中的信道数量是 %1，信道数量必须在 1 到 260 之间。",
                                     "The channel file announces %1 channels; the channel count "
                                     "must be from 1 to 260."};
constexpr Bilingual kValueOutOfRange{"信道文件中有超出 0 到 255 范围的数值：%1%2。",
                                     "The channel file holds a value outside 0 to 255: %1%2."};
constexpr Bilingual kTooFewValues{
    "信道文件不完整：文件声明有 %1 个信道，但只有 %2 条完整的信道记录（缺少 %3 条记录，共 %4 "
    "个数值）。",
    "The channel file is incomplete: it announces %1 but holds only %2 (%3 and %4 missing)."};
constexpr Bilingual kFmPresetFile{
    "这是一个 FM 收音机参数文件，不是信道参数文件，不能作为信道调入。",
    "This is an FM preset file, not a channel file; it cannot be loaded as channels."};

constexpr Bilingual kAtCount{"（文件开头的信道数量）",
                             " (the channel count at the start of the file)"};
constexpr Bilingual kAtRecord{"（第 %1 条信道记录，第 %2 个数值）", " (record %1, value %2)"};

std::string Location(const ChannelFileError& error, int languageFlag) {
    if (error.record == 0) return kAtCount.str(languageFlag);
    return FillPlaceholders(kAtRecord.pick(languageFlag),
                            {std::to_string(error.record), std::to_string(error.value)});
}

// English needs the noun with its number; the Chinese texts carry their own measure words.
std::string Counted(long long n, std::string_view one, std::string_view many, int languageFlag) {
    if (languageFlag != 0) return std::to_string(n);
    return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

std::string TooFewValuesText(const ChannelFileError& error, int languageFlag) {
    const int missingRecords = error.announcedCount - error.completeRecords;
    return FillPlaceholders(
        kTooFewValues.pick(languageFlag),
        {Counted(error.announcedCount, "channel", "channels", languageFlag),
         Counted(error.completeRecords, "complete record", "complete records", languageFlag),
         Counted(missingRecords, "record", "records", languageFlag),
         Counted(error.missingValues, "value", "values", languageFlag)});
}

}  // namespace

std::string ChannelFileErrorText(const ChannelFileError& error, int languageFlag) {
    switch (error.fault) {
        case ChannelFileFault::NoCount:
            return kNoCount.str(languageFlag);
        case ChannelFileFault::NotANumber:
            return FillPlaceholders(kNotANumber.pick(languageFlag),
                                    {error.text, Location(error, languageFlag)});
        case ChannelFileFault::HasDecimals:
            return FillPlaceholders(kHasDecimals.pick(languageFlag),
                                    {error.text, Location(error, languageFlag)});
        case ChannelFileFault::CountOutOfRange:
            return FillPlaceholders(kCountOutOfRange.pick(languageFlag), {error.text});
        case ChannelFileFault::ValueOutOfRange:
            return FillPlaceholders(kValueOutOfRange.pick(languageFlag),
                                    {error.text, Location(error, languageFlag)});
        case ChannelFileFault::TooFewValues:
            return TooFewValuesText(error, languageFlag);
        case ChannelFileFault::FmPresetFile:
            return kFmPresetFile.str(languageFlag);
    }
    return kNoCount.str(languageFlag);
}

}  // namespace orvex
