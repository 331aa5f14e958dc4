#include "core/dtmf/DtmfCodeCheck.h"

#include <algorithm>
#include <vector>

#include "core/dtmf/TextCharacters.h"

namespace orvex {

DtmfCheck CheckDtmfCode(std::string_view text) {
    const std::vector<char32_t> characters = TextCharacters(text);
    if (characters.size() > kDtmfCodeLength) return DtmfCheck::TooLong;
    const bool allHaveCodes =
        std::ranges::all_of(characters, [](char32_t c) { return DtmfCharacterCode(c) != 0xFF; });
    return allHaveCodes ? DtmfCheck::Passes : DtmfCheck::BadCharacter;
}

Bilingual DtmfCheckMessage(DtmfCheck check) {
    switch (check) {
        case DtmfCheck::Passes:
            break;
        case DtmfCheck::TooLong:
            return {"码组位数最大为 5 位 ！", "Group Digits Max 5 Bits."};
        case DtmfCheck::BadCharacter:
            return {"码组字符只能是 0 - 9 或 * # A B C D  ！",
                    "Groupdigits only by 0 to 9 and* # A B C D."};
    }
    return {"", ""};
}

bool DtmfCodeIsChecked(DtmfCode code) {
    return code != DtmfCode::MasterId && code != DtmfCode::ViceId;
}

}  // namespace orvex
