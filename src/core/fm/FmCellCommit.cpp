#include "core/fm/FmCellCommit.h"

#include <cmath>
#include <optional>
#include <vector>

#include "core/codec/Frequency.h"
#include "core/codec/NumberText.h"
#include "core/dtmf/TextCharacters.h"

namespace orvex {

namespace {

constexpr std::size_t kNameLength = 6;

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

FmFrequencyOutcome CommitFmFrequency(std::string_view typed) {
    if (Trim(typed).empty()) return {FmFrequencyCommit::Cleared, {}};
    const std::optional<double> value = ParseDecimal(typed);
    if (!value || !(*value >= kFmLowestMhz && *value <= kFmHighestMhz))
        return {FmFrequencyCommit::OutOfRange, CanonicalMHz(kFmLowestMhz)};
    return {FmFrequencyCommit::Accepted, CanonicalMHz(*value)};
}

FmNameOutcome CommitFmName(std::string_view typed, bool rowHasFrequency) {
    const std::vector<char32_t> characters = TextCharacters(Trim(typed));
    FmNameOutcome outcome{characters.size() > kNameLength, {}};
    if (!rowHasFrequency) return outcome;
    for (std::size_t i = 0; i < characters.size() && i < kNameLength; ++i)
        AppendUtf8(outcome.text, characters[i]);
    return outcome;
}

}  // namespace orvex
