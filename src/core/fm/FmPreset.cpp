#include "core/fm/FmPreset.h"

#include <algorithm>
#include <string>
#include <vector>

#include "core/codec/Frequency.h"
#include "core/codec/NumberText.h"
#include "core/dtmf/TextCharacters.h"

namespace orvex {

namespace {

constexpr std::uint8_t kNoCharacter = 0xFF;
constexpr std::size_t kNameOffset = kFmFrequencyDigits;
constexpr std::uint8_t kUnwritableCharacter = '?';

std::size_t NameStart(std::size_t length) {
    if (length >= 6) return 8;
    if (length == 5) return 9;
    if (length >= 3) return 10;
    return 11;
}

std::uint8_t NameByte(char32_t c) {
    if (c < 0x20 || c > 0x7E) return kUnwritableCharacter;
    if (c >= 'a' && c <= 'z') c -= 'a' - 'A';
    return static_cast<std::uint8_t>(c);
}

bool IsShownInName(std::uint8_t code) {
    return code > 0x20 && code < 0x7F;
}

void PutFrequency(FmRecord& record, std::string_view text) {
    // The grid's text has its own width: nine characters from 100 MHz, eight below. Taking
    // the width from the frequency itself lets the channel codec's position rule read it.
    const FrequencyBytes packed = Freq_Encode(text, LeadingNumber(text));
    for (std::size_t i = 0; i < packed.size(); ++i) {
        const std::uint8_t byte = packed[packed.size() - 1 - i];
        record[2 * i] = static_cast<std::uint8_t>(byte >> 4);
        record[2 * i + 1] = static_cast<std::uint8_t>(byte & 0x0F);
    }
}

void PutName(FmRecord& record, std::string_view text) {
    std::vector<char32_t> characters = TextCharacters(Trim(text));
    if (characters.size() > kFmNameLength) characters.resize(kFmNameLength);
    std::size_t at = NameStart(characters.size());
    for (const char32_t c : characters)
        record[at++] = NameByte(c);
}

}  // namespace

FmRecord EncodeFmRow(const FmPresetRow& row) {
    FmRecord record{};
    std::fill(record.begin() + kNameOffset, record.end(), kNoCharacter);
    const std::string_view frequency = Trim(row.frequency);
    if (frequency.empty()) return record;
    PutFrequency(record, frequency);
    PutName(record, row.name);
    return record;
}

FmPresetRow DecodeFmRecord(const FmRecord& record, FmNameBlanks blanks) {
    std::array<std::uint8_t, kFmFrequencyDigits> digits{};
    std::copy_n(record.begin(), digits.size(), digits.begin());
    const bool empty = std::all_of(digits.begin(), digits.end(), [](auto d) { return d == 0; });
    const bool decimal = std::all_of(digits.begin(), digits.end(), [](auto d) { return d <= 9; });
    if (empty || !decimal) return {};

    FmPresetRow row{.frequency = Cov_Freq_Digits(digits), .name = {}};
    for (std::size_t i = kNameOffset; i < record.size(); ++i) {
        const bool blank = record[i] == ' ' && blanks == FmNameBlanks::Kept;
        if (IsShownInName(record[i]) || blank) row.name += static_cast<char>(record[i]);
    }
    row.name = std::string(Trim(row.name));
    return row;
}

}  // namespace orvex
