#include "core/codec/MessageText.h"

#include <cstddef>

namespace orvex {

namespace {

constexpr int kExcerptCharacters = 24;

bool IsContinuationByte(unsigned char c) {
    return c >= 0x80 && c <= 0xBF;
}

// Length of the well-formed UTF-8 sequence that starts at `at`, or 0 when it is broken.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return at + k < text.size() ? static_cast<unsigned char>(text[at + k]) : 0;
    };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char secondMin = 0x80;
    unsigned char secondMax = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) secondMin = 0xA0;  // overlong
        if (lead == 0xED) secondMax = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) secondMin = 0x90;  // overlong
        if (lead == 0xF4) secondMax = 0x8F;  // beyond U+10FFFF
    } else {
        return 0;
    }
    if (byte(1) < secondMin || byte(1) > secondMax) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!IsContinuationByte(byte(k))) return 0;
    return length;
}

}  // namespace

std::string PrintableExcerpt(std::string_view text) {
    std::string excerpt;
    std::size_t at = 0;
    for (int characters = 0; at < text.size(); ++characters) {
        if (characters == kExcerptCharacters) {
            excerpt += "...";
            break;
        }
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x80) {
            excerpt += (c < 0x20 || c == 0x7F) ? '?' : static_cast<char>(c);
            ++at;
        } else if (const std::size_t length = Utf8SequenceLength(text, at); length > 0) {
            excerpt.append(text.substr(at, length));
            at += length;
        } else {
            excerpt += '?';
            ++at;
        }
    }
    return excerpt;
}

std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string> arguments) {
    std::string text;
    text.reserve(pattern.size() + 64);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < arguments.size()) {
            text += *(arguments.begin() + index);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace orvex
