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
        // The width is the panel's share of the screen, not what its text would like.
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        addWidget(label);
        panels_[static_cast<size_t>(n)] = label;
    }
}

void StatusBar::setPanelText(int panel, std::string_view text) {
    if (panel < 1 || panel > 11) return;
    panels_[static_cast<size_t>(panel)]->setText(qt(text));
}

QString StatusBar::panelText(int panel) const {
    return (panel < 1 || panel > 11) ? QString() : panels_[static_cast<size_t>(panel)]->text();
}

QLabel* StatusBar::panel(int panel) const {
    return (panel < 1 || panel > 11) ? nullptr : panels_[static_cast<size_t>(panel)];
}

void StatusBar::setPanelWidths(const std::array<int, 11>& percentages, int screenWidth) {
    // The bar puts a few pixels between panels; they come off the widest panel so that the
    // eleven panels together stay within the screen.
    const int gaps = 4 * 12;
    for (int n = 1; n <= 11; ++n) {
        int width = screenWidth * percentages[static_cast<size_t>(n - 1)] / 100;
        if (n == 11) width = std::max(0, width - gaps);
        panels_[static_cast<size_t>(n)]->setFixedWidth(width);
    }
}

}  // namespace orvex
