#pragma once

class QWidget;

namespace orvex {

// Closes a window of the program: the multiple-document frame around it when it has one,
// otherwise the widget itself.
void CloseChildWindow(QWidget* window);

// Sizes `window` as a fraction of its multiple-document area and centres it there, `lift`
// pixels above the centre (small dialogs sit 500 twips, about 33 pixels, above it).
void PlaceInMdiArea(QWidget* window, double widthDivisor, double heightDivisor, int lift = 0);

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int TwipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

}  // namespace orvex
