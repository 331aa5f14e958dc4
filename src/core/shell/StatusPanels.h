#pragma once

#include <string_view>

namespace orvex {

// The main window's 11-panel status bar, numbered from 1; any window may write any panel.
class StatusPanels {
  public:
    virtual ~StatusPanels() = default;
    virtual void setPanelText(int panel, std::string_view text) = 0;
};

}  // namespace orvex
