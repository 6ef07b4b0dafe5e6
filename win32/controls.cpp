#include "win32/controls.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "calc/windowlayout.h"
#include "win32/childwindows.h"
#include "win32/dpi.h"
#include "win32/entryfieldproc.h"
#include "win32/keypad.h"
#include "win32/readoutdrawing.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// Each kind's class and styles, in the order of ControlKind. A frame never
// paints over the controls it overlaps.
struct KindStyle {
    const char* className;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    DWORD exStyle;
};
constexpr std::array<KindStyle, 6> kKinds{{
    {"BUTTON", BS_AUTOCHECKBOX, 0},
    {"BUTTON", BS_AUTORADIOBUTTON, 0},
    {"BUTTON", BS_PUSHBUTTON, 0},
    {"EDIT", WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT, WS_EX_CLIENTEDGE},
    {"EDIT", WS_BORDER | ES_READONLY | ES_CENTER, WS_EX_CLIENTEDGE},
    {"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, 0},
}};

// No tab stops and no groups: "Dec" to "Bin" are the only auto radio
// buttons, so they form one group by themselves.
HWND createControl(const Shell& shell, HWND mainWindow, const WindowControl& control) {
    const KindStyle& kind = kKinds.at(static_cast<std::size_t>(control.kind));
    const std::string label(control.label);
    return CreateWindowExA(kind.exStyle, kind.className, label.empty() ? nullptr : label.c_str(),
                           WS_CHILD | WS_VISIBLE | kind.style, 0, 0, 0, 0, mainWindow,
                           childId(static_cast<int>(control.id)), shell.appInstance, nullptr);
}

void place(HWND control, const LayoutRect& rect, int dpi) {
    SetWindowPos(control, nullptr, scaled(rect.x, dpi), scaled(rect.y, dpi),
                 scaled(rect.width, dpi), scaled(rect.height, dpi), SWP_NOZORDER | SWP_NOACTIVATE);
}

HFONT createControlFont(int dpi) {
    // Everything zero but the height, the weight and the face.
    LOGFONTA font{};
    font.lfHeight = -scaled(12, dpi);
    font.lfWeight = FW_MEDIUM;
    constexpr std::string_view kFace = "Courier New";
    kFace.copy(font.lfFaceName, kFace.size());
    return CreateFontIndirectA(&font);
}

// The system font grown from the system's dpi to the window's; none where
// they are the same, so the controls keep the very font they always had.
HFONT createSystemFont(int dpi) {
    HDC screen = GetDC(nullptr);
    const int systemDpi = screen == nullptr ? kBaseDpi : GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    LOGFONTA font{};
    if (dpi == systemDpi || GetObjectA(GetStockObject(SYSTEM_FONT), sizeof font, &font) == 0) {
        return nullptr;
    }
    font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
    font.lfWidth = MulDiv(font.lfWidth, dpi, systemDpi);
    return CreateFontIndirectA(&font);
}

void setFont(HWND control, HFONT font) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

}  // namespace

void createControls(Shell& shell, HWND mainWindow) {
    shell.panelColour = GetSysColor(COLOR_MENU);

    // Where each control's handle is kept, in the order of windowControls().
    const std::array<HWND*, kWindowControlCount> kept{
        &shell.floatCheckBox,
        &shell.entryField,
        &shell.arcCheckBox,
        &shell.memoryIndicator,
        &shell.backSpaceButton,
        &shell.operatorIndicator,
        &shell.clearEntryButton,
        &shell.clearAllButton,
        nullptr,
        nullptr,
        &shell.modeRadios[kDeg],
        &shell.modeRadios[kRad],
        &shell.modeRadios[kDec],
        &shell.modeRadios[kHex],
        &shell.modeRadios[kOct],
        &shell.modeRadios[kBin],
    };
    for (std::size_t i = 0; i < kWindowControlCount; ++i) {
        HWND control = createControl(shell, mainWindow, windowControls().at(i));
        shell.controls.at(i) = control;
        if (kept.at(i) != nullptr) {
            *kept.at(i) = control;
        }
        if (windowControls().at(i).id == controlid::kEntryField) {
            shell.entryFieldBaseProc = subclassWindow(control, &entryFieldProc);
        }
    }

    // The modes the calculator starts in: degrees and base 10.
    shell.window.setChecked(Switch::Degrees, true);
    shell.window.setChecked(Switch::Decimal, true);

    createKeypad(shell, mainWindow);

    shell.readoutPanel = createControl(shell, mainWindow, kReadoutPanel);
    shell.readoutPanelBaseProc = subclassWindow(shell.readoutPanel, &readoutPanelProc);
    createReadoutLines(shell);
    placeControls(shell);
}

void placeControls(Shell& shell) {
    const int dpi = shell.dpi;
    HFONT oldControlFont = shell.controlFont;
    HFONT oldSystemFont = shell.systemFont;
    shell.controlFont = createControlFont(dpi);
    shell.systemFont = createSystemFont(dpi);
    for (std::size_t i = 0; i < kWindowControlCount; ++i) {
        const WindowControl& layout = windowControls().at(i);
        HWND control = shell.controls.at(i);
        place(control, windowsRect(layout), dpi);
        // Labelled controls take the control font; the others the system font.
        if (!layout.label.empty()) {
            setFont(control, shell.controlFont);
        } else if (shell.systemFont != nullptr || oldSystemFont != nullptr) {
            setFont(control, shell.systemFont);
        }
    }
    place(shell.readoutPanel, kReadoutPanel.rect, dpi);
    placeKeypad(shell);
    // Only now that no control uses them any more.
    for (HFONT old : {oldControlFont, oldSystemFont}) {
        if (old != nullptr) {
            DeleteObject(old);
        }
    }
    InvalidateRect(shell.mainWindow, nullptr, TRUE);
}

void fitMainWindow(const Shell& shell) {
    // A menu bar can wrap to a second line, which no metric foretells: the
    // frame grows or shrinks by what the client area lacks or has in excess.
    RECT client{};
    RECT frame{};
    GetClientRect(shell.mainWindow, &client);
    GetWindowRect(shell.mainWindow, &frame);
    const int width = frame.right - frame.left + scaled(kClientWidth, shell.dpi) - client.right;
    const int height = frame.bottom - frame.top + scaled(kClientHeight, shell.dpi) - client.bottom;
    SetWindowPos(shell.mainWindow, nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace korvo::win32
