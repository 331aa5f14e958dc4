#pragma once

#include <array>
#include <string>

#include "core/options/OptionImage.h"
#include "core/shell/Bilingual.h"

namespace orvex {

enum class LimitMessage { None, R1, R2, R3, R4, T1, T2, T3, T4 };

// The check a limit box runs as it loses the focus, on the four limit texts (index by
// OptionLimit), changing them as the check says. L is the lowest working MHz (Band_Low), H the
// highest (Band_High - 1). Returns the message to show, None when the check passes; whenever a
// message is returned the focus goes back to `box`.
//
// A box's value is the number its text starts with, 0 when it does not start with one. Equal
// values always pass. Only the receive limits are held to the band; the transmit limits are
// held to each other and to the receive limits.
LimitMessage CheckOptionLimit(OptionLimit box, std::array<std::string, kOptionLimitCount>& limits,
                              double L, double H);

// The text of the message box, under the title "操作提示" / "Operate Prompt".
Bilingual LimitMessageText(LimitMessage message);

}  // namespace orvex
