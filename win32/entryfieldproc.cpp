#include "win32/entryfieldproc.h"

#include "calc/commandids.h"
#include "calc/entryfield.h"
#include "win32/keyrelease.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// Bit 30 of a character message's lParam: the key was already down, so the
// character comes from auto-repeat.
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

bool isDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

LRESULT editControl(const Shell& sh, HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(sh.entryFieldBaseProc, field, message, wParam, lParam);
}

// "+" and "*" are the keypad's plus and star: the edit control sees the
// release of that key, never the character, and the calculator runs the
// key's command once, for the first character of a held key, and the key's
// own release gives nothing more.
LRESULT operatorCharacter(Shell& sh, HWND field, char character, LPARAM lParam) {
    const WPARAM key = character == '+' ? vk::kAdd : vk::kMultiply;
    const LRESULT result = editControl(sh, field, WM_KEYUP, key, lParam);
    if ((lParam & kRepeatBit) == 0) {
        sh.owedReleases.settle(sh.lastEntryKey, lParam);
        entryCharacter(sh.calculator, sh.window, character);
    }
    return result;
}

// Shift+Insert and Shift+Delete paste and cut as the Edit menu does, so a
// pasted text is always checked and a cut always clears; the edit control
// would do both without telling the calculator.
UINT clipboardKey(WPARAM key) {
    const bool shift = isDown(VK_SHIFT);
    if (shift && key == VK_INSERT) {
        return WM_PASTE;
    }
    if (shift && key == VK_DELETE) {
        return WM_CUT;
    }
    return 0;
}

LRESULT character(Shell& sh, HWND field, WPARAM wParam, LPARAM lParam) {
    const auto typed = static_cast<char>(wParam);
    if (typed == '+' || typed == '*') {
        return operatorCharacter(sh, field, typed, lParam);
    }
    // A key whose release gives a command enters nothing itself: each key
    // press gives exactly one command, so a digit typed while the field has
    // the focus is not entered twice, nor Enter handed to the edit control.
    // (Typing over a selection owes no release: that digit stands alone.)
    // Ctrl's characters are the edit control's shortcuts and stay with it.
    if (!isDown(VK_CONTROL) && sh.owedReleases.owesCommand(sh.lastEntryKey, lParam)) {
        return 0;
    }
    return editControl(sh, field, WM_CHAR, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell& sh = shell();
    CalculatorState& s = sh.calculator;
    // The calculator's entry procedures clear the handed-over key themselves.
    // It is not cleared here: the calculator's own text reads and writes
    // arrive here nested, between a paste and its check.
    switch (message) {
        case WM_KEYDOWN:
            sh.lastEntryKey = wParam;
            sh.owedReleases.pressed(wParam, lParam);
            entryKeyDown(s, sh.window, static_cast<std::uint32_t>(wParam));
            if (GetFocus() != field) {
                // Typing over the selection has restarted the calculator,
                // which took the focus: the key has done its work.
                sh.owedReleases.settle(wParam, lParam);
            }
            if (const UINT transfer = clipboardKey(wParam); transfer != 0) {
                return SendMessageA(field, transfer, 0, 0);
            }
            return editControl(sh, field, message, wParam, lParam);
        case WM_CHAR:
            return character(sh, field, wParam, lParam);
        case WM_KEYUP: {
            const LRESULT result = editControl(sh, field, message, wParam, lParam);
            // Only a key seen going down gives its command: not the Enter
            // that closed a message box, nor an accelerator's letter.
            releaseKey(sh, wParam, lParam);
            return result;
        }
        case WM_PASTE:
            // The calculator inserts the clipboard text itself (up to its
            // first line break, as the edit control would) and checks it.
            entryPaste(s, sh.window);
            return 0;
        case WM_CUT: {
            const LRESULT result = editControl(sh, field, message, wParam, lParam);
            entryCut(s, sh.window);
            return result;
        }
        default:
            return editControl(sh, field, message, wParam, lParam);
    }
}

}  // namespace korvo::win32
