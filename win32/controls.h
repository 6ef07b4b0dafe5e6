// The main window's creation: its font, every control at its place, the
// subclassed entry field, keypad and readout panel.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// WM_CREATE of the main window; `mainWindow` is the parent of every control.
void createControls(Shell& shell, HWND mainWindow);

}  // namespace korvo::win32
