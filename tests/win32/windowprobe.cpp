// Looks at a running korvocalc.exe from another process and prints what a
// person would see, one fact a line, for scripts/windows-test.sh to compare:
//   window      the main window: caption, outer rectangle, frame styles, topmost
//   controls    every direct child: id, class, client rectangle, check mark, text
//   keypad      each keypad row: toolbar id, entry count, the index of every key id
//   entry       the entry field's and the indicators' texts
//   message     the text of an open "KORVO CALCULATOR" message box, if any
//   redraw      makes the whole window repaint itself, as when it is uncovered
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string windowText(HWND window) {
    std::array<char, 512> buffer{};
    // Another process's text arrives through WM_GETTEXT, which the system
    // carries across.
    const auto copied =
        SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

std::string className(HWND window) {
    std::array<char, 64> buffer{};
    const int length = GetClassNameA(window, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

// Carriage returns and line feeds written as \r and \n keep one fact a line.
std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

RECT rectIn(HWND window, HWND parent) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<HWND> directChildren(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

int childId(HWND window) {
    return static_cast<int>(GetWindowLongPtrA(window, GWLP_ID));
}

void printWindow(HWND main) {
    RECT rect{};
    GetWindowRect(main, &rect);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(main, GWL_EXSTYLE));
    std::printf("caption=%s\n", windowText(main).c_str());
    std::printf("rect=%ld,%ld %ldx%ld\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top);
    std::printf("topmost=%d\n", (exStyle & WS_EX_TOPMOST) != 0 ? 1 : 0);
    std::printf("sizing-border=%d maximize-box=%d minimize-box=%d system-menu=%d\n",
                (style & WS_THICKFRAME) != 0 ? 1 : 0, (style & WS_MAXIMIZEBOX) != 0 ? 1 : 0,
                (style & WS_MINIMIZEBOX) != 0 ? 1 : 0, (style & WS_SYSMENU) != 0 ? 1 : 0);
    std::printf("menu=%d\n", GetMenu(main) != nullptr ? 1 : 0);
    // Where the client area starts on the screen, for clicks at client pixels.
    POINT origin{0, 0};
    ClientToScreen(main, &origin);
    RECT client{};
    GetClientRect(main, &client);
    std::printf("client=%ld,%ld %ldx%ld\n", origin.x, origin.y, client.right, client.bottom);
}

DWORD styleOf(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

// What kind of button or edit box a control is, from its style.
std::string controlKind(HWND control, const std::string& kind) {
    const DWORD style = styleOf(control);
    if (kind == "Button") {
        switch (style & BS_TYPEMASK) {
            case BS_PUSHBUTTON:
                return "push";
            case BS_AUTOCHECKBOX:
                return "autocheckbox";
            case BS_AUTORADIOBUTTON:
                return "autoradio";
            case BS_GROUPBOX:
                return "groupbox";
            default:
                return "button" + std::to_string(style & BS_TYPEMASK);
        }
    }
    if (kind == "Edit") {
        std::string flags = (style & ES_READONLY) != 0 ? "readonly" : "editable";
        flags += (style & ES_RIGHT) != 0    ? "-right"
                 : (style & ES_CENTER) != 0 ? "-centre"
                                            : "-left";
        return flags;
    }
    return "plain";
}

std::string checkMark(HWND control, const std::string& kind) {
    const DWORD type = styleOf(control) & BS_TYPEMASK;
    if (kind != "Button" || (type != BS_AUTOCHECKBOX && type != BS_AUTORADIOBUTTON)) {
        return "-";
    }
    return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? "checked" : "unchecked";
}

void printControls(HWND main) {
    for (HWND child : directChildren(main)) {
        const RECT rect = rectIn(child, main);
        const std::string kind = className(child);
        std::printf("control id=%d class=%s kind=%s at=%ld,%ld size=%ldx%ld %s text=%s\n",
                    childId(child), kind.c_str(), controlKind(child, kind).c_str(), rect.left,
                    rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    checkMark(child, kind).c_str(), escaped(windowText(child)).c_str());
    }
}

void printKeypad(HWND main) {
    // A panel's only child is its row's toolbar; its key ids are found by
    // asking for each id's index, which needs no memory of ours.
    for (HWND panel : directChildren(main)) {
        if (className(panel) != "Static") {
            continue;
        }
        for (HWND toolbar : directChildren(panel)) {
            const auto count = SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
            const auto size = static_cast<DWORD>(SendMessageA(toolbar, TB_GETBUTTONSIZE, 0, 0));
            std::printf("row toolbar=%d entries=%ld button=%ux%u keys:", childId(toolbar),
                        static_cast<long>(count), LOWORD(size), HIWORD(size));
            // In entry order; an entry that is no key (a separator) shows as "|".
            std::vector<std::string> entries(static_cast<std::size_t>(count > 0 ? count : 0), "|");
            for (int id = 200; id <= 244; ++id) {
                const auto index = SendMessageA(toolbar, TB_COMMANDTOINDEX, id, 0);
                if (index >= 0 && static_cast<std::size_t>(index) < entries.size()) {
                    entries[static_cast<std::size_t>(index)] = std::to_string(id);
                }
            }
            for (const std::string& entry : entries) {
                std::printf(" %s", entry.c_str());
            }
            std::printf("\n");
        }
    }
}

void printEntry(HWND main) {
    std::printf("entry=%s\n", windowText(GetDlgItem(main, 44)).c_str());
    std::printf("memory=%s\n", windowText(GetDlgItem(main, 88)).c_str());
    std::printf("operator=%s\n", windowText(GetDlgItem(main, 89)).c_str());
}

void printMessage() {
    HWND box = FindWindowA("#32770", "KORVO CALCULATOR");
    if (box == nullptr) {
        std::printf("message=none\n");
        return;
    }
    // The box's text is its static control with id 0xFFFF.
    std::printf("message=%s\n", escaped(windowText(GetDlgItem(box, 0xFFFF))).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowprobe window|controls|keypad|entry|message|redraw\n");
        return 2;
    }
    const std::string_view what = argv[1];
    if (what == "message") {
        printMessage();
        return 0;
    }
    HWND main = FindWindowA("Calculator", nullptr);
    if (main == nullptr) {
        std::fprintf(stderr, "windowprobe: no window of class Calculator\n");
        return 1;
    }
    if (what == "window") {
        printWindow(main);
    } else if (what == "controls") {
        printControls(main);
    } else if (what == "keypad") {
        printKeypad(main);
    } else if (what == "entry") {
        printEntry(main);
    } else if (what == "redraw") {
        // As when the window is uncovered: everything erased and painted again.
        RedrawWindow(main, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    } else {
        std::fprintf(stderr, "windowprobe: unknown fact %s\n", argv[1]);
        return 2;
    }
    return 0;
}
