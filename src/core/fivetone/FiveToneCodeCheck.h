#pragma once

#include <string_view>

namespace orvex {

// What the code box laid over a code cell reports as its text changes: the length message
// when it holds six or more characters; with exactly five, one digit message for each
// character of the trimmed text that is not "0" to "9" or "A" to "F". The text stays as
// typed either way. Texts are UTF-8; characters, not bytes, are counted.
struct CodeBoxCheck {
    bool tooLong = false;
    int badDigits = 0;
};
CodeBoxCheck CheckCodeBox(std::string_view text);

// Leaving a code cell: five characters (trimmed) are stored as typed, an empty box leaves
// the cell as it was, any other length is refused with the length message.
enum class CodeLeave { Store, KeepCell, Refuse };
CodeLeave LeaveCodeBox(std::string_view text);

}  // namespace orvex
