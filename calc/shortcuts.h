// The keyboard's way to every keypad key and switch beyond the digits and
// operators the entry field maps itself (calc/entryfield.h). Both windows
// look keys up here, so that they offer the same keys and name them alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/commandids.h"
#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

namespace cmd {
// F2: a click on whichever of "Deg" and "Rad" is not in force.
inline constexpr std::uint32_t kToggleAngle = 0x10000;
}  // namespace cmd

// The command of a shortcut key (a Windows virtual-key code; letters are
// their capitals), pressed with or without Ctrl. Shift is not looked at:
// Shift+key is the key. Keys that are no shortcut give nullopt.
std::optional<std::uint32_t> shortcutCommand(std::uint32_t virtualKey, bool ctrl);

// The command a character gives by itself, whatever key typed it: "%" is
// percent and "^" is x^N.
std::optional<std::uint32_t> symbolCommand(char character);

// The command of a character typed without Ctrl that the entry field does
// not map itself: "%" is percent and "^" x^N, whatever keys type them, and a
// letter is its key's shortcut (s is Sin). nullopt for every other
// character, digits and operators included.
std::optional<std::uint32_t> typedCharacterCommand(char character);

// Does what a click on the key or switch of `command` does: a keypad key
// (200..244), CE, C, or a switch (19..24, 43, 50, kToggleAngle), which
// changes its mark as a click would and hands the focus to the main window.
void runShortcut(CalculatorState& s, WindowSystem& ws, std::uint32_t command);

// The keyboard keys that give `command` ("Esc", "Ctrl+L", "* or ;"), for
// tooltips and accessible descriptions; empty when none does.
std::string_view shortcutText(std::uint32_t command);

// The one tooltip of a control in both windows: its name, then its keys in
// brackets where it has any ("Sine (S)", "Hex (F5)").
std::string controlTip(std::string_view name, std::uint32_t command);

}  // namespace korvo
