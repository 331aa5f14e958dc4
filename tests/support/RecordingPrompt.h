#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/shell/Prompt.h"

namespace orvex::test {

// Records every message box instead of showing it.
class RecordingPrompt : public Prompt {
  public:
    struct Message {
        std::string title;
        std::string text;
        std::string detail;
        bool plain = false;
    };

    void warning(std::string_view title, std::string_view text, std::string_view detail) override {
        messages.push_back({std::string(title), std::string(text), std::string(detail), false});
    }
    void plain(std::string_view text) override {
        messages.push_back({"", std::string(text), "", true});
    }

    [[nodiscard]] std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& m : messages)
            result.push_back(m.text);
        return result;
    }

    std::vector<Message> messages;
};

}  // namespace orvex::test
