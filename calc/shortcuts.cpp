#include "calc/shortcuts.h"

#include <array>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/windowcommands.h"

namespace korvo {
namespace {

struct Shortcut {
    std::uint32_t virtualKey;
    bool ctrl;
    std::uint32_t command;
};

constexpr std::uint32_t letter(char c) {
    return static_cast<std::uint32_t>(c);
}

// No letter A to F (hex digits) and no Shift: these only add to the keys
// the entry field already maps. Ctrl turns a trigonometric key into its
// reciprocal (Ctrl+S is Csc); Ctrl+L/R/M/P/Q are the memory keys.
constexpr std::array kShortcuts{
    Shortcut{vk::kEscape, false, cmd::kClearAll},
    Shortcut{vk::kDelete, false, cmd::kClearEntry},
    Shortcut{vk::kF9, false, cmd::kSign},
    Shortcut{vk::kF5, false, cmd::kHexadecimal},
    Shortcut{vk::kF6, false, cmd::kDecimal},
    Shortcut{vk::kF7, false, cmd::kOctal},
    Shortcut{vk::kF8, false, cmd::kBinary},
    Shortcut{vk::kF2, false, cmd::kToggleAngle},
    Shortcut{vk::kF3, false, cmd::kFloatingPoint},
    Shortcut{letter('I'), false, cmd::kArc},
    Shortcut{letter('R'), false, cmd::kReciprocal},
    Shortcut{letter('W'), false, cmd::kSquareRoot},
    Shortcut{letter('Q'), false, cmd::kSquare},
    Shortcut{letter('S'), false, cmd::kSin},
    Shortcut{letter('O'), false, cmd::kCos},
    Shortcut{letter('T'), false, cmd::kTan},
    Shortcut{letter('S'), true, cmd::kCsc},
    Shortcut{letter('O'), true, cmd::kSec},
    Shortcut{letter('T'), true, cmd::kCot},
    Shortcut{letter('L'), false, cmd::kLog},
    Shortcut{letter('N'), false, cmd::kEToX},
    Shortcut{letter('J'), false, cmd::kTwoToX},
    Shortcut{letter('K'), false, cmd::kTenToX},
    Shortcut{letter('G'), false, cmd::kPercent},
    Shortcut{letter('P'), false, cmd::kPi},
    Shortcut{letter('H'), false, cmd::kHypotenuse},
    Shortcut{letter('Y'), false, cmd::kPower},
    Shortcut{letter('L'), true, cmd::kMemoryClear},
    Shortcut{letter('R'), true, cmd::kMemoryRecall},
    Shortcut{letter('M'), true, cmd::kMemoryStore},
    Shortcut{letter('P'), true, cmd::kMemoryAdd},
    Shortcut{letter('Q'), true, cmd::kMemorySubtract},
};

struct KeyText {
    std::uint32_t command;
    std::string_view text;
};

// What tooltips name. The digits 0 to F are named by themselves.
constexpr std::array kKeyTexts{
    KeyText{cmd::kClearAll, "Esc"},
    KeyText{cmd::kClearEntry, "Delete"},
    KeyText{cmd::kBackSpace, "Backspace"},
    KeyText{cmd::kSign, "F9"},
    KeyText{cmd::kHexadecimal, "F5"},
    KeyText{cmd::kDecimal, "F6"},
    KeyText{cmd::kOctal, "F7"},
    KeyText{cmd::kBinary, "F8"},
    KeyText{cmd::kDegrees, "F2"},
    KeyText{cmd::kRadians, "F2"},
    KeyText{cmd::kFloatingPoint, "F3"},
    KeyText{cmd::kArc, "I"},
    KeyText{cmd::kReciprocal, "R"},
    KeyText{cmd::kSquareRoot, "W"},
    KeyText{cmd::kSquare, "Q"},
    KeyText{cmd::kSin, "S"},
    KeyText{cmd::kCos, "O"},
    KeyText{cmd::kTan, "T"},
    KeyText{cmd::kCsc, "Ctrl+S"},
    KeyText{cmd::kSec, "Ctrl+O"},
    KeyText{cmd::kCot, "Ctrl+T"},
    KeyText{cmd::kLog, "L"},
    KeyText{cmd::kEToX, "N"},
    KeyText{cmd::kTwoToX, "J"},
    KeyText{cmd::kTenToX, "K"},
    KeyText{cmd::kPercent, "G"},
    KeyText{cmd::kPi, "P"},
    KeyText{cmd::kHypotenuse, "H"},
    KeyText{cmd::kPower, "Y"},
    KeyText{cmd::kMemoryClear, "Ctrl+L"},
    KeyText{cmd::kMemoryRecall, "Ctrl+R"},
    KeyText{cmd::kMemoryStore, "Ctrl+M"},
    KeyText{cmd::kMemoryAdd, "Ctrl+P"},
    KeyText{cmd::kMemorySubtract, "Ctrl+Q"},
    KeyText{cmd::kPoint, "."},
    KeyText{cmd::kAdd, "+"},
    KeyText{cmd::kSubtract, "-"},
    KeyText{cmd::kMultiply, "* or ;"},
    KeyText{cmd::kDivide, "/"},
    KeyText{cmd::kEquals, "Enter or ="},
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
    for (const Shortcut& shortcut : kShortcuts) {
        if (shortcut.virtualKey == virtualKey && shortcut.ctrl == ctrl) {
            return shortcut.command;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> typedCharacterCommand(char character) {
    if (character == '%') {
        return cmd::kPercent;
    }
    if (character == '^') {
        return cmd::kPower;
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
    for (const KeyText& key : kKeyTexts) {
        if (key.command == command) {
            return key.text;
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
