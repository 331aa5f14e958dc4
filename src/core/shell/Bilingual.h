#pragma once

#include <string>
#include <string_view>

namespace orvex {

// One text in both interface languages. Which one is shown is decided by Language_Flag
// at the moment of use: 0 is English, any other value Chinese.
struct Bilingual {
    std::string_view chinese;
    std::string_view english;

    [[nodiscard]] std::string_view pick(int languageFlag) const {
        return languageFlag != 0 ? chinese : english;
    }
    [[nodiscard]] std::string str(int languageFlag) const {
        return std::string(pick(languageFlag));
    }
};

}  // namespace orvex
