// Drawing the readout picture on the readout panel with GDI.
#pragma once

#include <windows.h>

#include "readout/readoutpicture.h"

namespace korvo::win32 {

// Paints `picture` on `panel` at once: the background in `panelColour`, the
// labels in the panel's default font, the numbers in the picture's font.
void drawReadout(HWND panel, COLORREF panelColour, const ReadoutPicture& picture);

// The readout panel's procedure: the group box paints its frame, then the
// last picture is drawn over it again, so covering the window loses nothing.
LRESULT CALLBACK readoutPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace korvo::win32
