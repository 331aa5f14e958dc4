#pragma once

#include <array>
#include <string>
#include <string_view>

namespace orvex {

// The four parameter file dialogs. They share one design and differ only by the data
// attached to the kind: suffix, request, window name and texts.
enum class FileDialogKind { OpenMenu, SaveMenu, OpenChann, SaveChann };

inline constexpr std::array<FileDialogKind, 4> kFileDialogKinds = {
    FileDialogKind::OpenMenu, FileDialogKind::SaveMenu, FileDialogKind::OpenChann,
    FileDialogKind::SaveChann};

// ".menu" or ".chann", written in lower case.
std::string_view DialogSuffix(FileDialogKind kind);

// The file list's pattern and the name box's initial text: "*.menu" or "*.chann".
std::string DialogPattern(FileDialogKind kind);

enum class NameCheck { Accepted, ForbiddenCharacter, WrongSuffix };

// The name box text without its leading and trailing blanks (spaces).
std::string_view TrimDialogName(std::string_view name);

// Judges a confirmed name after trimming it. A name holding any of * $ \ / # is refused
// first; otherwise it must end with the suffix written entirely in lower case or entirely
// in upper case. The suffix alone (".chann") ends with the suffix and is accepted.
NameCheck CheckDialogName(FileDialogKind kind, std::string_view name);

}  // namespace orvex
