// The main window's creation: its font, every control at its place, the
// subclassed entry field, keypad and readout panel.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// WM_CREATE of the main window; `mainWindow` is the parent of every control.
void createControls(Shell& shell, HWND mainWindow);

// Every control at its place and in its fonts for the shell's dpi.
void placeControls(Shell& shell);

// Sizes the main window's frame so that its client area is the layout's at
// the shell's dpi.
void fitMainWindow(const Shell& shell);

}  // namespace korvo::win32
