#include "core/codec/ValueScanner.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr long long kSaturated = 1'000'000'000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool IsValueSeparator(char c) {
    return c == ' ' || c == ',' || c == '\r' || c == '\n' || c == '\t';
}

bool ValueReader::next(std::string_view& value) {
    while (pos_ < text_.size() && IsValueSeparator(text_[pos_]))
        ++pos_;
    if (pos_ == text_.size()) return false;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsValueSeparator(text_[pos_]))
        ++pos_;
    value = text_.substr(start, pos_ - start);
    return true;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom) text.remove_prefix(kBom.size());
    return text;
}

ScannedNumber ScanNumber(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    bool hasDigits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = std::min(kSaturated, magnitude * 10 + (text[i] - '0'));
        hasDigits = true;
    }
    bool hasPoint = false;
    if (i < text.size() && text[i] == '.') {
        hasPoint = true;
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            hasDigits = true;
    }
    if (!hasDigits || i != text.size()) return {};
    if (hasPoint) return {NumberShape::WithDecimals, 0};
    return {NumberShape::Whole, negative ? -magnitude : magnitude};
}

}  // namespace orvex
