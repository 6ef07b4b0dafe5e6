#include "win32/entryfieldproc.h"

#include <cctype>

#include "calc/commandids.h"
#include "calc/entryfield.h"
#include "win32/keyrelease.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

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
        settleKey(sh, sh.lastKey, lParam);
        entryCharacter(sh.calculator, sh.window, character);
    }
    return result;
}

// Shift+Insert and Shift+Delete paste and cut as the Edit menu does, so a
// pasted text is always checked and a cut always clears; the edit control
// would do both without telling the calculator. With nothing selected,
// Shift+Delete is the Delete key.
UINT clipboardKey(Shell& sh, WPARAM key) {
    if (!isDown(VK_SHIFT)) {
        return 0;
    }
    if (key == VK_INSERT) {
        return WM_PASTE;
    }
    if (key == VK_DELETE && sh.window.hasSelection()) {
        return WM_CUT;
    }
    return 0;
}

// The keys the edit control may have at their press: they move the caret
// or the selection, or copy, and never change the text.
bool editControlKey(WPARAM key) {
    switch (key) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
            return true;
        case VK_INSERT:
            return isDown(VK_CONTROL);
        default:
            return false;
    }
}

LRESULT keyDown(Shell& sh, HWND field, WPARAM wParam, LPARAM lParam) {
    if (clipboardKeyDown(sh, wParam, lParam)) {
        return 0;
    }
    // Typing over a selection starts afresh (not Ctrl alone, nor a
    // shortcut); the key then gives its command at its release as ever.
    if (!keyPressed(sh, wParam, lParam)) {
        entryKeyDown(sh.calculator, sh.window, static_cast<std::uint32_t>(wParam));
    }
    return editControlKey(wParam) ? editControl(sh, field, WM_KEYDOWN, wParam, lParam) : 0;
}

}  // namespace

bool clipboardKeyDown(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    sh.lastKey = virtualKey;
    const UINT transfer = clipboardKey(sh, virtualKey);
    if (transfer == 0) {
        return false;
    }
    settleKey(sh, virtualKey, keyData);
    SendMessageA(sh.entryField, transfer, 0, 0);
    return true;
}

// The field only ever holds a number of the base in force: its text changes
// through the calculator's commands alone, never by a typed character.
LRESULT entryFieldCharacter(HWND field, WPARAM wParam, LPARAM lParam) {
    const auto typed = static_cast<char>(wParam);
    if (typed == '+' || typed == '*') {
        return operatorCharacter(shell(), field, typed, lParam);
    }
    // Where Shift makes a character the key goes by that character; a
    // letter or a digit keeps its key's command at the release.
    const auto code = static_cast<unsigned char>(typed);
    if (isDown(VK_SHIFT) && !isDown(VK_CONTROL) && std::isalnum(code) == 0 && code > ' ' &&
        (lParam & kRepeatBit) == 0) {
        Shell& sh = shell();
        settleKey(sh, sh.lastKey, lParam);
        shiftedCharacter(sh.calculator, sh.window, typed);
    }
    return 0;
}

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell& sh = shell();
    CalculatorState& s = sh.calculator;
    // The calculator's entry procedures clear the handed-over key themselves.
    // It is not cleared here: the calculator's own text reads and writes
    // arrive here nested, between a paste and its check.
    switch (message) {
        case WM_KEYDOWN:
            return keyDown(sh, field, wParam, lParam);
        case WM_CHAR:
        case WM_IME_CHAR:
            return entryFieldCharacter(field, wParam, lParam);
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            // The context menu's Delete and Undo would change the text behind
            // the calculator's back (and could leave part of the out-of-range
            // message to be read as a number).
            return 0;
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
