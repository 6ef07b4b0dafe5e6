// Sizes at the window's dots per inch: the layout is given in pixels at 96
// dpi and every one of them is scaled by the monitor's dpi, so the window is
// the same picture, only larger, at 125%, 150% or 200%.
#pragma once

#include <windows.h>

namespace korvo::win32 {

inline constexpr int kBaseDpi = 96;

// The dpi of the monitor `window` is on (the system's where Windows is older
// than 10 1607).
int windowDpi(HWND window);

// A 96-dpi size or position at `dpi`.
inline int scaled(int pixels, int dpi) {
    return MulDiv(pixels, dpi, kBaseDpi);
}

// The frame around a client area of `client` at `dpi`.
RECT frameForClient(RECT client, DWORD style, bool menu, int dpi);

}  // namespace korvo::win32
