#include "win32/controls.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/commandids.h"
#include "win32/childwindows.h"
#include "win32/dpi.h"
#include "win32/entryfieldproc.h"
#include "win32/keypad.h"
#include "win32/readoutdrawing.h"
#include "win32/readoutlines.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

struct ControlLayout {
    const char* className;
    const char* text;
    DWORD style;  // besides WS_CHILD and WS_VISIBLE
    DWORD exStyle;
    int x;
    int y;
    int width;
    int height;
    std::uint32_t id;
    bool labelled;  // takes the control font; the others keep the system font
};

constexpr std::uint32_t kEntryFieldId = 44;
constexpr std::uint32_t kMemoryIndicatorId = 88;
constexpr std::uint32_t kOperatorIndicatorId = 89;
constexpr std::uint32_t kAngleFrameId = 14;
constexpr std::uint32_t kBaseFrameId = 15;
constexpr std::uint32_t kReadoutPanelId = 55;

constexpr DWORD kEditBox = WS_BORDER | ES_AUTOHSCROLL | ES_RIGHT;
constexpr DWORD kIndicator = WS_BORDER | ES_READONLY | ES_CENTER;
// A frame never paints over the controls it overlaps.
constexpr DWORD kFrame = BS_GROUPBOX | WS_CLIPSIBLINGS;

// Controls 1 to 16, in creation order. No tab stops and no groups: "Dec" to
// "Bin" are the only auto radio buttons, so they form one group by
// themselves. The check boxes and radio buttons reach a pixel above and two
// below their 12-pixel row, so that no descender of a label is cut.
constexpr std::array<ControlLayout, kControlCount> kControls{{
    {"BUTTON", "Floating Point", BS_AUTOCHECKBOX, 0, 4, 3, 130, 15, cmd::kFloatingPoint, true},
    {"EDIT", nullptr, kEditBox, WS_EX_CLIENTEDGE, 135, 0, 315, 22, kEntryFieldId, false},
    {"BUTTON", "Arc", BS_AUTOCHECKBOX, 0, 182, 31, 40, 15, cmd::kArc, true},
    {"EDIT", nullptr, kIndicator, WS_EX_CLIENTEDGE, 239, 26, 25, 21, kMemoryIndicatorId, false},
    {"BUTTON", "Back Space", BS_PUSHBUTTON, 0, 271, 26, 80, 20, cmd::kBackSpace, true},
    {"EDIT", nullptr, kIndicator, WS_EX_CLIENTEDGE, 363, 26, 25, 21, kOperatorIndicatorId, false},
    {"BUTTON", "CE", BS_PUSHBUTTON, 0, 399, 26, 20, 20, cmd::kClearEntry, true},
    {"BUTTON", "C", BS_PUSHBUTTON, 0, 429, 26, 20, 20, cmd::kClearAll, true},
    // Rad stands clear of Deg's text, and its own text clear of the frame.
    {"BUTTON", nullptr, kFrame, 0, 178, 43, 90, 28, kAngleFrameId, false},
    {"BUTTON", nullptr, kFrame, 0, 271, 43, 178, 28, kBaseFrameId, false},
    {"BUTTON", "Deg", BS_AUTOCHECKBOX, 0, 182, 54, 40, 15, cmd::kDegrees, true},
    {"BUTTON", "Rad", BS_AUTOCHECKBOX, 0, 225, 54, 40, 15, cmd::kRadians, true},
    {"BUTTON", "Dec", BS_AUTORADIOBUTTON, 0, 275, 54, 40, 15, cmd::kDecimal, true},
    {"BUTTON", "Hex", BS_AUTORADIOBUTTON, 0, 318, 54, 40, 15, cmd::kHexadecimal, true},
    {"BUTTON", "Oct", BS_AUTORADIOBUTTON, 0, 361, 54, 40, 15, cmd::kOctal, true},
    {"BUTTON", "Bin", BS_AUTORADIOBUTTON, 0, 404, 54, 40, 15, cmd::kBinary, true},
}};

// The readout panel, at the window's left.
constexpr ControlLayout kReadoutPanel{
    "BUTTON",        nullptr, kFrame, 0, 4, 18, kReadoutClientWidth, kReadoutClientHeight,
    kReadoutPanelId, false};

HWND createControl(const Shell& shell, HWND mainWindow, const ControlLayout& layout) {
    return CreateWindowExA(layout.exStyle, layout.className, layout.text,
                           WS_CHILD | WS_VISIBLE | layout.style, 0, 0, 0, 0, mainWindow,
                           childId(static_cast<int>(layout.id)), shell.appInstance, nullptr);
}

void place(HWND control, const ControlLayout& layout, int dpi) {
    SetWindowPos(control, nullptr, scaled(layout.x, dpi), scaled(layout.y, dpi),
                 scaled(layout.width, dpi), scaled(layout.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
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

    // Where each control's handle is kept, in the order of kControls.
    const std::array<HWND*, kControls.size()> kept{
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
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlLayout& layout = kControls.at(i);
        HWND control = createControl(shell, mainWindow, layout);
        shell.controls.at(i) = control;
        if (kept.at(i) != nullptr) {
            *kept.at(i) = control;
        }
        if (layout.id == kEntryFieldId) {
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
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlLayout& layout = kControls.at(i);
        HWND control = shell.controls.at(i);
        place(control, layout, dpi);
        // Labelled controls take the control font; the others the system font.
        if (layout.labelled) {
            setFont(control, shell.controlFont);
        } else if (shell.systemFont != nullptr || oldSystemFont != nullptr) {
            setFont(control, shell.systemFont);
        }
    }
    place(shell.readoutPanel, kReadoutPanel, dpi);
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
