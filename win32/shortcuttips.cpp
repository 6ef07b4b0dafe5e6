#include "win32/shortcuttips.h"

#include <commctrl.h>

#include <array>
#include <cstdint>
#include <string>

#include "calc/shortcuts.h"
#include "win32/shell.h"

namespace korvo::win32 {

void addSwitchTips(const Shell& shell, HWND mainWindow) {
    HWND tip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, mainWindow,
                               nullptr, shell.appInstance, nullptr);
    for (HWND control = GetWindow(mainWindow, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        // Buttons only: the keys' and switches' window texts are their names.
        std::array<char, 16> className{};
        GetClassNameA(control, className.data(), static_cast<int>(className.size()));
        const auto command = static_cast<std::uint32_t>(GetDlgCtrlID(control));
        if (shortcutText(command).empty() || lstrcmpiA(className.data(), "Button") != 0) {
            continue;
        }
        std::array<char, 32> label{};
        GetWindowTextA(control, label.data(), static_cast<int>(label.size()));
        std::string text = controlTip(label.data(), command);
        // The size every comctl32 version knows.
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = mainWindow;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

}  // namespace korvo::win32
