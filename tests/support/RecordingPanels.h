#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell/StatusPanels.h"

namespace orvex::test {

// The status bar as a test sees it: the current text of each panel and every write.
class RecordingPanels : public StatusPanels {
  public:
    void setPanelText(int panel, std::string_view text) override {
        panels.at(static_cast<size_t>(panel)) = std::string(text);
        writes.push_back({panel, std::string(text)});
    }

    [[nodiscard]] const std::string& panel(int n) const {
        return panels.at(static_cast<size_t>(n));
    }

    std::array<std::string, 12> panels;  // index 0 unused
    std::vector<std::pair<int, std::string>> writes;
};

}  // namespace orvex::test
