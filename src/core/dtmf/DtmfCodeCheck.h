#pragma once

#include <string_view>

#include "core/dtmf/DtmfBlock.h"
#include "core/shell/Bilingual.h"

namespace orvex {

enum class DtmfCheck { Passes, TooLong, BadCharacter };

// The check of every code box and of the grid's cell editor. At most 5 characters, each "0"-"9",
// "A"-"D" (upper case), "*" or "#"; empty passes. 6 or more characters (characters, not UTF-8
// bytes) is TooLong, whatever they are; otherwise any other character, a blank included, is
// BadCharacter.
DtmfCheck CheckDtmfCode(std::string_view text);

// The text of the warning box of a failed check; both texts are empty for Passes.
Bilingual DtmfCheckMessage(DtmfCheck check);

// The English title ends in one double-quote character.
inline constexpr Bilingual kDtmfCheckTitle{"操作提示", "Operate Prompt\""};

// Whether a code box runs the check at all: the master and vice control IDs take any text.
bool DtmfCodeIsChecked(DtmfCode code);

}  // namespace orvex
