// Looks at a running korvocalc.exe from another process and prints what a
// person would see, one fact a line, for scripts/windows-test.sh to compare:
//   window    caption, outer rectangle, client origin and size, frame styles,
//             topmost, menu, and the screen's dots per inch
//   entry     the entry field's and the indicators' texts, Deg's and Rad's marks
//   message   the text of an open "KORVO CALCULATOR" message box, if any
//   tip       the text of the tooltip showing now, if any
//   layout    "clipped=" for a label whose text does not fit its control, and
//             for the entry if its digits do not
//   keys      each keypad key's name and rectangle, in the window's order
//   focus     the name of the control that has the keyboard focus
//   about     whether each text of the open About box fits inside the box
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

RECT rectIn(HWND parent, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string className(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

// How many pixels of ink `text` leaves in a box `width` x `height` where it
// is drawn in `font`, vertically centred as buttons draw their labels.
int inkPixels(HDC screen, HGDIOBJ font, const std::string& text, int width, int height) {
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previousBitmap = SelectObject(dc, bitmap);
    HGDIOBJ previousFont = SelectObject(dc, font);
    RECT box{0, 0, width, height};
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    int ink = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ink += GetPixel(dc, x, y) != RGB(255, 255, 255) ? 1 : 0;
        }
    }
    SelectObject(dc, previousFont);
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

// A control's font handle does not cross to this process, so the probe
// makes the fonts the window promises itself: its labels' Courier New of 12
// pixels at 96 dpi, medium; the About box's MS Sans Serif of 8 points.
HFONT labelFont(int dpi) {
    return CreateFontA(-MulDiv(12, dpi, 96), 0, 0, 0, FW_MEDIUM, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, "Courier New");
}

HFONT aboutFont(int dpi) {
    return CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, "MS Sans Serif");
}

// Whether `text` in `font` needs more than `width` x `height`: wider than
// the room, or ink lost where the box is only as high as the control.
bool textClipped(HGDIOBJ font, const std::string& text, int width, int height) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(screen, previous);
    const bool clipped = size.cx > width || inkPixels(screen, font, text, size.cx, height) <
                                                inkPixels(screen, font, text, size.cx, 3 * size.cy);
    ReleaseDC(nullptr, screen);
    return clipped;
}

// A label fits when its text and, for a check box or radio button, the
// mark beside it (17 pixels at 96 dpi) fit inside the control, no ink lost.
void printLayout(HWND main, int dpi) {
    for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::string text = windowText(control);
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        const DWORD type = style & BS_TYPEMASK;
        // The entry's height, and every label.
        const bool edit = GetDlgCtrlID(control) == 44;
        if (text.empty() && !edit) {
            continue;
        }
        if (className(control) == "Button" && type == BS_OWNERDRAW) {
            continue;  // a key: its face is a picture
        }
        RECT client{};
        GetClientRect(control, &client);
        const bool marked = className(control) == "Button" &&
                            (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON ||
                             type == BS_CHECKBOX || type == BS_RADIOBUTTON);
        const int room = client.right - (marked ? MulDiv(17, dpi, 96) : 0);
        // The entry (the system font): the tallest digits, at any width.
        HFONT label = labelFont(dpi);
        if (textClipped(edit ? GetStockObject(SYSTEM_FONT) : label, edit ? "0123456789" : text,
                        edit ? 10000 : room, client.bottom)) {
            std::printf("clipped=%s\n", edit ? "entry" : text.c_str());
        }
        DeleteObject(label);
    }
}

void printKeys(HWND main) {
    for (HWND control = GetWindow(main, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const auto style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
        if (className(control) == "Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) {
            const RECT r = rectIn(main, control);
            std::printf("key=%ld,%ld %ldx%ld %s\n", r.left, r.top, r.right - r.left,
                        r.bottom - r.top, windowText(control).c_str());
        }
    }
}

void printFocus(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    std::printf("focus=%s\n", info.hwndFocus == nullptr ? "none"
                              : info.hwndFocus == main  ? "main window"
                                                        : windowText(info.hwndFocus).c_str());
}

// Each text of the box needs its lines' height at its width, and stays
// inside the box and clear of the control below it.
void printAbout(int dpi) {
    HWND box = FindWindowA("#32770", "About Calculator");
    if (box == nullptr) {
        std::printf("about=none\n");
        return;
    }
    RECT inside{};
    GetClientRect(box, &inside);
    for (HWND control = GetWindow(box, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const std::string text = windowText(control);
        if (className(control) != "Static" || text.size() < 2) {
            continue;
        }
        const RECT r = rectIn(box, control);
        HDC dc = GetDC(control);
        HFONT font = aboutFont(dpi);
        HGDIOBJ previous = SelectObject(dc, font);
        RECT need{0, 0, r.right - r.left, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &need,
                  DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        DeleteObject(font);
        const LONG bottom = r.top + need.bottom;
        // The next control that starts below this one's top and overlaps it.
        LONG limit = inside.bottom;
        for (HWND other = GetWindow(box, GW_CHILD); other != nullptr;
             other = GetWindow(other, GW_HWNDNEXT)) {
            const RECT o = rectIn(box, other);
            if (other != control && o.top > r.top && o.left < r.right && o.right > r.left &&
                o.top < limit) {
                limit = o.top;
            }
        }
        std::printf("about-text=%s %s\n", bottom <= limit ? "shown" : "hidden",
                    escaped(text.substr(0, 20)).c_str());
    }
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
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (what == "about") {
        printAbout(dpi);
        return 0;
    }
    HWND main = FindWindowA("Calculator", nullptr);
    if (main == nullptr) {
        std::fprintf(stderr, "windowprobe: no window of class Calculator\n");
        return 1;
    }
    if (what == "window") {
        printWindow(main);
    } else if (what == "layout") {
        printLayout(main, dpi);
    } else if (what == "keys") {
        printKeys(main);
    } else if (what == "focus") {
        printFocus(main);
    } else if (what == "entry") {
        std::printf("entry=%s\n", windowText(GetDlgItem(main, 44)).c_str());
        std::printf("memory=%s\n", windowText(GetDlgItem(main, 88)).c_str());
        std::printf("operator=%s\n", windowText(GetDlgItem(main, 89)).c_str());
        const auto checked = [main](int id) {
            return SendMessageA(GetDlgItem(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        };
        std::printf("deg=%d rad=%d\n", checked(19), checked(20));
    } else {
        std::fprintf(stderr,
                     "usage: windowprobe window|entry|message|tip|layout|keys|focus|about\n");
        return 2;
    }
    return 0;
}
