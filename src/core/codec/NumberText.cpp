#include "core/codec/NumberText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace orvex {

std::string_view Trim(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string PlainDecimal(double value) {
    if (value == 0 || !std::isfinite(value)) return "0";
    // 15 significant digits in scientific form, then laid out without an exponent.
    // to_chars does not depend on the locale, unlike printf.
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view sci(buffer, static_cast<size_t>(result.ptr - buffer));
    const auto ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.') digits += c;
    int exponent = 0;
    const auto expText = sci.substr(ePos + 1);
    const bool negativeExp = expText.front() == '-';
    std::from_chars(expText.data() + 1, expText.data() + expText.size(), exponent);
    if (negativeExp) exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string text;
    if (exponent < 0) {
        text = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            text = digits + std::string(intDigits - digits.size(), '0');
        } else {
            text = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return value < 0 ? "-" + text : text;
}

std::string SignedDecimal(double value) {
    return value >= 0 ? " " + PlainDecimal(value) : PlainDecimal(value);
}

namespace {

// Length of the longest prefix of `text` of the form [sign] digits [. digits].
size_t NumberPrefixLength(std::string_view text, bool& hasDigits) {
    size_t i = 0;
    hasDigits = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        hasDigits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            hasDigits = true;
        }
    }
    return i;
}

double ToDouble(std::string_view number) {
    // from_chars does not depend on the locale and does not take a leading '+'.
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    text = Trim(text);
    bool hasDigits = false;
    const size_t length = NumberPrefixLength(text, hasDigits);
    return hasDigits ? ToDouble(text.substr(0, length)) : 0.0;
}

std::optional<double> ParseDecimal(std::string_view text) {
    text = Trim(text);
    bool hasDigits = false;
    const size_t length = NumberPrefixLength(text, hasDigits);
    if (!hasDigits || length != text.size()) return std::nullopt;
    return ToDouble(text);
}

}  // namespace orvex
