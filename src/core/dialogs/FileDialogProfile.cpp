#include "core/dialogs/FileDialogProfile.h"

namespace orvex {

namespace {

// The texts are kept exactly as the radios' users know them, odd spaces and spellings
// included.
constexpr Bilingual kDriveLabel{"驱动器：", "Drive:"};
constexpr Bilingual kOpenNameLabel{"打开文件名：", "Open File:"};
constexpr Bilingual kSaveNameLabel{"保存文件名：", "Save File:"};
constexpr Bilingual kConfirm{"确  定", "Confirm"};
constexpr Bilingual kCancel{"取  消", "Cancel"};

constexpr FileDialogProfile kOpenMenu{
    "Form_open_menu",
    FileRequest::Load,
    {"打开可选参数文件", "Open Optional File"},
    kDriveLabel,
    kOpenNameLabel,
    kConfirm,
    kCancel,
    {"打开系统参数文件名无效 ", "Open the file name of system parameter is nullity. "},
    {"无效的系统参数文件后缀名！", "Nullity file suffix name of system parameter."},
};

constexpr FileDialogProfile kSaveMenu{
    "Form_save_menu",
    FileRequest::Save,
    {"保存可选参数文件", "Save Optional File "},
    kDriveLabel,
    kSaveNameLabel,
    kConfirm,
    kCancel,
    {"保存系统参数所需要的文件名无效 ", "Store the file name of system parameter need is nullity."},
    {"建议不要修改系统默认的文件后缀名！",
     "Advice don't modify file suffix name of system default."},
};

constexpr FileDialogProfile kOpenChann{
    "Form_open_chann",
    FileRequest::Load,
    {"打开信道参数文件", "Open Channcle File"},
    kDriveLabel,
    kOpenNameLabel,
    kConfirm,
    kCancel,
    {"打开信道参数文件名无效 ", "Open the file name of channel parameter is nullity "},
    {"无效的信道参数文件后缀名！", "Nullity file suffix name of channel parameter."},
};

constexpr FileDialogProfile kSaveChann{
    "Form_save_chann",
    FileRequest::Save,
    {"保存信道参数文件", "Save Channel File"},
    kDriveLabel,
    kSaveNameLabel,
    kConfirm,
    kCancel,
    {"保存信道参数所需要的文件名无效 ",
     "Store the file name of channel parameter need is nullity. "},
    {"建议不要修改系统默认的文件后缀名！",
     "Advice don't modify file suffix name of system default ！"},
};

}  // namespace

const FileDialogProfile& ProfileOf(FileDialogKind kind) {
    switch (kind) {
        case FileDialogKind::OpenMenu:
            return kOpenMenu;
        case FileDialogKind::SaveMenu:
            return kSaveMenu;
        case FileDialogKind::OpenChann:
            return kOpenChann;
        case FileDialogKind::SaveChann:
            return kSaveChann;
    }
    return kOpenChann;
}

}  // namespace orvex
