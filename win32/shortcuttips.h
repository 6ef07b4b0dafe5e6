// Tooltips that name each key's and switch's keyboard shortcut.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// One tooltip for every button and check box of the main window that has a
// shortcut, after they are created; the keypad's tips shown whether or not
// the window is active.
void addSwitchTips(const Shell& shell, HWND mainWindow);

// A keypad toolbar asks for its key's tooltip text (WM_NOTIFY to the
// panel); true when `header` was such a request and is answered.
bool answerKeypadTip(NMHDR* header);

}  // namespace korvo::win32
