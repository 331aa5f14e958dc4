#pragma once

#include <string_view>
#include <vector>

namespace orvex {

// Stands for a byte that does not begin a well-formed UTF-8 sequence.
inline constexpr char32_t kBrokenCharacter = U'\uFFFD';

// The characters of a UTF-8 text, one entry per character as the user sees it counted in a
// text box: a character of two, three or four bytes is one entry. Each byte that does not
// begin a well-formed sequence is one entry of its own, kBrokenCharacter, so a broken text
// is never shorter than it looks.
std::vector<char32_t> TextCharacters(std::string_view text);

}  // namespace orvex
