#include "win32/tabring.h"

#include <vector>

#include "win32/keyrelease.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

std::vector<HWND> stops(const Shell& sh) {
    std::vector<HWND> ring{sh.floatCheckBox,   sh.entryField,       sh.arcCheckBox,
                           sh.backSpaceButton, sh.clearEntryButton, sh.clearAllButton};
    ring.insert(ring.end(), sh.modeRadios.begin(), sh.modeRadios.end());
    ring.insert(ring.end(), sh.keys.begin(), sh.keys.end());
    ring.insert(ring.end(), sh.readoutLines.begin(), sh.readoutLines.end());
    return ring;
}

int stopIndex(const std::vector<HWND>& ring, HWND window) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (ring[i] == window) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void move(Shell& sh, int step) {
    const std::vector<HWND> ring = stops(sh);
    const int count = static_cast<int>(ring.size());
    int at = stopIndex(ring, GetFocus());
    if (at < 0) {
        // A command has taken the focus back to the main window: the mark
        // goes on from where it last stood.
        at = sh.lastStop;
    }
    const int next = at < 0 ? (step > 0 ? 0 : count - 1) : (at + step + count) % count;
    sh.lastStop = next;
    sh.marked = true;
    HWND stop = ring[static_cast<std::size_t>(next)];
    // Focus marks show from now on, on the switches too.
    SendMessageA(sh.mainWindow, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(stop);
    // The mark is drawn with the focus; a key marked again repaints it.
    InvalidateRect(stop, nullptr, FALSE);
}

bool pressKey(WPARAM key) {
    return key == VK_SPACE || key == VK_RETURN;
}

// Held for Shift+Tab or for the next key's shortcut: the mark stays where it is.
bool modifier(WPARAM key) {
    switch (key) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_CAPITAL:
        case VK_NUMLOCK:
            return true;
        default:
            return false;
    }
}

}  // namespace

bool tabRingMessage(Shell& sh, const MSG& message) {
    if (message.message == WM_LBUTTONDOWN || message.message == WM_NCLBUTTONDOWN) {
        sh.marked = false;
        return false;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) {
        return false;
    }
    const bool plain = !isDown(VK_CONTROL) && !isDown(VK_MENU);
    // Ctrl+C on a marked readout line copies the line's whole text.
    if (message.message == WM_KEYDOWN && message.wParam == 'C' && isDown(VK_CONTROL) &&
        !isDown(VK_MENU) && isReadoutLine(sh, message.hwnd)) {
        copyReadoutLine(sh, message.hwnd);
        return true;
    }
    if (message.wParam == VK_TAB && plain) {
        if (message.message == WM_KEYDOWN) {
            move(sh, isDown(VK_SHIFT) ? -1 : 1);
        }
        return true;
    }
    const bool onMarkedStop = sh.marked && message.hwnd == GetFocus() &&
                              message.hwnd != sh.entryField &&
                              stopIndex(stops(sh), message.hwnd) >= 0;
    if (modifier(message.wParam)) {
        return onMarkedStop;
    }
    if (!pressKey(message.wParam)) {
        return false;
    }
    if (message.message == WM_KEYUP) {
        if (sh.heldStop != message.hwnd || sh.heldStop == nullptr) {
            return false;
        }
        HWND stop = sh.heldStop;
        sh.heldStop = nullptr;
        SendMessageA(stop, BM_SETSTATE, FALSE, 0);
        // The button's own click: a check box toggles, every control tells
        // the main window, as a mouse click would.
        SendMessageA(stop, BM_CLICK, 0, 0);
        return true;
    }
    // Only on a button or key that Tab marked; the entry takes its Enter.
    if (!onMarkedStop || !plain || isDown(VK_SHIFT)) {
        return false;
    }
    if ((message.lParam & (LPARAM{1} << 30)) == 0) {
        sh.heldStop = message.hwnd;
        SendMessageA(message.hwnd, BM_SETSTATE, TRUE, 0);
    }
    return true;
}

}  // namespace korvo::win32
