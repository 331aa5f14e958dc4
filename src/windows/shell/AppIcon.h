#pragma once

#include <QIcon>
#include <QPixmap>

namespace orvex {

// The program's icon, drawn in code: a handheld radio with its antenna, display and keypad
// on a transparent ground, `size` pixels square.
QPixmap AppIconPixmap(int size);

// The same at the sizes window systems ask for.
QIcon AppIcon();

}  // namespace orvex
