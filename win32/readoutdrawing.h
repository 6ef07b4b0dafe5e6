// Drawing the readout picture on the readout panel with GDI.
#pragma once

#include <windows.h>

#include "readout/readoutpicture.h"

namespace korvo::win32 {

struct Shell;

// Paints `picture` (laid out at 96 dpi) on the readout panel at once, at the
// shell's dpi: the background in the panel colour, the labels in the system
// font, the numbers in the picture's font. A number too long for its line
// ends in "..." after its last whole digit.
void drawReadout(const Shell& shell, const ReadoutPicture& picture);

// The readout panel's procedure: the group box paints its frame, then the
// last picture is drawn over it again, so covering the window loses nothing.
LRESULT CALLBACK readoutPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
