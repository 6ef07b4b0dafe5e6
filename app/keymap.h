// Qt's keys as the calculator's keyboard table knows them: Windows
// virtual-key codes.
#pragma once

#include <cstdint>

namespace korvo::app {

// The virtual-key code of the key `qtKey` (a Qt::Key value); `keypad` is true
// when the key is on the numeric keypad. Keys that matter to nobody give 0.
std::uint32_t virtualKeyOf(int qtKey, bool keypad);

// Alt, AltGr and Meta, and keys pressed with them, belong to the menus and
// the desktop, never to the calculator.
bool isSystemKey(int qtKey, bool altHeld);

}  // namespace korvo::app
