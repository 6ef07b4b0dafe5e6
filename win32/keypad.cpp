#include "win32/keypad.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstddef>

#include "calc/keypad.h"
#include "calc/windowlayout.h"
#include "win32/childwindows.h"
#include "win32/dpi.h"
#include "win32/resourceids.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// At 96 dpi, the face stands 3 pixels in from the key's left and top edges.
constexpr int kFaceLeft = 3;
constexpr int kFaceTop = 3;
constexpr int kMarkInset = 2;

constexpr std::array<int, kKeypadRows> kFaceBitmaps{
    IDB_KEYPAD_ROW1, IDB_KEYPAD_ROW2, IDB_KEYPAD_ROW3, IDB_KEYPAD_ROW4, IDB_KEYPAD_ROW5};

const KeypadKey* keyOf(const Shell& sh, HWND window) {
    for (std::size_t i = 0; i < sh.keys.size(); ++i) {
        if (sh.keys.at(i) == window) {
            return &keypadKeys().at(i);
        }
    }
    return nullptr;
}

bool pressed(HWND key) {
    return (SendMessageA(key, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

void setPressed(HWND key, bool down) {
    if (pressed(key) != down) {
        SendMessageA(key, BM_SETSTATE, down ? TRUE : FALSE, 0);
    }
}

bool inside(HWND key, LPARAM point) {
    RECT rect{};
    GetClientRect(key, &rect);
    const POINT at{GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    return PtInRect(&rect, at) != FALSE;
}

// The button's own mouse handling takes the focus; a key is pressed here
// instead, and its command goes to the main window at the release over it.
LRESULT CALLBACK keyProc(HWND key, UINT message, WPARAM wParam, LPARAM lParam) {
    const Shell& sh = shell();
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(key);
            setPressed(key, true);
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == key) {
                setPressed(key, inside(key, lParam));
            }
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == key) {
                const bool click = inside(key, lParam);
                ReleaseCapture();
                setPressed(key, false);
                if (click) {
                    SendMessageA(GetParent(key), WM_COMMAND,
                                 MAKEWPARAM(GetDlgCtrlID(key), BN_CLICKED),
                                 reinterpret_cast<LPARAM>(key));
                }
            }
            return 0;
        case WM_CAPTURECHANGED:
            setPressed(key, false);
            return 0;
        default:
            return CallWindowProcA(sh.keyBaseProc, key, message, wParam, lParam);
    }
}

}  // namespace

void createKeypad(Shell& shell, HWND mainWindow) {
    for (std::size_t row = 0; row < shell.keyFaces.size(); ++row) {
        // The faces' greys, black and white in the system's button colours.
        shell.keyFaces.at(row) =
            CreateMappedBitmap(shell.appInstance, kFaceBitmaps.at(row), 0, nullptr, 0);
    }
    for (std::size_t i = 0; i < keypadKeys().size(); ++i) {
        const KeypadKey& k = keypadKeys().at(i);
        const std::string name(k.name);
        HWND key = CreateWindowExA(0, "BUTTON", name.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                   0, 0, 0, 0, mainWindow, childId(static_cast<int>(k.commandId)),
                                   shell.appInstance, nullptr);
        shell.keys.at(i) = key;
        // The keys share one class, so the procedure replaced is the same for all.
        shell.keyBaseProc = subclassWindow(key, &keyProc);
    }
    placeKeypad(shell);
}

void placeKeypad(const Shell& shell) {
    for (std::size_t i = 0; i < keypadKeys().size(); ++i) {
        const KeypadKey& k = keypadKeys().at(i);
        const LayoutRect row = keypadRowRect(k.row);
        const LayoutRect key = keypadKeyRect(k.column);
        const int x = row.x + key.x;
        const int y = row.y + key.y + kWindowsKeyDrop;
        const int dpi = shell.dpi;
        // Both corners scaled: neighbours never overlap nor drift apart.
        const int left = scaled(x, dpi);
        const int top = scaled(y, dpi);
        SetWindowPos(shell.keys.at(i), nullptr, left, top, scaled(x + key.width, dpi) - left,
                     scaled(y + key.height, dpi) - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

bool drawKey(const Shell& shell, const DRAWITEMSTRUCT& item) {
    const KeypadKey* k = keyOf(shell, item.hwndItem);
    if (k == nullptr) {
        return false;
    }
    const int dpi = shell.dpi;
    HDC dc = item.hDC;
    RECT frame = item.rcItem;
    const bool down = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));

    // The face moves a pixel down and right while pressed, as a button's label does.
    const int shift = down ? scaled(1, dpi) : 0;
    HDC faces = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(faces, shell.keyFaces.at(static_cast<std::size_t>(k->row)));
    SetStretchBltMode(dc, COLORONCOLOR);  // each face pixel a block, never a blend
    StretchBlt(dc, item.rcItem.left + scaled(kFaceLeft, dpi) + shift,
               item.rcItem.top + scaled(kFaceTop, dpi) + shift, scaled(kKeyFaceWidth, dpi),
               scaled(kKeyFaceHeight, dpi), faces, kKeyFaceWidth * k->column, 0, kKeyFaceWidth,
               kKeyFaceHeight, SRCCOPY);
    SelectObject(faces, previous);
    DeleteDC(faces);

    if (shell.marked && GetFocus() == item.hwndItem) {
        RECT mark = item.rcItem;
        const int inset = scaled(kMarkInset, dpi);
        InflateRect(&mark, -inset, -inset);
        DrawFocusRect(dc, &mark);
    }
    return true;
}

}  // namespace korvo::win32
