#pragma once

#include <string_view>

namespace orvex {

// Every message box of the program goes through this seam: production shows a modal
// box, tests record what would have been shown.
class Prompt {
  public:
    virtual ~Prompt() = default;

    // A warning box with one OK button. `detail` is extra information (such as why a port
    // could not be opened) kept apart from the fixed text; it may be empty.
    virtual void warning(std::string_view title, std::string_view text,
                         std::string_view detail = {}) = 0;

    // A plain box without icon, OK only.
    virtual void plain(std::string_view text) = 0;
};

}  // namespace orvex
