#include "windows/shell/StatusBar.h"

#include <QLabel>

#include "windows/shell/QtText.h"

namespace orvex {

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName("StatusBar1");
    setSizeGripEnabled(false);
    for (int n = 1; n <= 11; ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Panel%1").arg(n));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        // Panels 1 to 10 get their share of the screen; the last takes what remains (its
        // share less the room between panels), so the bar never outgrows the screen.
        label->setSizePolicy(n == 11 ? QSizePolicy::Ignored : QSizePolicy::Fixed,
                             QSizePolicy::Preferred);
        addWidget(label, n == 11 ? 1 : 0);
        panels_[static_cast<size_t>(n)] = label;
    }
}

void StatusBar::setPanelText(int panel, std::string_view text) {
    if (panel < 1 || panel > 11) return;
    panels_[static_cast<size_t>(panel)]->setText(qt(text));
}

QLabel* StatusBar::panel(int panel) const {
    return (panel < 1 || panel > 11) ? nullptr : panels_[static_cast<size_t>(panel)];
}

void StatusBar::setPanelWidths(const std::array<int, 11>& percentages, int screenWidth) {
    for (int n = 1; n <= 10; ++n) {
        panels_[static_cast<size_t>(n)]->setFixedWidth(
            screenWidth * percentages[static_cast<size_t>(n - 1)] / 100);
    }
    panels_[11]->setMaximumWidth(screenWidth * percentages[10] / 100);
}

}  // namespace orvex
