#include "win32/controls.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "calc/commandids.h"
#include "win32/childwindows.h"
#include "win32/entryfieldproc.h"
#include "win32/keypad.h"
#include "win32/readoutdrawing.h"
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

// Controls 1 to 16, in creation order. No tab stops and no groups: "Dec" to
// "Bin" are the only auto radio buttons, so they form one group by themselves.
constexpr std::array<ControlLayout, 16> kControls{{
    {"BUTTON", "Floating Point", BS_AUTOCHECKBOX, 0, 4, 4, 130, 12, cmd::kFloatingPoint, true},
    {"EDIT", nullptr, kEditBox, WS_EX_CLIENTEDGE, 135, 0, 315, 22, kEntryFieldId, false},
    {"BUTTON", "Arc", BS_AUTOCHECKBOX, 0, 182, 32, 40, 12, cmd::kArc, true},
    {"EDIT", nullptr, kIndicator, WS_EX_CLIENTEDGE, 239, 26, 25, 21, kMemoryIndicatorId, false},
    {"BUTTON", "Back Space", BS_PUSHBUTTON, 0, 271, 26, 80, 20, cmd::kBackSpace, true},
    {"EDIT", nullptr, kIndicator, WS_EX_CLIENTEDGE, 363, 26, 25, 21, kOperatorIndicatorId, false},
    {"BUTTON", "CE", BS_PUSHBUTTON, 0, 399, 26, 20, 20, cmd::kClearEntry, true},
    {"BUTTON", "C", BS_PUSHBUTTON, 0, 429, 26, 20, 20, cmd::kClearAll, true},
    {"BUTTON", nullptr, BS_GROUPBOX, 0, 178, 43, 85, 28, kAngleFrameId, false},
    {"BUTTON", nullptr, BS_GROUPBOX, 0, 271, 43, 178, 28, kBaseFrameId, false},
    {"BUTTON", "Deg", BS_AUTOCHECKBOX, 0, 182, 55, 39, 12, cmd::kDegrees, true},
    {"BUTTON", "Rad", BS_AUTOCHECKBOX, 0, 222, 55, 39, 12, cmd::kRadians, true},
    {"BUTTON", "Dec", BS_AUTORADIOBUTTON, 0, 275, 55, 40, 12, cmd::kDecimal, true},
    {"BUTTON", "Hex", BS_AUTORADIOBUTTON, 0, 318, 55, 40, 12, cmd::kHexadecimal, true},
    {"BUTTON", "Oct", BS_AUTORADIOBUTTON, 0, 361, 55, 40, 12, cmd::kOctal, true},
    {"BUTTON", "Bin", BS_AUTORADIOBUTTON, 0, 404, 55, 40, 12, cmd::kBinary, true},
}};

HWND createControl(const Shell& shell, HWND mainWindow, const ControlLayout& layout) {
    return CreateWindowExA(layout.exStyle, layout.className, layout.text,
                           WS_CHILD | WS_VISIBLE | layout.style, layout.x, layout.y, layout.width,
                           layout.height, mainWindow, childId(static_cast<int>(layout.id)),
                           shell.appInstance, nullptr);
}

HFONT createControlFont() {
    // Everything zero but the height, the weight and the face.
    LOGFONTA font{};
    font.lfHeight = -12;
    font.lfWeight = FW_MEDIUM;
    constexpr std::string_view kFace = "Courier New";
    kFace.copy(font.lfFaceName, kFace.size());
    return CreateFontIndirectA(&font);
}

}  // namespace

void createControls(Shell& shell, HWND mainWindow) {
    shell.panelColour = GetSysColor(COLOR_MENU);
    shell.controlFont = createControlFont();

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
        if (kept.at(i) != nullptr) {
            *kept.at(i) = control;
        }
        if (layout.labelled) {
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(shell.controlFont), 0);
        }
        if (layout.id == kEntryFieldId) {
            shell.entryFieldBaseProc = subclassWindow(control, &entryFieldProc);
        }
    }

    // The modes the calculator starts in: degrees and base 10.
    shell.window.setChecked(Switch::Degrees, true);
    shell.window.setChecked(Switch::Decimal, true);

    createKeypad(shell, mainWindow);

    shell.readoutPanel =
        createControl(shell, mainWindow,
                      ControlLayout{"BUTTON", nullptr, BS_GROUPBOX, 0, 4, 18, kReadoutClientWidth,
                                    kReadoutClientHeight, kReadoutPanelId, false});
    shell.readoutPanelBaseProc = subclassWindow(shell.readoutPanel, &readoutPanelProc);
}

}  // namespace korvo::win32
