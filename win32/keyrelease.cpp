#include "win32/keyrelease.h"

#include <cstdint>

#include "calc/shortcuts.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// Bits 16 to 24: the scan code and the extended-key flag.
constexpr int kScanShift = 16;
constexpr LPARAM kScanMask = 0x1FF;
constexpr std::uint32_t kScanFlag = std::uint32_t{1} << 16;

bool isRepeat(LPARAM keyData) {
    return (keyData & kRepeatBit) != 0;
}

// The scan code where the keyboard gives one; a synthesized key without
// one is told apart by its virtual key alone.
std::uint64_t physicalKey(WPARAM virtualKey, LPARAM keyData) {
    const auto scan = static_cast<std::uint32_t>((keyData >> kScanShift) & kScanMask);
    return scan != 0 ? (kScanFlag | scan) : static_cast<std::uint32_t>(virtualKey);
}

// One of the main window's buttons, keys or check boxes, or a readout line
// (the entry field takes its keys itself).
bool isSwitch(const Shell& sh, HWND window) {
    return (window != sh.mainWindow && window != sh.entryField &&
            GetParent(window) == sh.mainWindow) ||
           isReadoutLine(sh, window);
}

}  // namespace

bool keyPressed(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    const auto key = static_cast<std::uint32_t>(virtualKey);
    // Ctrl alone is a plain key: its release runs the length limits.
    const bool ctrl = isDown(VK_CONTROL) && key != VK_CONTROL;
    const bool alt = isDown(VK_MENU);  // AltGr is Ctrl and Alt
    if (isRepeat(keyData)) {
        return !alt && shortcutCommand(key, ctrl).has_value();
    }
    const KeyPress press{physicalKey(virtualKey, keyData), key, key, '\0', ctrl, alt, false};
    return sh.keyTracker.owe(press) == KeyTracker::Answer::Shortcut;
}

void settleKey(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    if (!isRepeat(keyData)) {
        sh.keyTracker.settle(physicalKey(virtualKey, keyData));
    }
}

void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    if (const auto owed = sh.keyTracker.release(physicalKey(virtualKey, keyData))) {
        runOwedRelease(sh.calculator, sh.window, *owed);
    }
}

void followKeyMessage(Shell& sh, MSG& message) {
    const std::uint64_t physical = physicalKey(message.wParam, message.lParam);
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if (!sh.keyTracker.down(physical, isRepeat(message.lParam))) {
            message.lParam &= ~kRepeatBit;
        }
    } else if (message.message == WM_SYSKEYUP) {
        sh.keyTracker.release(physical);  // no window procedure sees it
    }
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) {
        return;
    }
    // A click left the focus on a switch (a drag off it, say): Space must
    // not toggle it, and every key is the calculator's.
    if (isSwitch(sh, message.hwnd)) {
        message.hwnd = sh.mainWindow;
        if (message.message == WM_KEYDOWN) {
            SetFocus(sh.mainWindow);
        }
    }
}

}  // namespace korvo::win32
