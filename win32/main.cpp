// korvocalc for Windows: start-up and the message loop.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "calc/clearall.h"
#include "state/fixedtexts.h"
#include "win32/controls.h"
#include "win32/dpi.h"
#include "win32/keyrelease.h"
#include "win32/mainwindow.h"
#include "win32/readoutlines.h"
#include "win32/resourceids.h"
#include "win32/shell.h"
#include "win32/shortcuttips.h"
#include "win32/tabring.h"

namespace korvo::win32 {
namespace {

constexpr const char* kClassName = "Calculator";
constexpr const char* kCaption = " CALCULATOR V1.0 Written in Assembler";
constexpr int kWindowX = 200;
constexpr int kWindowY = 68;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT kStartUpFailed = 1;

// Without its window the program could never receive a quit message: say
// so and end instead of waiting for ever.
[[noreturn]] void startUpFailed(const char* what) {
    const std::string caption(text::kCaption);
    MessageBoxA(nullptr, what, caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(kStartUpFailed);
}

void registerMainWindowClass(Shell& sh) {
    WNDCLASSA& windowClass = sh.mainWindowClass;
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = &mainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = sh.appInstance;
    windowClass.hIcon = LoadIconA(sh.appInstance, MAKEINTRESOURCEA(IDI_KORVOCALC));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszMenuName = nullptr;  // the menu comes with the window
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) {
        startUpFailed("The calculator's window class could not be registered.");
    }
}

void createMainWindow(Shell& sh) {
    sh.mainMenu = LoadMenuA(sh.appInstance, MAKEINTRESOURCEA(IDR_MAINMENU));
    // Fixed size: caption, system menu and minimize box, no sizing border;
    // the outer size is the one that leaves the whole layout visible at the
    // dpi of the monitor the window opens on.
    const int dpi = windowDpi(nullptr);
    const RECT frame = frameForClient(
        RECT{0, 0, scaled(kClientWidth, dpi), scaled(kClientHeight, dpi)}, kWindowStyle, true, dpi);
    sh.mainWindow = CreateWindowExA(0, kClassName, kCaption, kWindowStyle, kWindowX, kWindowY,
                                    frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                    sh.mainMenu, sh.appInstance, nullptr);
    if (sh.mainWindow == nullptr) {
        startUpFailed("The calculator's main window could not be created.");
    }
    fitMainWindow(sh);
    showStartReadout(sh.calculator, sh.window);
    // Whatever show command the program was started with.
    ShowWindow(sh.mainWindow, SW_SHOWNORMAL);
    UpdateWindow(sh.mainWindow);
    SetWindowPos(sh.mainWindow, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    // Only now: under Wine an owned popup made before would keep the window
    // from becoming topmost.
    addSwitchTips(sh, sh.mainWindow);
    addReadoutTips(sh);
}

// Ctrl+C with nothing selected copies the whole entry. The Edit menu's Copy
// stays greyed then, so its accelerator would drop the key.
bool copiesWholeEntry(Shell& sh, const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != 'C' || !isDown(VK_CONTROL) ||
        isDown(VK_MENU)) {
        return false;
    }
    if (sh.window.hasSelection()) {
        return false;
    }
    sh.window.copyWholeEntry();
    return true;
}

[[noreturn]] void run() {
    Shell& sh = shell();
    InitCommonControls();  // the tooltip class must exist before the tips are made
    sh.appInstance = GetModuleHandleA(nullptr);
    registerMainWindowClass(sh);
    createMainWindow(sh);
    sh.acceleratorTable = LoadAcceleratorsA(sh.appInstance, MAKEINTRESOURCEA(IDR_ACCELERATORS));

    MSG& message = sh.currentMessage;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (tabRingMessage(sh, message)) {
            continue;
        }
        followKeyMessage(sh, message);
        if (copiesWholeEntry(sh, message)) {
            continue;
        }
        // An accelerator's command has already been sent (or dropped, for a
        // greyed item): the key is finished.
        if (TranslateAcceleratorA(sh.mainWindow, sh.acceleratorTable, &message) != 0) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The quit message's code; the window is not destroyed first.
    ExitProcess(static_cast<UINT>(message.wParam));
}

}  // namespace
}  // namespace korvo::win32

// The command line and the show command are not read.
int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
    korvo::win32::run();
}
