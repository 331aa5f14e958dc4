#pragma once

#include <QStatusBar>
#include <array>

#include "core/shell/StatusPanels.h"

class QLabel;

namespace orvex {

// StatusBar1: eleven text panels numbered from 1 (objectNames Panel1 to Panel11) whose
// widths are percentages of the screen width, set once.
class StatusBar : public QStatusBar, public StatusPanels {
    Q_OBJECT

  public:
    explicit StatusBar(QWidget* parent = nullptr);

    void setPanelText(int panel, std::string_view text) override;
    [[nodiscard]] QLabel* panel(int panel) const;

    // Panel n gets percentages[n - 1] percent of `screenWidth` pixels; the last panel at
    // most that, as it also gives up the room between panels.
    void setPanelWidths(const std::array<int, 11>& percentages, int screenWidth);

  private:
    std::array<QLabel*, 12> panels_{};  // index 0 unused
};

}  // namespace orvex
