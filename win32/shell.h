// The Windows shell's own record: the handles of the main window and its
// controls, written once while the window is created, beside the one
// calculator and the window system the calculator talks to.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "calc/keypad.h"
#include "calc/keytracker.h"
#include "calc/windowlayout.h"
#include "state/calculatorstate.h"
#include "win32/win32window.h"

namespace korvo::win32 {

// The mode switches in the order of `modeRadios`.
enum ModeRadio : std::size_t { kDeg, kRad, kDec, kHex, kOct, kBin, kModeRadioCount };

// The readout's number lines: Dec, Hex, Oct and the binary block.
inline constexpr std::size_t kReadoutLineCount = 4;

struct Shell {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    HMENU mainMenu = nullptr;
    HACCEL acceleratorTable = nullptr;
    WNDCLASSA mainWindowClass{};
    MSG currentMessage{};

    // The dots per inch the window is laid out for, and the fonts made for it.
    int dpi = 96;
    COLORREF panelColour = 0;
    HFONT controlFont = nullptr;
    HFONT systemFont = nullptr;  // none where the system's own font has the size
    std::array<HWND, kWindowControlCount> controls{};  // in the order of windowControls()
    HWND floatCheckBox = nullptr;
    HWND arcCheckBox = nullptr;
    HWND entryField = nullptr;
    WNDPROC entryFieldBaseProc = nullptr;
    HWND memoryIndicator = nullptr;
    HWND operatorIndicator = nullptr;
    HWND backSpaceButton = nullptr;
    HWND clearEntryButton = nullptr;
    HWND clearAllButton = nullptr;
    std::array<HWND, kModeRadioCount> modeRadios{};
    std::array<HWND, kKeyCount> keys{};  // in the order of keypadKeys()
    std::array<HBITMAP, kKeypadRows> keyFaces{};
    WNDPROC keyBaseProc = nullptr;
    // The Tab ring: the stop that had the mark last, whether the focus
    // there came by Tab (Space and Enter press it then), and the stop
    // Space or Enter holds down.
    int lastStop = -1;
    bool marked = false;
    HWND heldStop = nullptr;
    HWND readoutPanel = nullptr;
    WNDPROC readoutPanelBaseProc = nullptr;
    std::array<HWND, kReadoutLineCount> readoutLines{};  // Dec, Hex, Oct, Bin
    WNDPROC readoutLineBaseProc = nullptr;
    HWND readoutTips = nullptr;

    // The last key that went down: its character, if it brings one,
    // belongs to that key.
    WPARAM lastKey = 0;
    // Windows flags a press as a repeat while it counts the key as down,
    // which can outlast the key's release.
    KeyTracker keyTracker{KeyTracker::RepeatFlag::Confirmed};

    CalculatorState calculator;
    Win32Window window{*this};
};

// The process's one shell: every window procedure works on it.
Shell& shell();

}  // namespace korvo::win32
