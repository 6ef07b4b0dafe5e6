// Qt's keys as the calculator's keyboard table knows them: Windows
// virtual-key codes, which name keys, not the characters they type.
#pragma once

#include <cstdint>
#include <optional>

namespace korvo::app {

// One key press as the calculator looks at it.
struct KeyStroke {
    int qtKey = 0;          // a Qt::Key value
    bool keypad = false;    // the key is on the numeric keypad
    char character = '\0';  // the one character it types, or '\0'
    bool shift = false;     // Shift is held
    // The keyboard's own code of the key (an X or Wayland key code), or 0
    // where the platform gives none.
    std::uint32_t keyboardCode = 0;
};

// The virtual-key code of the key `qtKey` (a Qt::Key value); `keypad` is true
// when the key is on the numeric keypad. Symbols the calculator has no key
// for ("!", "(", ":") give 0, as do keys that matter to nobody.
std::uint32_t virtualKeyOf(int qtKey, bool keypad);

// The virtual-key code of a press. "+" and "*" are the keypad's plus and
// star whatever key typed them; a character typed with Shift goes by that
// character (Shift+1 of a US layout types "!" and is no key); unshifted,
// the digit row, where the keyboard code is known, is the keys 1 to 9 and 0
// on every layout (the "&" key of a French layout is the key 1); every other
// key goes by its symbol.
std::uint32_t virtualKeyOf(const KeyStroke& stroke);

// Alt, AltGr and Meta, and keys pressed with them, belong to the menus and
// the desktop, never to the calculator.
bool isSystemKey(int qtKey, bool altHeld);

}  // namespace korvo::app
