#include "core/fivetone/FiveToneCodeCheck.h"

#include "core/codec/NumberText.h"
#include "core/fivetone/FiveToneStandards.h"

namespace orvex {

namespace {

constexpr int kCodeLength = 5;

bool StartsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

int Characters(std::string_view text) {
    int count = 0;
    for (char byte : text)
        count += StartsCharacter(byte);
    return count;
}

}  // namespace

CodeBoxCheck CheckCodeBox(std::string_view text) {
    CodeBoxCheck check;
    const int length = Characters(text);
    check.tooLong = length > kCodeLength;
    if (length != kCodeLength) return check;
    const std::string_view trimmed = Trim(text);
    for (size_t i = 0; i < trimmed.size(); ++i) {
        if (!StartsCharacter(trimmed[i])) continue;
        if (DigitToCode(trimmed.substr(i, 1)) == kNoCode) ++check.badDigits;
    }
    return check;
}

CodeLeave LeaveCodeBox(std::string_view text) {
    const int length = Characters(Trim(text));
    if (length == kCodeLength) return CodeLeave::Store;
    return length == 0 ? CodeLeave::KeepCell : CodeLeave::Refuse;
}

}  // namespace orvex
