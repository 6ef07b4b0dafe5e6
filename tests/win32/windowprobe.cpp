// Looks at a running korvocalc.exe from another process and prints what a
// person would see, one fact a line, for scripts/windows-test.sh to compare:
//   window    caption, outer rectangle, client origin and size, frame styles,
//             topmost, menu, and the screen's dots per inch
//   entry     the entry field's and the indicators' texts
//   message   the text of an open "KORVO CALCULATOR" message box, if any
//   tip       the text of the tooltip showing now, if any
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string windowText(HWND window) {
    std::array<char, 512> buffer{};
    // Another process's text arrives through WM_GETTEXT, which the system
    // carries across.
    const auto copied =
        SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

// Carriage returns and line feeds written as \r and \n keep one fact a line.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    return out;
}

bool has(DWORD style, DWORD flag) {
    return (style & flag) != 0;
}

void printWindow(HWND main) {
    RECT rect{};
    RECT client{};
    POINT origin{0, 0};
    GetWindowRect(main, &rect);
    GetClientRect(main, &client);
    ClientToScreen(main, &origin);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_EXSTYLE));
    HDC screen = GetDC(nullptr);
    std::printf("caption=%s\n", windowText(main).c_str());
    std::printf("at=%ld,%ld\n", rect.left, rect.top);
    // Where the client area starts on the screen, for clicks at client pixels.
    std::printf("client=%ld,%ld %ldx%ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("topmost=%d menu=%d\n", has(exStyle, WS_EX_TOPMOST), GetMenu(main) != nullptr);
    std::printf("sizing-border=%d maximize-box=%d minimize-box=%d system-menu=%d\n",
                has(style, WS_THICKFRAME), has(style, WS_MAXIMIZEBOX), has(style, WS_MINIMIZEBOX),
                has(style, WS_SYSMENU));
    std::printf("dpi=%d\n", GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
}

void printTip() {
    for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
         tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        if (IsWindowVisible(tip) != FALSE) {
            std::printf("tip=%s\n", windowText(tip).c_str());
            return;
        }
    }
    std::printf("tip=none\n");
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view what = argc == 2 ? argv[1] : "";
    if (what == "message") {
        HWND box = FindWindowA("#32770", "KORVO CALCULATOR");
        // The box's text is its static control with id 0xFFFF.
        std::printf("message=%s\n",
                    box == nullptr ? "none" : escaped(windowText(GetDlgItem(box, 0xFFFF))).c_str());
        return 0;
    }
    if (what == "tip") {
        printTip();
        return 0;
    }
    HWND main = FindWindowA("Calculator", nullptr);
    if (main == nullptr) {
        std::fprintf(stderr, "windowprobe: no window of class Calculator\n");
        return 1;
    }
    if (what == "window") {
        printWindow(main);
    } else if (what == "entry") {
        std::printf("entry=%s\n", windowText(GetDlgItem(main, 44)).c_str());
        std::printf("memory=%s\n", windowText(GetDlgItem(main, 88)).c_str());
        std::printf("operator=%s\n", windowText(GetDlgItem(main, 89)).c_str());
    } else {
        std::fprintf(stderr, "usage: windowprobe window|entry|message|tip\n");
        return 2;
    }
    return 0;
}
