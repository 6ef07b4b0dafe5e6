// The keypad: five rows of nine picture keys, each row a toolbar inside its
// own panel, whose procedure hands the keys to the calculator.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// Creates the five keypad panels and their toolbars inside the main window.
void createKeypad(Shell& shell, HWND mainWindow);

// The keypad panels' procedure: a key's WM_COMMAND runs the key.
LRESULT CALLBACK keypadPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
