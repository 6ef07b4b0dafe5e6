// Looks at a running korvocalc.exe from another process and prints what a
// person would see, one fact a line, for scripts/windows-test.sh to compare:
//   layout  the frame, the screen's dpi, each label (or the entry) whose text
//           is cut ("clipped="), each keypad key's rectangle and name
//   (none)  the entry, the indicators, Deg's and Rad's marks, the focus, the
//           tooltip showing, an open message box's text, the About box's texts
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

std::string className(HWND window) {
    std::array<char, 64> name{};
    GetClassNameA(window, name.data(), static_cast<int>(name.size()));
    return name.data();
}

int flag(HWND window, int which, DWORD mask) {
    return (static_cast<DWORD>(GetWindowLongPtrA(window, which)) & mask) != 0 ? 1 : 0;
}

RECT rectIn(HWND parent, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

template <typename Visit>
void forEachChild(HWND parent, Visit visit) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        visit(child);
    }
}

// A control's font handle does not cross to this process, so the probe makes
// the fonts the window promises itself.
HFONT makeFont(int pixels, int weight, const char* face) {
    return CreateFontA(-pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                       face);
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

void printLayout(HWND main, int dpi) {
    RECT rect{};
    RECT client{};
    POINT origin{0, 0};
    GetWindowRect(main, &rect);
    GetClientRect(main, &client);
    ClientToScreen(main, &origin);
    std::printf("caption=%s\nat=%ld,%ld\ndpi=%d\n", windowText(main).c_str(), rect.left, rect.top,
                dpi);
    // Where the client area starts on the screen, for clicks at client pixels.
    std::printf("client=%ld,%ld %ldx%ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("topmost=%d menu=%d\n", flag(main, GWL_EXSTYLE, WS_EX_TOPMOST),
                GetMenu(main) != nullptr);
    std::printf("sizing-border=%d maximize-box=%d minimize-box=%d system-menu=%d\n",
                flag(main, GWL_STYLE, WS_THICKFRAME), flag(main, GWL_STYLE, WS_MAXIMIZEBOX),
                flag(main, GWL_STYLE, WS_MINIMIZEBOX), flag(main, GWL_STYLE, WS_SYSMENU));
    HFONT label = makeFont(MulDiv(12, dpi, 96), FW_MEDIUM, "Courier New");
    forEachChild(main, [&](HWND control) {
        const std::string text = windowText(control);
        const auto type = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE)) & BS_TYPEMASK;
        const bool button = className(control) == "Button";
        if (button && type == BS_OWNERDRAW) {  // a key: its face is a picture
            const RECT r = rectIn(main, control);
            std::printf("key=%ld,%ld %ldx%ld %s\n", r.left, r.top, r.right - r.left,
                        r.bottom - r.top, text.c_str());
            return;
        }
        // The entry (the system font) must fit its tallest digits; a label
        // its text and, for a check box or radio button, the 17-pixel mark.
        const bool edit = GetDlgCtrlID(control) == 44;
        RECT box{};
        GetClientRect(control, &box);
        const bool marked = button && (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON ||
                                       type == BS_CHECKBOX || type == BS_RADIOBUTTON);
        if (edit ? textClipped(GetStockObject(SYSTEM_FONT), "0123456789", 10000, box.bottom)
                 : !text.empty() &&
                       textClipped(label, text, box.right - (marked ? MulDiv(17, dpi, 96) : 0),
                                   box.bottom)) {
            std::printf("clipped=%s\n", edit ? "entry" : text.c_str());
        }
    });
    DeleteObject(label);
}

// Each text of the About box needs its lines' height at its width, and stays
// inside the box and clear of the control below it.
void printAbout(HWND box, int dpi) {
    RECT inside{};
    GetClientRect(box, &inside);
    HFONT font = makeFont(MulDiv(8, dpi, 72), FW_NORMAL, "MS Sans Serif");
    forEachChild(box, [&](HWND control) {
        const std::string text = windowText(control);
        if (className(control) != "Static" || text.size() < 2) {
            return;
        }
        const RECT r = rectIn(box, control);
        HDC dc = GetDC(control);
        HGDIOBJ previous = SelectObject(dc, font);
        RECT need{0, 0, r.right - r.left, 0};
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &need,
                  DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        SelectObject(dc, previous);
        ReleaseDC(control, dc);
        LONG limit = inside.bottom;  // the top of the next control below that overlaps it
        forEachChild(box, [&](HWND other) {
            const RECT o = rectIn(box, other);
            if (other != control && o.top > r.top && o.left < r.right && o.right > r.left) {
                limit = o.top < limit ? o.top : limit;
            }
        });
        std::printf("about-text=%s %s\n", r.top + need.bottom <= limit ? "shown" : "hidden",
                    escaped(text.substr(0, 20)).c_str());
    });
    DeleteObject(font);
}

void printState(HWND main, int dpi) {
    std::printf("entry=%s\nmemory=%s\noperator=%s\n", windowText(GetDlgItem(main, 44)).c_str(),
                windowText(GetDlgItem(main, 88)).c_str(), windowText(GetDlgItem(main, 89)).c_str());
    const auto checked = [main](int id) {
        return SendMessageA(GetDlgItem(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    };
    std::printf("deg=%d rad=%d\n", checked(19), checked(20));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    std::printf("focus=%s\n", info.hwndFocus == nullptr ? "none"
                              : info.hwndFocus == main  ? "main window"
                                                        : windowText(info.hwndFocus).c_str());
    for (HWND tip = FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
         tip = FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        if (IsWindowVisible(tip) != FALSE) {
            std::printf("tip=%s\n", windowText(tip).c_str());
        }
    }
    // A message box's text is its static control with id 0xFFFF.
    if (HWND box = FindWindowA("#32770", "KORVO CALCULATOR"); box != nullptr) {
        std::printf("message=%s\n", escaped(windowText(GetDlgItem(box, 0xFFFF))).c_str());
    }
    if (HWND box = FindWindowA("#32770", "About Calculator"); box != nullptr) {
        printAbout(box, dpi);
    }
}

}  // namespace

int main(int argc, char** argv) {
    HWND main = FindWindowA("Calculator", nullptr);
    if (main == nullptr) {
        std::fprintf(stderr, "windowprobe: no window of class Calculator\n");
        return 1;
    }
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (argc == 2 && std::string_view(argv[1]) == "layout") {
        printLayout(main, dpi);
    } else {
        printState(main, dpi);
    }
    return 0;
}
