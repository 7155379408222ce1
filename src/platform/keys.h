#pragma once

#include <QKeyEvent>

namespace platform {

// The physical key code of a key event: 48 to 57 for the main-row digits whatever the
// modifiers, 96 to 105 for the keypad digits, 65 to 90 for letters, 8 for Backspace.
int vbKeyCode(const QKeyEvent& e);
// 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers);

} // namespace platform
