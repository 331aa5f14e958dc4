#pragma once

#include <string>

namespace orvex {

enum class MenuFileFault {
    TooFewValues,     // the file ends before the 192nd value
    NotANumber,       // a value that is not a decimal number
    HasDecimals,      // a number with a decimal point, such as 12.5
    ValueOutOfRange,  // a value below 0 or above 255
};

struct MenuFileError {
    MenuFileFault fault = MenuFileFault::TooFewValues;
    int value = 0;     // 1 to 192: which value of the file is faulty
    std::string text;  // the faulty text, shortened, unprintable bytes replaced by '?'
    int found = 0;     // TooFewValues: how many values the file holds
};

// The fault in words, with where it stands: the value's number and its line and position as
// the program writes the file, 16 values a line. `languageFlag` 0 gives English, anything
// else Chinese.
std::string MenuFileErrorText(const MenuFileError& error, int languageFlag);

}  // namespace orvex
