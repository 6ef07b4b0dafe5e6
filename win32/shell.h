// The Windows shell's own record: the handles of the main window and its
// controls, written once while the window is created, beside the one
// calculator and the window system the calculator talks to.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "state/calculatorstate.h"
#include "win32/keyrelease.h"
#include "win32/win32window.h"

namespace korvo::win32 {

// The mode switches in the order of `modeRadios`.
enum ModeRadio : std::size_t { kDeg, kRad, kDec, kHex, kOct, kBin, kModeRadioCount };

struct Shell {
    HINSTANCE appInstance = nullptr;
    HWND mainWindow = nullptr;
    HMENU mainMenu = nullptr;
    HACCEL acceleratorTable = nullptr;
    WNDCLASSA mainWindowClass{};
    MSG currentMessage{};

    COLORREF panelColour = 0;
    HFONT controlFont = nullptr;
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
    HWND keypadPanel = nullptr;
    WNDPROC keypadPanelBaseProc = nullptr;
    HWND readoutPanel = nullptr;
    WNDPROC readoutPanelBaseProc = nullptr;

    // The last key that went down: its character, if it brings one,
    // belongs to that key.
    WPARAM lastKey = 0;
    OwedReleases owedReleases;

    CalculatorState calculator;
    Win32Window window{*this};
};

// The process's one shell: every window procedure works on it.
Shell& shell();

}  // namespace korvo::win32
