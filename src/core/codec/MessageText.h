#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace orvex {

// At most 24 characters of a faulty value, fit for a message box: valid UTF-8 is kept,
// control characters and broken sequences become '?', and a longer text ends in "...".
std::string PrintableExcerpt(std::string_view text);

// The pattern with %1 to %9 replaced by the arguments in order. A placeholder without an
// argument stays as it is, and the arguments themselves are not searched for placeholders.
std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string> arguments);

}  // namespace orvex
