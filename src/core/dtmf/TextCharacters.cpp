#include "core/dtmf/TextCharacters.h"

#include <cstddef>
#include <cstdint>

namespace orvex {

namespace {

bool IsContinuation(std::uint8_t byte, std::uint8_t low = 0x80, std::uint8_t high = 0xBF) {
    return byte >= low && byte <= high;
}

struct Decoded {
    char32_t character;
    std::size_t length;  // 0 when the sequence at the position is broken
};

// The well-formed sequences of UTF-8: no overlong forms, no surrogates, nothing above
// U+10FFFF. The second byte of a few lead bytes has a narrower range than 0x80 to 0xBF.
Decoded DecodeAt(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[at + i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) return {lead, 1};

    std::size_t length = 0;
    std::uint8_t secondLow = 0x80;
    std::uint8_t secondHigh = 0xBF;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        if (lead == 0xE0) secondLow = 0xA0;
        if (lead == 0xED) secondHigh = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        if (lead == 0xF0) secondLow = 0x90;
        if (lead == 0xF4) secondHigh = 0x8F;
    } else {
        return {kBrokenCharacter, 0};
    }
    if (text.size() - at < length) return {kBrokenCharacter, 0};
    if (!IsContinuation(byte(1), secondLow, secondHigh)) return {kBrokenCharacter, 0};
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(byte(i))) return {kBrokenCharacter, 0};
    for (std::size_t i = 1; i < length; ++i)
        value = value << 6 | (byte(i) & 0x3F);
    return {value, length};
}

}  // namespace

std::vector<char32_t> TextCharacters(std::string_view text) {
    std::vector<char32_t> characters;
    std::size_t at = 0;
    while (at < text.size()) {
        const Decoded decoded = DecodeAt(text, at);
        characters.push_back(decoded.character);
        at += decoded.length > 0 ? decoded.length : 1;
    }
    return characters;
}

}  // namespace orvex
