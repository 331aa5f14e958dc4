#include "core/dialogs/FileNameRule.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::string_view kForbiddenCharacters = "*$\\/#";

// ASCII only: the suffixes are ASCII, and in UTF-8 an ASCII byte is always a whole character.
std::string UpperAscii(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return upper;
}

}  // namespace

std::string_view DialogSuffix(FileDialogKind kind) {
    switch (kind) {
        case FileDialogKind::OpenMenu:
        case FileDialogKind::SaveMenu:
            return ".menu";
        case FileDialogKind::OpenChann:
        case FileDialogKind::SaveChann:
            return ".chann";
    }
    return ".chann";
}

std::string DialogPattern(FileDialogKind kind) {
    return "*" + std::string(DialogSuffix(kind));
}

std::string_view TrimDialogName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = name.find_last_not_of(' ');
    return name.substr(first, last - first + 1);
}

NameCheck CheckDialogName(FileDialogKind kind, std::string_view name) {
    const std::string_view trimmed = TrimDialogName(name);
    if (trimmed.find_first_of(kForbiddenCharacters) != std::string_view::npos) {
        return NameCheck::ForbiddenCharacter;
    }
    const std::string_view lower = DialogSuffix(kind);
    const std::string upper = UpperAscii(lower);
    if (trimmed.ends_with(lower) || trimmed.ends_with(upper)) return NameCheck::Accepted;
    return NameCheck::WrongSuffix;
}

}  // namespace orvex
