// The entry field's subclass procedure: the keyboard becomes keypad
// commands, cut and paste restart the calculator.
#pragma once

#include <windows.h>

namespace korvo::win32 {

LRESULT CALLBACK entryFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
