#include "win32/dpi.h"

namespace korvo::win32 {
namespace {

// Present from Windows 10 1607 on: looked up, so that the program still
// starts on older Windows.
template <typename Function>
Function user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    FARPROC found = user32 == nullptr ? nullptr : GetProcAddress(user32, name);
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast)
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

int windowDpi(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = user32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen == nullptr ? kBaseDpi : GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kBaseDpi;
}

RECT frameForClient(RECT client, DWORD style, bool menu, int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32Function<AdjustFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr) {
        adjustForDpi(&client, style, menu ? TRUE : FALSE, 0, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, menu ? TRUE : FALSE, 0);
    }
    return client;
}

}  // namespace korvo::win32
