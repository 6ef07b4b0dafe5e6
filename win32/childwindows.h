// Two small helpers for creating and subclassing child windows.
#pragma once

#include <windows.h>

namespace korvo::win32 {

// A child window's id travels in CreateWindowExA's menu argument.
inline HMENU childId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// Installs `procedure` as `window`'s procedure and returns the one it
// replaces, to which the new procedure forwards. Pointer-sized on both
// 32-bit and 64-bit Windows.
inline WNDPROC subclassWindow(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

}  // namespace korvo::win32
