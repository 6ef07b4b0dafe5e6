#include "win32/keyrelease.h"

#include "calc/entryfield.h"
#include "calc/shortcuts.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// Bit 30 of a key message's lParam: the key was already down (auto-repeat).
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;
// Bits 16 to 24: the scan code and the extended-key flag.
constexpr int kScanShift = 16;
constexpr LPARAM kScanMask = 0x1FF;
constexpr std::uint32_t kScanFlag = std::uint32_t{1} << 16;

bool isRepeat(LPARAM keyData) {
    return (keyData & kRepeatBit) != 0;
}

bool isDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The scan code where the keyboard gives one; a synthesized key without
// one is told apart by its virtual key alone.
std::uint32_t physicalKey(WPARAM virtualKey, LPARAM keyData) {
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

bool OwedReleases::pressed(WPARAM virtualKey, LPARAM keyData) {
    const auto key = static_cast<std::uint32_t>(virtualKey);
    // Ctrl alone is a plain key: its release runs the length limits.
    const bool ctrl = isDown(VK_CONTROL) && key != VK_CONTROL;
    const bool alt = isDown(VK_MENU);  // AltGr is Ctrl and Alt
    const auto command = alt ? std::nullopt : shortcutCommand(key, ctrl);
    if (!isRepeat(keyData)) {
        const std::uint32_t physical = physicalKey(virtualKey, keyData);
        if (command) {
            owed_[physical] = OwedRelease{true, *command};
        } else if (ctrl || alt) {
            owed_.erase(physical);
        } else {
            owed_[physical] = OwedRelease{false, key};
        }
    }
    return command.has_value();
}

void OwedReleases::settle(WPARAM virtualKey, LPARAM keyData) {
    if (!isRepeat(keyData)) {
        owed_.erase(physicalKey(virtualKey, keyData));
    }
}

std::optional<OwedRelease> OwedReleases::take(WPARAM virtualKey, LPARAM keyData) {
    const auto found = owed_.find(physicalKey(virtualKey, keyData));
    if (found == owed_.end()) {
        return std::nullopt;
    }
    const OwedRelease owed = found->second;
    owed_.erase(found);
    return owed;
}

void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    const auto owed = sh.owedReleases.take(virtualKey, keyData);
    if (!owed) {
        return;
    }
    if (owed->shortcut) {
        runShortcut(sh.calculator, sh.window, owed->code);
    } else {
        // The key as it went down: NumLock may have changed its code since.
        entryKeyUp(sh.calculator, sh.window, owed->code);
    }
}

void OwedReleases::follow(MSG& message) {
    const std::uint32_t physical = physicalKey(message.wParam, message.lParam);
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        if (!down_.insert(physical).second) {
            return;
        }
        message.lParam &= ~kRepeatBit;
    } else if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) {
        down_.erase(physical);
    }
}

void followKeyMessage(Shell& sh, MSG& message) {
    sh.owedReleases.follow(message);
    if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) {
        return;
    }
    if (message.message == WM_KEYDOWN) {
        sh.owedReleases.settle(message.wParam, message.lParam);
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
