#pragma once

#include <cstddef>
#include <string_view>

namespace orvex {

// Parameter files are lists of numbers. These pieces read them the same way everywhere.

bool IsValueSeparator(char c);  // blank, comma, tab, CR or LF

// The values of a text one after another. A run of separators counts as one, so an empty
// field between two commas is not a value.
class ValueReader {
  public:
    explicit ValueReader(std::string_view text) : text_(text) {}

    // The next value, or false at the end of the text.
    bool next(std::string_view& value);

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Files saved by some editors start with a UTF-8 byte order mark.
std::string_view WithoutByteOrderMark(std::string_view text);

enum class NumberShape { Whole, WithDecimals, NotANumber };

struct ScannedNumber {
    NumberShape shape = NumberShape::NotANumber;
    // Whole numbers only. Saturates far above any value a file may hold, so a long run of
    // digits cannot overflow and still counts as out of range.
    long long value = 0;
};

// [sign] digits, or [sign] digits with a decimal point and more digits on either side;
// nothing else may follow.
ScannedNumber ScanNumber(std::string_view text);

}  // namespace orvex
