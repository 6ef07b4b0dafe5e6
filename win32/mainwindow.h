// The main window's procedure: creation, the menu and button commands, the
// mode switches, the Edit menu's enabling, the keyboard hand-over, closing.
#pragma once

#include <windows.h>

namespace korvo::win32 {

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
