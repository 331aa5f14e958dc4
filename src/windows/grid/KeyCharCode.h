#pragma once

class QKeyEvent;

namespace orvex {

// The character code a key press types, as a key-press handler of a text field reports it:
// 13 for Enter and Return, otherwise the code of the first character the key produces
// (8 for Backspace, 27 for Escape, 3 for Ctrl+C); -1 for keys that type nothing (arrows,
// function keys, modifiers alone).
int KeyCharCode(const QKeyEvent& event);

inline constexpr int kEnterCharCode = 13;

}  // namespace orvex
