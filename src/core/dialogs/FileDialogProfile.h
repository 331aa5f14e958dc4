#pragma once

#include <string_view>

#include "core/dialogs/FileNameRule.h"
#include "core/shell/Bilingual.h"
#include "core/shell/FileRequests.h"

namespace orvex {

// Everything that sets one file dialog apart from the others. Captions are picked once,
// when the dialog is built; the two messages when they are shown.
struct FileDialogProfile {
    std::string_view systemName;  // the window's name, e.g. "Form_open_chann"
    FileRequest request;          // raised for the editor on a confirmed name
    Bilingual caption;
    Bilingual driveLabel;
    Bilingual nameLabel;
    Bilingual confirmCaption;
    Bilingual cancelCaption;
    Bilingual forbiddenCharacterMessage;
    Bilingual wrongSuffixMessage;
};

const FileDialogProfile& ProfileOf(FileDialogKind kind);

// The title of every message box of the file dialogs.
inline constexpr Bilingual kFileDialogPromptTitle{"操作提示", "Operate prompt"};

}  // namespace orvex
