#include "win32/readoutlines.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "readout/binarylines.h"
#include "win32/childwindows.h"
#include "win32/dpi.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

constexpr UINT kCopyItem = 1;

std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        std::max(GetWindowTextA(window, text.data(), static_cast<int>(text.size())), 0)));
    return text;
}

// The panel paints the lines; the window over them paints nothing but the
// focus mark, drawn and taken away by inverting it.
void toggleMark(HWND line) {
    HDC dc = GetDC(line);
    RECT rect{};
    GetClientRect(line, &rect);
    DrawFocusRect(dc, &rect);
    ReleaseDC(line, dc);
}

LRESULT CALLBACK lineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam) {
    const Shell& sh = shell();
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETTEXT:
            // The text only: the static control would paint it at once.
            return DefWindowProcA(line, message, wParam, lParam);
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(line, &paint);
            EndPaint(line, &paint);
            if (GetFocus() == line) {
                toggleMark(line);
            }
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            toggleMark(line);
            return 0;
        case WM_CONTEXTMENU: {
            HMENU menu = CreatePopupMenu();
            AppendMenuA(menu, MF_STRING, kCopyItem, "&Copy");
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (at.x == -1 && at.y == -1) {  // from the keyboard: at the line
                at = POINT{0, 0};
                ClientToScreen(line, &at);
            }
            const auto chosen =
                TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, line, nullptr);
            DestroyMenu(menu);
            if (chosen == kCopyItem) {
                copyReadoutLine(sh, line);
            }
            return 0;
        }
        default:
            return CallWindowProcA(sh.readoutLineBaseProc, line, message, wParam, lParam);
    }
}

std::string blockText(const ReadoutPicture& picture) {
    std::string text;
    for (const PictureLine& line : picture.binary) {
        text += (text.empty() ? "" : " ") + line.text;
    }
    return text;
}

PixelRect blockRect(const ReadoutPicture& picture) {
    PixelRect rect = picture.binary.empty() ? PixelRect{} : picture.binary.front().rect;
    for (const PictureLine& line : binaryLinesToDraw(picture)) {
        rect.left = std::min(rect.left, line.rect.left);
        rect.top = std::min(rect.top, line.rect.top);
        rect.right = std::max(rect.right, line.rect.right);
        rect.bottom = std::max(rect.bottom, line.rect.bottom);
    }
    return rect;
}

}  // namespace

void createReadoutLines(Shell& shell) {
    for (HWND& line : shell.readoutLines) {
        // SS_NOTIFY: the line sees the mouse, for its tooltip and its menu.
        line = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_LEFT, 0, 0,
                               0, 0, shell.readoutPanel, nullptr, shell.appInstance, nullptr);
        shell.readoutLineBaseProc = subclassWindow(line, &lineProc);
    }
}

void addReadoutTips(Shell& shell) {
    shell.readoutTips =
        CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                        shell.mainWindow, nullptr, shell.appInstance, nullptr);
    SendMessageA(shell.readoutTips, TTM_SETMAXTIPWIDTH, 0, 600);
    for (HWND line : shell.readoutLines) {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = shell.readoutPanel;
        tool.uId = reinterpret_cast<UINT_PTR>(line);
        tool.lpszText = const_cast<char*>("");
        SendMessageA(shell.readoutTips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void showReadoutLines(const Shell& shell, const ReadoutPicture& picture) {
    const std::array<std::pair<std::string, PixelRect>, kReadoutLineCount> lines{{
        {picture.decimal.text, picture.decimal.rect},
        {picture.hexadecimal.text, picture.hexadecimal.rect},
        {picture.octal.text, picture.octal.rect},
        {blockText(picture), blockRect(picture)},
    }};
    const int dpi = shell.dpi;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        HWND line = shell.readoutLines.at(i);
        const auto& [text, rect] = lines.at(i);
        if (windowText(line) != text) {
            SetWindowTextA(line, text.c_str());
            NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, line, OBJID_WINDOW, CHILDID_SELF);
        }
        SetWindowPos(line, HWND_TOP, scaled(rect.left, dpi), scaled(rect.top, dpi),
                     scaled(rect.right, dpi) - scaled(rect.left, dpi),
                     scaled(rect.bottom, dpi) - scaled(rect.top, dpi),
                     SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOCOPYBITS);
        if (shell.readoutTips == nullptr) {
            continue;
        }
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = shell.readoutPanel;
        tool.uId = reinterpret_cast<UINT_PTR>(line);
        std::string tip = text;
        tool.lpszText = tip.data();
        SendMessageA(shell.readoutTips, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool isReadoutLine(const Shell& shell, HWND window) {
    return window != nullptr && std::find(shell.readoutLines.begin(), shell.readoutLines.end(),
                                          window) != shell.readoutLines.end();
}

void copyReadoutLine(const Shell& shell, HWND line) {
    const std::string text = windowText(line);
    if (OpenClipboard(shell.mainWindow) == FALSE) {
        return;
    }
    EmptyClipboard();
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1); block != nullptr) {
        if (void* bytes = GlobalLock(block); bytes != nullptr) {
            std::memcpy(bytes, text.c_str(), text.size() + 1);
            GlobalUnlock(block);
            if (SetClipboardData(CF_TEXT, block) == nullptr) {
                GlobalFree(block);
            }
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}

}  // namespace korvo::win32
