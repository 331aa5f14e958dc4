#pragma once

#include "core/shell/Bilingual.h"

namespace orvex::port_setup_texts {

inline constexpr Bilingual kCaption{"通讯端口设置", "Communication Port Setup"};
inline constexpr Bilingual kFrame{"端口设置", "Port Setup"};
inline constexpr Bilingual kConfirm{"确 定", "Confirm"};
inline constexpr Bilingual kCancel{"取 消", "Cancel"};

// Beside a COM number that no serial device of this machine stands for.
inline constexpr Bilingual kNoDevice{"（无设备）", "(no device)"};

}  // namespace orvex::port_setup_texts
