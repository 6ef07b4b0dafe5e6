#include "win32/mainwindow.h"

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/keypad.h"
#include "calc/windowcommands.h"
#include "win32/aboutdialog.h"
#include "win32/controls.h"
#include "win32/dpi.h"
#include "win32/entryfieldproc.h"
#include "win32/keypad.h"
#include "win32/keyrelease.h"
#include "win32/resourceids.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

static_assert(IDM_CLOSE == cmd::kClose && IDM_CUT == cmd::kCut && IDM_COPY == cmd::kCopy &&
              IDM_PASTE == cmd::kPasteMenu && IDM_INFO == cmd::kInfo && IDM_ABOUT == cmd::kAbout &&
              IDC_BACKSPACE == cmd::kBackSpace);

// Commands that end their handling at once; the others (the angle and base
// switches, Arc and ids nobody owns) go on to the default handling.
bool endsHandling(std::uint32_t id) {
    switch (id) {
        case cmd::kCut:
        case cmd::kCopy:
        case cmd::kPasteMenu:
        case cmd::kInfo:
        case cmd::kBackSpace:
        case cmd::kClearEntry:
        case cmd::kClearAll:
        case cmd::kFloatingPoint:
            return true;
        default:
            return false;
    }
}

bool isKeypadCommand(std::uint32_t id) {
    for (const KeypadKey& key : keypadKeys()) {
        if (key.commandId == id) {
            return true;
        }
    }
    return false;
}

LRESULT command(Shell& sh, HWND window, WPARAM wParam, LPARAM lParam) {
    // The high word (notification code or accelerator flag) does not matter.
    const std::uint32_t id = LOWORD(wParam);
    if (id == cmd::kClose) {
        PostQuitMessage(0);
        return 0;
    }
    if (id == cmd::kAbout) {
        showAboutDialog(sh);
        return 0;
    }
    if (isKeypadCommand(id)) {
        dispatchKeypadCommand(sh.calculator, sh.window, id);
        return 0;
    }
    runWindowCommand(sh.calculator, sh.window, id);
    if (endsHandling(id)) {
        return 0;
    }
    return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
}

// Cut and Copy only while text is selected in the entry field; the window
// system asks before every menu and before their accelerators.
void enableEditItems(Shell& sh) {
    const UINT state =
        MF_BYCOMMAND | (cutCopyEnabled(sh.calculator, sh.window) ? MF_ENABLED : MF_GRAYED);
    EnableMenuItem(sh.mainMenu, cmd::kCut, state);
    EnableMenuItem(sh.mainMenu, cmd::kCopy, state);
}

// The window moved to a monitor of another dpi, or the dpi changed: the
// layout grows or shrinks with it, in the rectangle the system suggests.
LRESULT dpiChanged(Shell& sh, HWND window, WPARAM wParam, LPARAM lParam) {
    sh.dpi = HIWORD(wParam);
    placeControls(sh);
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    fitMainWindow(sh);
    sh.window.placeReadoutLines();
    return 0;
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell& sh = shell();
    switch (message) {
        case WM_CREATE:
            sh.mainWindow = window;
            sh.dpi = windowDpi(window);
            createControls(sh, window);
            return 0;
        case WM_COMMAND:
            return command(sh, window, wParam, lParam);
        case WM_INITMENUPOPUP:
            enableEditItems(sh);
            return 0;
        case WM_KEYDOWN:
            if (clipboardKeyDown(sh, wParam, lParam)) {
                return 0;
            }
            // The key's release then reaches the entry field, which turns it
            // into the key's command.
            keyPressed(sh, wParam, lParam);
            mainWindowKeyDown(sh.window);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_CHAR:
            // Shift+= pressed here types "+", which is a key of its own.
            return entryFieldCharacter(sh.entryField, wParam, lParam);
        case WM_KEYUP:
            // The key went down before another key's command took the focus
            // back here: its release is the entry field's all the same.
            releaseKey(sh, wParam, lParam);
            return DefWindowProcA(window, message, wParam, lParam);
        case WM_NOTIFY:
            return 0;
        case WM_DRAWITEM:
            // NOLINTNEXTLINE(performance-no-int-to-ptr)
            return drawKey(sh, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_DPICHANGED:
            return dpiChanged(sh, window, wParam, lParam);
        case WM_CLOSE:
            // The window stays: the process ends with the message loop.
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace korvo::win32
