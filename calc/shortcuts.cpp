#include "calc/shortcuts.h"

#include <array>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/windowcommands.h"

namespace korvo {
namespace {

// A command, the key that gives it (a Windows virtual-key code, letters as
// their capitals; 0 for none of its own) with or without Ctrl, and the keys
// tooltips name for it.
struct Binding {
    std::uint32_t command;
    std::uint32_t virtualKey;
    bool ctrl;
    std::string_view text;
};

constexpr std::uint32_t letter(char c) {
    return static_cast<std::uint32_t>(c);
}

// No letter A to F (hex digits) and no Shift: the key codes only add to the
// keys the entry field maps itself (the digits, the point, the operators,
// Enter, Back Space), which have their texts here too. Ctrl turns a
// trigonometric key into its reciprocal (Ctrl+S is Csc); Ctrl+L/R/M/P/Q are
// the memory keys; F2 clicks whichever of Deg and Rad is not in force.
constexpr std::array kBindings{
    Binding{cmd::kClearAll, vk::kEscape, false, "Esc"},
    Binding{cmd::kClearEntry, vk::kDelete, false, "Delete"},
    Binding{cmd::kBackSpace, 0, false, "Backspace"},
    Binding{cmd::kSign, vk::kF9, false, "F9"},
    Binding{cmd::kHexadecimal, vk::kF5, false, "F5"},
    Binding{cmd::kDecimal, vk::kF6, false, "F6"},
    Binding{cmd::kOctal, vk::kF7, false, "F7"},
    Binding{cmd::kBinary, vk::kF8, false, "F8"},
    Binding{cmd::kToggleAngle, vk::kF2, false, ""},
    Binding{cmd::kDegrees, 0, false, "F2"},
    Binding{cmd::kRadians, 0, false, "F2"},
    Binding{cmd::kFloatingPoint, vk::kF3, false, "F3"},
    Binding{cmd::kArc, letter('I'), false, "I"},
    Binding{cmd::kReciprocal, letter('R'), false, "R"},
    Binding{cmd::kSquareRoot, letter('W'), false, "W"},
    Binding{cmd::kSquare, letter('Q'), false, "Q"},
    Binding{cmd::kSin, letter('S'), false, "S"},
    Binding{cmd::kCos, letter('O'), false, "O"},
    Binding{cmd::kTan, letter('T'), false, "T"},
    Binding{cmd::kCsc, letter('S'), true, "Ctrl+S"},
    Binding{cmd::kSec, letter('O'), true, "Ctrl+O"},
    Binding{cmd::kCot, letter('T'), true, "Ctrl+T"},
    Binding{cmd::kLog, letter('L'), false, "L"},
    Binding{cmd::kEToX, letter('N'), false, "N"},
    Binding{cmd::kTwoToX, letter('J'), false, "J"},
    Binding{cmd::kTenToX, letter('K'), false, "K"},
    Binding{cmd::kPercent, letter('G'), false, "G or %"},
    Binding{cmd::kPi, letter('P'), false, "P"},
    Binding{cmd::kHypotenuse, letter('H'), false, "H"},
    Binding{cmd::kPower, letter('Y'), false, "Y or ^"},
    Binding{cmd::kMemoryClear, letter('L'), true, "Ctrl+L"},
    Binding{cmd::kMemoryRecall, letter('R'), true, "Ctrl+R"},
    Binding{cmd::kMemoryStore, letter('M'), true, "Ctrl+M"},
    Binding{cmd::kMemoryAdd, letter('P'), true, "Ctrl+P"},
    Binding{cmd::kMemorySubtract, letter('Q'), true, "Ctrl+Q"},
    Binding{cmd::kPoint, 0, false, "."},
    Binding{cmd::kAdd, 0, false, "+"},
    Binding{cmd::kSubtract, 0, false, "-"},
    Binding{cmd::kMultiply, 0, false, "* or ;"},
    Binding{cmd::kDivide, 0, false, "/"},
    Binding{cmd::kEquals, 0, false, "Enter or ="},
};

constexpr std::string_view kDigitNames = "0123456789ABCDEF";

// A click on a check box toggles its mark; one on a radio button checks it
// and unchecks the rest of its group.
void clickSwitch(CalculatorState& s, WindowSystem& ws, std::uint32_t command) {
    constexpr std::array kBases{Switch::Decimal, Switch::Hexadecimal, Switch::Octal,
                                Switch::Binary};
    Switch which = Switch::Arc;
    switch (command) {
        case cmd::kDegrees:
            which = Switch::Degrees;
            break;
        case cmd::kRadians:
            which = Switch::Radians;
            break;
        case cmd::kFloatingPoint:
            which = Switch::FloatingPoint;
            break;
        case cmd::kArc:
            break;
        default: {
            const Switch base = kBases.at(command - cmd::kDecimal);
            for (const Switch other : kBases) {
                ws.setChecked(other, other == base);
            }
            runWindowCommand(s, ws, command);
            return;
        }
    }
    ws.setChecked(which, !ws.isChecked(which));
    runWindowCommand(s, ws, command);
}

}  // namespace

std::optional<std::uint32_t> shortcutCommand(std::uint32_t virtualKey, bool ctrl) {
    for (const Binding& binding : kBindings) {
        if (binding.virtualKey != 0 && binding.virtualKey == virtualKey && binding.ctrl == ctrl) {
            return binding.command;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> symbolCommand(char character) {
    if (character == '%') {
        return cmd::kPercent;
    }
    if (character == '^') {
        return cmd::kPower;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> typedCharacterCommand(char character) {
    if (const auto command = symbolCommand(character)) {
        return command;
    }
    const auto code = static_cast<unsigned char>(character);
    if (code >= 'a' && code <= 'z') {
        return shortcutCommand(code - 'a' + 'A', false);
    }
    if (code >= 'A' && code <= 'Z') {
        return shortcutCommand(code, false);
    }
    return std::nullopt;
}

void runShortcut(CalculatorState& s, WindowSystem& ws, std::uint32_t command) {
    switch (command) {
        case cmd::kClearAll:
        case cmd::kClearEntry:
            runWindowCommand(s, ws, command);
            return;
        case cmd::kToggleAngle:
            clickSwitch(s, ws, s.angleUnit == 2 ? cmd::kDegrees : cmd::kRadians);
            return;
        case cmd::kDegrees:
        case cmd::kRadians:
        case cmd::kDecimal:
        case cmd::kHexadecimal:
        case cmd::kOctal:
        case cmd::kBinary:
        case cmd::kFloatingPoint:
        case cmd::kArc:
            clickSwitch(s, ws, command);
            return;
        default:
            dispatchKeypadCommand(s, ws, command);
            return;
    }
}

std::string_view shortcutText(std::uint32_t command) {
    if (command >= cmd::kDigit0 && command <= cmd::kDigitF) {
        return kDigitNames.substr(command - cmd::kDigit0, 1);
    }
    for (const Binding& binding : kBindings) {
        if (binding.command == command) {
            return binding.text;
        }
    }
    return {};
}

std::string controlTip(std::string_view name, std::uint32_t command) {
    const std::string_view key = shortcutText(command);
    std::string tip(name);
    if (!key.empty()) {
        tip.append(" (").append(key).append(")");
    }
    return tip;
}

}  // namespace korvo
