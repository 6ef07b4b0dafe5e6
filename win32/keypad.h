// The keypad: 45 picture keys, each an owner-drawn button named as the
// shared keypad table names it, so that Tab reaches it and a screen reader
// reads it. A click presses a key without taking the focus, as the keys of
// a toolbar do: the keyboard goes on where it was.
#pragma once

#include <windows.h>

namespace korvo::win32 {

struct Shell;

// Creates the keys inside the main window, in reading order.
void createKeypad(Shell& shell, HWND mainWindow);

// Puts every key at its place for the shell's dpi.
void placeKeypad(const Shell& shell);

// WM_DRAWITEM for a key: its raised frame (sunken while pressed), its face
// scaled pixel by pixel, the focus mark while Tab has put it there. False
// when `item` is no key's.
bool drawKey(const Shell& shell, const DRAWITEMSTRUCT& item);

}  // namespace korvo::win32
