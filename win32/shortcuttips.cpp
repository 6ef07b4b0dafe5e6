#include "win32/shortcuttips.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "calc/keypad.h"
#include "calc/shortcuts.h"
#include "win32/shell.h"

namespace korvo::win32 {
namespace {

// A keypad key's tip names the key as the keypad table does.
std::string keyTip(std::uint32_t command) {
    for (const KeypadKey& key : keypadKeys()) {
        if (key.commandId == command) {
            return controlTip(key.name, command);
        }
    }
    return {};
}

// Copies `text` into a tooltip's own buffer, cut to fit, terminated.
template <typename Char, std::size_t N>
void fill(std::array<Char, N>& buffer, const std::string& text) {
    const std::size_t length = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), length, buffer.begin());
    buffer.at(length) = Char{};
}

// A keypad panel's toolbar shows its tips in the inactive window too, as
// the switches do.
void alwaysShowKeypadTips(HWND panel) {
    HWND toolbar = GetWindow(panel, GW_CHILD);
    HWND tips = toolbar == nullptr
                    ? nullptr
                    : reinterpret_cast<HWND>(SendMessageA(toolbar, TB_GETTOOLTIPS, 0, 0));
    if (tips != nullptr) {
        SetWindowLongPtrA(tips, GWL_STYLE, GetWindowLongPtrA(tips, GWL_STYLE) | TTS_ALWAYSTIP);
    }
}

}  // namespace

void addSwitchTips(const Shell& shell, HWND mainWindow) {
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, mainWindow,
                               nullptr, shell.appInstance, nullptr);
    for (HWND control = GetWindow(mainWindow, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        // Buttons only: the keypad panels share the id of Back Space.
        std::array<char, 16> className{};
        GetClassNameA(control, className.data(), static_cast<int>(className.size()));
        if (lstrcmpiA(className.data(), "Static") == 0) {
            alwaysShowKeypadTips(control);
        }
        const auto command = static_cast<std::uint32_t>(GetDlgCtrlID(control));
        if (shortcutText(command).empty() || lstrcmpiA(className.data(), "Button") != 0) {
            continue;
        }
        std::array<char, 32> label{};
        GetWindowTextA(control, label.data(), static_cast<int>(label.size()));
        std::string text = controlTip(label.data(), command);
        // The size comctl32 5 knows too: there is no manifest asking for 6.
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = mainWindow;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

bool answerKeypadTip(NMHDR* header) {
    // The toolbar asks in whichever character set its parent answered.
    static std::array<char, 32> ansi{};
    static std::array<wchar_t, 32> wide{};
    const std::string text = keyTip(static_cast<std::uint32_t>(header->idFrom));
    if (header->code == TTN_GETDISPINFOA) {
        fill(ansi, text);
        reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = ansi.data();
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        fill(wide, text);
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = wide.data();
        return true;
    }
    return false;
}

}  // namespace korvo::win32
