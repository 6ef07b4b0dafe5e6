#include "app/keymap.h"

#include <Qt>

#include "calc/commandids.h"

namespace korvo::app {

namespace {

// X and Wayland key codes of the digit row, 1 to 9 and then 0; the same in
// the evdev and the older XFree86 code sets.
constexpr std::uint32_t kKeyCodeOfOne = 10;
constexpr std::uint32_t kKeyCodeOfZero = 19;

// Qt's digit and letter codes are their ASCII codes, as the virtual-key
// codes of the main keyboard are.
bool isDigit(int key) {
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}
bool isLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

std::uint32_t digitRowKey(std::uint32_t keyboardCode) {
    if (keyboardCode < kKeyCodeOfOne || keyboardCode > kKeyCodeOfZero) {
        return 0;
    }
    return keyboardCode == kKeyCodeOfZero ? vk::k0 : vk::k0 + 1 + (keyboardCode - kKeyCodeOfOne);
}

}  // namespace

std::uint32_t virtualKeyOf(int qtKey, bool keypad) {
    if (isDigit(qtKey)) {
        const auto digit = static_cast<std::uint32_t>(qtKey - Qt::Key_0);
        return (keypad ? vk::kNumpad0 : vk::k0) + digit;
    }
    if (isLetter(qtKey)) {
        return static_cast<std::uint32_t>(qtKey);
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return vk::kF1 + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    }
    switch (qtKey) {
        case Qt::Key_Period:
            return keypad ? vk::kDecimal : vk::kOemPeriod;
        case Qt::Key_Comma:  // the keypad's decimal key on many layouts
            return keypad ? vk::kDecimal : 0;
        case Qt::Key_Plus:
            return vk::kAdd;
        case Qt::Key_Minus:
            return keypad ? vk::kSubtract : vk::kOemMinus;
        case Qt::Key_Asterisk:
            return vk::kMultiply;
        case Qt::Key_Slash:
            return keypad ? vk::kDivide : vk::kOem2;
        case Qt::Key_Semicolon:
            return vk::kOem1;
        case Qt::Key_Equal:
            return vk::kOemPlus;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vk::kReturn;
        case Qt::Key_Control:
            return vk::kControl;
        case Qt::Key_Shift:
            return vk::kShift;
        case Qt::Key_Backspace:
            return vk::kBack;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vk::kTab;
        case Qt::Key_Escape:
            return vk::kEscape;
        case Qt::Key_Space:
            return vk::kSpace;
        case Qt::Key_Delete:
            return vk::kDelete;
        default:
            return 0;  // "!", "@", "(" and the like: no key of the calculator
    }
}

std::uint32_t virtualKeyOf(const KeyStroke& stroke) {
    if (stroke.character == '+') {
        return vk::kAdd;
    }
    if (stroke.character == '*') {
        return vk::kMultiply;
    }
    // A character Shift makes is taken as typed: the digit row counts by
    // its keys only for what it types unshifted ("&" on a French layout).
    const bool typedWithShift = stroke.shift && stroke.character != '\0';
    if (!stroke.keypad && !typedWithShift) {
        if (const std::uint32_t key = digitRowKey(stroke.keyboardCode); key != 0) {
            return key;
        }
    }
    return virtualKeyOf(stroke.qtKey, stroke.keypad);
}

bool isSystemKey(int qtKey, bool altHeld) {
    return altHeld || qtKey == Qt::Key_Alt || qtKey == Qt::Key_AltGr || qtKey == Qt::Key_Meta ||
           qtKey == Qt::Key_Super_L || qtKey == Qt::Key_Super_R;
}

}  // namespace korvo::app
