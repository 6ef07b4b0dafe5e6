// The readout's number lines as windows of their own, laid over the panel
// where the lines are drawn and painting nothing themselves: each carries
// its line's whole text, which screen readers read and its tooltip shows
// (a line too long for the panel is drawn cut, with "..."), and copies it
// from its context menu's Copy, or with Ctrl+C while Tab has marked it.
#pragma once

#include <windows.h>

#include <string>

#include "readout/readoutpicture.h"

namespace korvo::win32 {

struct Shell;

// The Dec, Hex and Oct lines and the binary block, inside the readout panel.
void createReadoutLines(Shell& shell);

// Their tooltips, once the main window is topmost (a popup owned by it
// before would keep it from becoming so under Wine).
void addReadoutTips(Shell& shell);

// Each line window takes its line's place and whole text from `picture`.
void showReadoutLines(const Shell& shell, const ReadoutPicture& picture);

// Whether `window` is one of the line windows.
bool isReadoutLine(const Shell& shell, HWND window);

// The line's whole text to the clipboard.
void copyReadoutLine(const Shell& shell, HWND line);

}  // namespace korvo::win32
