// The About dialog (template 2000), modal to the main window.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

void showAboutDialog(const Shell& shell);

// Closes the dialog on OK, Esc and its close box; nothing else.
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
