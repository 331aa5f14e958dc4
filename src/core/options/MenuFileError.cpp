#include "core/options/MenuFileError.h"

#include "core/codec/MessageText.h"
#include "core/options/MenuFile.h"
#include "core/shell/Bilingual.h"

namespace orvex {

namespace {

// %1 to %9 in the message texts stand for the arguments in order.
constexpr Bilingual kTooFewValues{"可选参数文件不完整：应有 192 个数值，只有 %1 个。",
                                  "The optional features file is incomplete: it holds only %1 "
                                  "of its 192 values."};
constexpr Bilingual kNotANumber{"可选参数文件中有一项不是数字：“%1”%2。",
                                "The optional features file holds something that is not a "
                                "number: \"%1\"%2."};
constexpr Bilingual kHasDecimals{"可选参数文件中有带小数的数：“%1”%2。只允许整数。",
                                 "The optional features file holds a number with decimals: "
                                 "\"%1\"%2. Only whole numbers are allowed."};
constexpr Bilingual kValueOutOfRange{"可选参数文件中有超出 0 到 255 范围的数值：%1%2。",
                                     "The optional features file holds a value outside 0 to "
                                     "255: %1%2."};

constexpr Bilingual kAt{"（第 %1 个数值，第 %2 行第 %3 个）", " (value %1, line %2, position %3)"};

std::string Location(const MenuFileError& error, int languageFlag) {
    const int index = error.value - 1;
    return FillPlaceholders(
        kAt.pick(languageFlag),
        {std::to_string(error.value), std::to_string(index / kMenuFileValuesPerLine + 1),
         std::to_string(index % kMenuFileValuesPerLine + 1)});
}

std::string FaultyValueText(const Bilingual& pattern, const MenuFileError& error,
                            int languageFlag) {
    return FillPlaceholders(pattern.pick(languageFlag),
                            {error.text, Location(error, languageFlag)});
}

}  // namespace

std::string MenuFileErrorText(const MenuFileError& error, int languageFlag) {
    switch (error.fault) {
        case MenuFileFault::TooFewValues:
            break;
        case MenuFileFault::NotANumber:
            return FaultyValueText(kNotANumber, error, languageFlag);
        case MenuFileFault::HasDecimals:
            return FaultyValueText(kHasDecimals, error, languageFlag);
        case MenuFileFault::ValueOutOfRange:
            return FaultyValueText(kValueOutOfRange, error, languageFlag);
    }
    return FillPlaceholders(kTooFewValues.pick(languageFlag), {std::to_string(error.found)});
}

}  // namespace orvex
