#include "win32/keyrelease.h"

#include "calc/entryfield.h"
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

// The scan code where the keyboard gives one; a synthesized key without
// one is told apart by its virtual key alone.
std::uint32_t physicalKey(WPARAM virtualKey, LPARAM keyData) {
    const auto scan = static_cast<std::uint32_t>((keyData >> kScanShift) & kScanMask);
    return scan != 0 ? (kScanFlag | scan) : static_cast<std::uint32_t>(virtualKey);
}

}  // namespace

void OwedReleases::pressed(WPARAM virtualKey, LPARAM keyData) {
    if (!isRepeat(keyData)) {
        down_[physicalKey(virtualKey, keyData)] = virtualKey;
    }
}

void OwedReleases::settle(WPARAM virtualKey, LPARAM keyData) {
    if (!isRepeat(keyData)) {
        down_.erase(physicalKey(virtualKey, keyData));
    }
}

std::optional<WPARAM> OwedReleases::take(WPARAM virtualKey, LPARAM keyData) {
    const auto found = down_.find(physicalKey(virtualKey, keyData));
    if (found == down_.end()) {
        return std::nullopt;
    }
    const WPARAM pressedAs = found->second;
    down_.erase(found);
    return pressedAs;
}

bool OwedReleases::owesCommand(WPARAM virtualKey, LPARAM keyData) const {
    const auto found = down_.find(physicalKey(virtualKey, keyData));
    return found != down_.end() &&
           keyCommand(static_cast<std::uint32_t>(found->second)).has_value();
}

void releaseKey(Shell& sh, WPARAM virtualKey, LPARAM keyData) {
    // The key as it went down: NumLock may have changed its code since.
    if (const auto pressedAs = sh.owedReleases.take(virtualKey, keyData)) {
        entryKeyUp(sh.calculator, sh.window, static_cast<std::uint32_t>(*pressedAs));
    }
}

void followKeyMessage(Shell& sh, const MSG& message) {
    if (message.message == WM_KEYDOWN) {
        sh.owedReleases.settle(message.wParam, message.lParam);
    } else if (message.message == WM_KEYUP && message.hwnd != sh.mainWindow &&
               message.hwnd != sh.entryField) {
        releaseKey(sh, message.wParam, message.lParam);
    }
}

}  // namespace korvo::win32
