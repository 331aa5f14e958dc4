#include <string_view>

#include "core/codec/MessageText.h"
#include "core/image/RadioImage.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

// %1 to %9 in the message texts stand for the arguments in order; %1 is always the line.
constexpr Bilingual kAtLine{"第 %1 行：", "Line %1: "};

constexpr Bilingual kUnknownFormat{
    "该文件不是 Orvex 电台镜像文件：第一行应为“orvex-radio-image 1”，实际为“%2”。",
    "the file is not an Orvex radio image: its first line must be \"orvex-radio-image 1\", "
    "not \"%2\"."};
constexpr Bilingual kUnknownVersion{
    "电台镜像文件的格式版本为“%2”，本程序只能读取版本 1。",
    "the radio image is in version \"%2\" of the format; this program reads version 1 only."};
constexpr Bilingual kUnreadableLine{
    "“%2”既不是文件头字段、区域行、存储器行，也不是注释。",
    "\"%2\" is neither a header field, an area line, a memory line nor a comment."};
constexpr Bilingual kUnknownHeaderField{"未知的文件头字段“%2”。", "unknown header field \"%2\"."};
constexpr Bilingual kDuplicateHeaderField{"文件头字段“%2”出现了两次。",
                                          "the header field \"%2\" is given twice."};
constexpr Bilingual kBadHeaderValue{"文件头字段“%3”的值“%2”无效%4。",
                                    "the header field \"%3\" has an invalid value \"%2\"%4."};
constexpr Bilingual kMissingHeaderField{
    "缺少文件头字段“%2”；在第一个区域之前，文件头必须包含 band-lower、band-upper、family、"
    "program-version 和 time。",
    "the header field \"%2\" is missing; before the first area the header must hold band-lower, "
    "band-upper, family, program-version and time."};
constexpr Bilingual kUnknownArea{
    "未知的区域“[%2]”；区域只有 channels、dtmf、options、fivetone、twotone 和 fm。",
    "unknown area \"[%2]\"; the areas are channels, dtmf, options, fivetone, twotone and fm."};
constexpr Bilingual kDuplicateArea{"区域 [%2] 第二次出现。",
                                   "the area [%2] appears a second time."};
constexpr Bilingual kLineOutsideArea{"存储器行“%2”出现在第一个区域行之前。",
                                     "the memory line \"%2\" stands before the first area line."};
constexpr Bilingual kBadAddress{
    "“%2”不是地址：存储器行以四位十六进制地址和冒号开头。",
    "\"%2\" is not an address: a memory line starts with four hex digits and a colon."};
constexpr Bilingual kAddressOutsideArea{"地址 %2 不在区域 [%3]（%4 到 %5）之内。",
                                        "the address %2 lies outside the area [%3] (%4 to %5)."};
constexpr Bilingual kAddressNotAligned{"地址 %2 不是 16（十六进制 10）的整数倍。",
                                       "the address %2 is not a multiple of 16 (hex 10)."};
constexpr Bilingual kDuplicateAddress{"地址 %2 在本区域中第二次出现。",
                                      "the address %2 appears a second time in its area."};
constexpr Bilingual kAddressOutOfOrder{
    "此处应为地址 %3 的行，实际为 %2；区域内的行必须按地址顺序排列，中间不能缺行。",
    "the line for address %3 is expected here, not %2; the lines of an area run in address "
    "order without gaps."};
constexpr Bilingual kBadValue{"第 %3 个数值“%2”不是两位十六进制数。",
                              "value %3, \"%2\", is not two hex digits."};
constexpr Bilingual kValueOutOfRange{"第 %3 个数值“%2”超出 00 到 FF（0 到 255）的范围。",
                                     "value %3, \"%2\", lies outside 00 to FF (0 to 255)."};
constexpr Bilingual kTruncatedLine{"该行只有 %2 个数值，存储器行应有 16 个数值。",
                                   "the line holds only %2 values; a memory line holds 16."};
constexpr Bilingual kExtraValues{"该行有 %2 个数值，存储器行应有 16 个数值。",
                                 "the line holds %2 values; a memory line holds 16."};
constexpr Bilingual kIncompleteArea{
    "区域 [%2] 不完整：缺少地址 %3 的行；一个区域必须包含从 %4 到 %5 的全部行。",
    "the area [%2] is incomplete: the line for address %3 is missing; an area holds every line "
    "from %4 to %5."};
constexpr Bilingual kNoAreas{"电台镜像文件中没有任何区域。", "the radio image holds no area."};

constexpr Bilingual kBandHint{"（应为 0 到 999 的整数 MHz）",
                              " (a whole number of MHz from 0 to 999)"};
