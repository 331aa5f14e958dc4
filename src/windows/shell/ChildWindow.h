#pragma once

class QWidget;

namespace orvex {

// Closes a window of the program: the multiple-document frame around it when it has one,
// otherwise the widget itself.
void CloseChildWindow(QWidget* window);

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace orvex
