// The entry field's subclass procedure: the keyboard becomes keypad
// commands, cut and paste restart the calculator.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

// A key went down in the main window or the entry field: Shift+Insert and
// Shift+Delete are the field's paste and cut (true: the key is done).
bool clipboardKeyDown(Shell& sh, WPARAM virtualKey, LPARAM keyData);

// A character for the entry field, wherever it arrived: only "+" and "*"
// do anything (they are keys of their own).
LRESULT entryFieldCharacter(HWND field, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