constexpr Bilingual kFamilyHint{"（应为两位十六进制数）", " (two hex digits)"};
constexpr Bilingual kVersionHint{"（应为一行文字）", " (one line of text)"};
constexpr Bilingual kTimeHint{"（应为 UTC 时间 YYYY-MM-DDTHH:MM:SSZ）",
                              " (UTC time as YYYY-MM-DDTHH:MM:SSZ)"};

std::string Hex4(unsigned value) {
    static constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string out(4, '0');
    for (int n = 3; n >= 0; --n, value >>= 4)
        out[static_cast<std::size_t>(n)] = kDigits[value & 0xF];
    return out;
}

std::string HeaderHint(const std::string& key, int languageFlag) {
    if (key == "band-lower" || key == "band-upper") return kBandHint.str(languageFlag);
    if (key == "family") return kFamilyHint.str(languageFlag);
    if (key == "program-version") return kVersionHint.str(languageFlag);
    if (key == "time") return kTimeHint.str(languageFlag);
    return {};
}

// The area's first and last address, for the texts that name its range.
std::pair<std::string, std::string> RangeOf(std::string_view areaName) {
    const auto area = AreaFromName(areaName);
    if (!area) return {"?", "?"};
    const RadioAreaRange range = AreaRange(*area);
    return {Hex4(range.first), Hex4(range.last)};
}

std::string Body(const RadioImageError& e, int flag) {
    const std::string count = std::to_string(e.count);
    switch (e.fault) {
        case RadioImageFault::UnknownFormat:
            return FillPlaceholders(kUnknownFormat.pick(flag), {"", e.text});
        case RadioImageFault::UnknownVersion:
            return FillPlaceholders(kUnknownVersion.pick(flag), {"", e.text});
        case RadioImageFault::UnreadableLine:
            return FillPlaceholders(kUnreadableLine.pick(flag), {"", e.text});
        case RadioImageFault::UnknownHeaderField:
            return FillPlaceholders(kUnknownHeaderField.pick(flag), {"", e.text});
        case RadioImageFault::DuplicateHeaderField:
            return FillPlaceholders(kDuplicateHeaderField.pick(flag), {"", e.text});
        case RadioImageFault::BadHeaderValue:
            return FillPlaceholders(kBadHeaderValue.pick(flag),
                                    {"", e.text, e.detail, HeaderHint(e.detail, flag)});
        case RadioImageFault::MissingHeaderField:
            return FillPlaceholders(kMissingHeaderField.pick(flag), {"", e.text});
        case RadioImageFault::UnknownArea:
            return FillPlaceholders(kUnknownArea.pick(flag), {"", e.text});
        case RadioImageFault::DuplicateArea:
            return FillPlaceholders(kDuplicateArea.pick(flag), {"", e.text});
        case RadioImageFault::LineOutsideArea:
            return FillPlaceholders(kLineOutsideArea.pick(flag), {"", e.text});
        case RadioImageFault::BadAddress:
            return FillPlaceholders(kBadAddress.pick(flag), {"", e.text});
        case RadioImageFault::AddressOutsideArea: {
            const auto [first, last] = RangeOf(e.detail);
            return FillPlaceholders(kAddressOutsideArea.pick(flag),
                                    {"", e.text, e.detail, first, last});
        }
        case RadioImageFault::AddressNotAligned:
            return FillPlaceholders(kAddressNotAligned.pick(flag), {"", e.text});
        case RadioImageFault::DuplicateAddress:
            return FillPlaceholders(kDuplicateAddress.pick(flag), {"", e.text});
        case RadioImageFault::AddressOutOfOrder:
            return FillPlaceholders(kAddressOutOfOrder.pick(flag), {"", e.text, e.detail});
        case RadioImageFault::BadValue:
            return FillPlaceholders(kBadValue.pick(flag), {"", e.text, count});
        case RadioImageFault::ValueOutOfRange:
            return FillPlaceholders(kValueOutOfRange.pick(flag), {"", e.text, count});
        case RadioImageFault::TruncatedLine:
            return FillPlaceholders(kTruncatedLine.pick(flag), {"", count});
        case RadioImageFault::ExtraValues:
            return FillPlaceholders(kExtraValues.pick(flag), {"", count});
        case RadioImageFault::IncompleteArea: {
            const auto [first, last] = RangeOf(e.text);
            return FillPlaceholders(kIncompleteArea.pick(flag),
                                    {"", e.text, e.detail, first, last});
        }
        case RadioImageFault::NoAreas:
            return kNoAreas.str(flag);
    }
    return kNoAreas.str(flag);
}

}  // namespace

std::string RadioImageErrorText(const RadioImageError& error, int languageFlag) {
    return FillPlaceholders(kAtLine.pick(languageFlag), {std::to_string(error.line)}) +
           Body(error, languageFlag);
}

}  // namespace orvex
