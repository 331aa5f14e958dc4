#include "core/options/MenuFile.h"

#include <algorithm>
#include <cstddef>

#include "core/codec/MessageText.h"
#include "core/codec/ValueScanner.h"

namespace orvex {

namespace {

MenuFileError FaultAt(MenuFileFault fault, int value, std::string_view text) {
    MenuFileError error;
    error.fault = fault;
    error.value = value;
    error.text = PrintableExcerpt(text);
    return error;
}

}  // namespace

std::string FormatMenuFile(const OptionImage& image) {
    MenuFileValues values{};
    std::copy(image.begin(), image.end(), values.begin());
    std::string file;
    file.reserve(static_cast<std::size_t>(kMenuFileValues * 5 + kMenuFileLines * 2));
    for (std::size_t i = 0; i < values.size(); ++i) {
        file += ' ';
        file += std::to_string(values[i]);
        file += ' ';
        if ((i + 1) % kMenuFileValuesPerLine == 0) file += "\r\n";
    }
    return file;
}

MenuFileParse ParseMenuFile(std::string_view text) {
    ValueReader reader(WithoutByteOrderMark(text));
    MenuFileValues values{};
    std::string_view token;
    for (int i = 0; i < kMenuFileValues; ++i) {
        if (!reader.next(token)) {
            MenuFileError error;
            error.fault = MenuFileFault::TooFewValues;
            error.found = i;
            return error;
        }
        const ScannedNumber number = ScanNumber(token);
        if (number.shape == NumberShape::NotANumber)
            return FaultAt(MenuFileFault::NotANumber, i + 1, token);
        if (number.shape == NumberShape::WithDecimals)
            return FaultAt(MenuFileFault::HasDecimals, i + 1, token);
        if (number.value < 0 || number.value > 255)
            return FaultAt(MenuFileFault::ValueOutOfRange, i + 1, token);
        values[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(number.value);
    }
    return values;
}

OptionImage MenuFileImage(const MenuFileValues& values) {
    OptionImage image{};
    std::copy_n(values.begin(), image.size(), image.begin());
    return image;
}

}  // namespace orvex
