#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// A number in plain decimal with the fewest digits that represent it: at most 15
// significant digits, no exponent, no trailing zeros after the point, no point for whole
// numbers (140 -> "140", 88.5 -> "88.5", 0.25 -> "0.25").
std::string PlainDecimal(double value);

// The number-to-text rule of the status bar: non-negative numbers get one leading blank
// (400 -> " 400").
std::string SignedDecimal(double value);

// The leading number of a text, or 0 when it does not start with one. Leading and trailing
// blanks are skipped; reading stops at the first character that cannot continue the number
// ("146.52abc" -> 146.52, "OFF" -> 0).
double LeadingNumber(std::string_view text);

// The value of a text that is a plain decimal number and nothing else (blanks around it
// allowed): an optional sign, digits, at most one point. Anything else gives no value.
std::optional<double> ParseDecimal(std::string_view text);

std::string_view Trim(std::string_view text);

}  // namespace orvex
