// The entry field's own handling of keys, cut and paste: a key's release
// becomes the matching keypad command.
#pragma once

#include <cstdint>
#include <optional>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// A key went down while the entry field has the focus: typing over a
// selection starts the calculator afresh (Ctrl alone does not).
void entryKeyDown(CalculatorState& s, WindowSystem& ws, std::uint32_t virtualKey);
// A key was released in the entry field: the length limits, then the key's
// command, if it has one.
void entryKeyUp(CalculatorState& s, WindowSystem& ws, std::uint32_t virtualKey);
// A character reached the entry field. "+" and "*" are handled as the
// release of keypad plus and star and return true: they must not be inserted.
bool entryCharacter(CalculatorState& s, WindowSystem& ws, char character);
// A character Shift made that is no letter or digit reached the entry
// field: the key goes by the character, so "%" is percent, "^" x^N, "/" on
// a key that types it with Shift divides, and a character the calculator
// has no command for ("!", "(", "$") does nothing.
void shiftedCharacter(CalculatorState& s, WindowSystem& ws, char character);
// The edit control's paste: clear, insert the clipboard text, check it.
void entryPaste(CalculatorState& s, WindowSystem& ws);
// After the edit control moved the selection to the clipboard.
void entryCut(CalculatorState& s, WindowSystem& ws);

// The command id a key's release gives, if any.
std::optional<std::uint32_t> keyCommand(std::uint32_t virtualKey);
// The key a character is typed with in the normal flow ("+" and "*" are the
// keypad's, "=" the equals key, ";" the semicolon key, ...); nullopt for a
// character typed on no key the calculator maps.
std::optional<std::uint32_t> virtualKeyForCharacter(char character);

}  // namespace korvo
