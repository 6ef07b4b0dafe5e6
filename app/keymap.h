// Qt's keys as the calculator's keyboard table knows them: Windows
// virtual-key codes, which name keys, not the characters they type.
#pragma once

#include <cstdint>

namespace korvo::app {

// One key press as the calculator looks at it.
struct KeyStroke {
    int qtKey = 0;          // a Qt::Key value
    bool keypad = false;    // the key is on the numeric keypad
    char character = '\0';  // the one character it types, or '\0'
    // The keyboard's own code of the key (an X or Wayland key code), or 0
    // where the platform gives none.
    std::uint32_t keyboardCode = 0;
};

// The virtual-key code of the key `qtKey` (a Qt::Key value); `keypad` is true
// when the key is on the numeric keypad. The shifted symbols of a US layout
// give the code of the key they are typed with ("%" is the key 5). Keys that
// matter to nobody give 0.
std::uint32_t virtualKeyOf(int qtKey, bool keypad);

// The virtual-key code of a press. "+" and "*" are the keypad's plus and
// star whatever key typed them; the digit row, where the keyboard code is
// known, is the keys 1 to 9 and 0 on every layout (the "&" key of a French
// layout is the key 1); every other key goes by its symbol.
std::uint32_t virtualKeyOf(const KeyStroke& stroke);

// Alt, AltGr and Meta, and keys pressed with them, belong to the menus and
// the desktop, never to the calculator.
bool isSystemKey(int qtKey, bool altHeld);

}  // namespace korvo::app
