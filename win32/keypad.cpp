#include "win32/keypad.h"

#include <commctrl.h>

#include <array>
#include <cstdint>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "win32/childwindows.h"
#include "win32/resourceids.h"
#include "win32/shell.h"
#include "win32/shortcuttips.h"

namespace korvo::win32 {
namespace {

constexpr int kKeysPerRow = 9;
constexpr int kEntriesPerRow = 2 * kKeysPerRow - 1;  // a separator between neighbours

struct KeypadRow {
    int bitmapId = 0;
    std::array<TBBUTTON, kEntriesPerRow> buttons{};
};

// Key entries and separators alternate; image i of the row's bitmap is the
// face of the key in column i + 1.
constexpr KeypadRow keypadRow(int bitmapId, const std::array<std::uint32_t, kKeysPerRow>& ids) {
    KeypadRow row;
    row.bitmapId = bitmapId;
    for (int entry = 0; entry < kEntriesPerRow; ++entry) {
        TBBUTTON& button = row.buttons.at(static_cast<std::size_t>(entry));
        button.fsState = TBSTATE_ENABLED;
        if (entry % 2 == 0) {
            button.iBitmap = entry / 2;
            button.idCommand = static_cast<int>(ids.at(static_cast<std::size_t>(entry / 2)));
            button.fsStyle = TBSTYLE_BUTTON;
        } else {
            button.fsStyle = TBSTYLE_SEP;
        }
    }
    return row;
}

namespace key = korvo::cmd;

constexpr std::array<KeypadRow, 5> keypadRows{
    keypadRow(IDB_KEYPAD_ROW1,
              {key::kSin, key::kCot, key::kMemoryClear, key::kDigit0 + 7, key::kDigit0 + 8,
               key::kDigit0 + 9, key::kAdd, key::kSquareRoot, key::kHypotenuse}),
    keypadRow(IDB_KEYPAD_ROW2,
              {key::kCos, key::kLog, key::kMemoryRecall, key::kDigit0 + 4, key::kDigit0 + 5,
               key::kDigit0 + 6, key::kSubtract, key::kPercent, key::kReciprocal}),
    keypadRow(IDB_KEYPAD_ROW3,
              {key::kTan, key::kTwoToX, key::kMemoryStore, key::kDigit0 + 1, key::kDigit0 + 2,
               key::kDigit0 + 3, key::kMultiply, key::kSquare, key::kPower}),
    keypadRow(IDB_KEYPAD_ROW4, {key::kCsc, key::kTenToX, key::kMemoryAdd, key::kDigit0, key::kPoint,
                                key::kEquals, key::kDivide, key::kSign, key::kPi}),
    keypadRow(IDB_KEYPAD_ROW5,
              {key::kSec, key::kEToX, key::kMemorySubtract, key::kDigit0 + 10, key::kDigit0 + 11,
               key::kDigit0 + 12, key::kDigit0 + 13, key::kDigit0 + 14, key::kDigitF}),
};

constexpr int kPanelX = 178;
constexpr int kPanelTop = 74;
constexpr int kRowPitch = 29;
constexpr int kPanelWidth = 272;
constexpr int kPanelHeight = 24;
constexpr int kPanelId = 1;  // all five share it
constexpr int kKeySize = 16;

}  // namespace

void createKeypad(Shell& shell, HWND mainWindow) {
    int top = kPanelTop;
    for (const KeypadRow& row : keypadRows) {
        HWND panel = CreateWindowExA(0, "STATIC", nullptr, WS_CHILD | WS_VISIBLE, kPanelX, top,
                                     kPanelWidth, kPanelHeight, mainWindow, childId(kPanelId),
                                     shell.appInstance, nullptr);
        shell.keypadPanel = panel;
        // The panels share one class, so the procedure replaced is the same
        // for all five.
        shell.keypadPanelBaseProc = subclassWindow(panel, &keypadPanelProc);
        CreateToolbarEx(panel, WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS,
                        static_cast<UINT>(row.bitmapId), kKeysPerRow, shell.appInstance,
                        static_cast<UINT_PTR>(row.bitmapId), row.buttons.data(), kEntriesPerRow,
                        kKeySize, kKeySize, kKeySize, kKeySize, sizeof(TBBUTTON));
        top += kRowPitch;
    }
}

LRESULT CALLBACK keypadPanelProc(HWND panel, UINT message, WPARAM wParam, LPARAM lParam) {
    Shell& sh = shell();
    if (message == WM_COMMAND) {
        dispatchKeypadCommand(sh.calculator, sh.window, LOWORD(wParam));
    }
    // WM_NOTIFY's lParam is the notification's header.
    // NOLINTNEXTLINE(performance-no-int-to-ptr)
    if (message == WM_NOTIFY && answerKeypadTip(reinterpret_cast<NMHDR*>(lParam))) {
        return 0;
    }
    return CallWindowProcA(sh.keypadPanelBaseProc, panel, message, wParam, lParam);
}

}  // namespace korvo::win32
