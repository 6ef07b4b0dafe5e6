// Tooltips that name each key's and switch's keyboard shortcut.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// One tooltip for every key, button and check box of the main window that
// has a shortcut, after they are created, shown whether or not the window
// is active.
void addSwitchTips(const Shell& shell, HWND mainWindow);

}  // namespace korvo::win32
