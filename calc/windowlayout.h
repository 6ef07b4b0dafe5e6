// The main window's layout, which both windows read: its client area, each
// control's id, kind, label and place, and the keypad's grid, in pixels at
// 96 dpi (the Windows window grows them by the monitor's dpi).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace korvo {

struct LayoutRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The client area below the menu bar.
inline constexpr int kClientWidth = 454;
inline constexpr int kClientHeight = 219;

enum class ControlKind { CheckBox, RadioButton, PushButton, EntryField, Indicator, Frame };

// Ids of the controls that run no command.
namespace controlid {
inline constexpr std::uint32_t kAngleFrame = 14;
inline constexpr std::uint32_t kBaseFrame = 15;
inline constexpr std::uint32_t kEntryField = 44;
inline constexpr std::uint32_t kReadoutPanel = 55;
inline constexpr std::uint32_t kMemoryIndicator = 88;
inline constexpr std::uint32_t kOperatorIndicator = 89;
}  // namespace controlid

struct WindowControl {
    std::uint32_t id = 0;  // a switch's or button's is its command
    ControlKind kind = ControlKind::Frame;
    std::string_view label;  // empty where the control shows none
    LayoutRect rect;         // a check box's or radio button's is its label's row
    // Added to `rect` in the Windows window, whose check boxes and radio
    // buttons reach a pixel above and two below the row (no descender is
    // cut) and whose larger marks push Rad and the angle frame's edge right.
    LayoutRect windowsExtra;
};

inline constexpr std::size_t kWindowControlCount = 16;

// The controls besides the keypad and the readout panel, in the order they
// are made.
const std::array<WindowControl, kWindowControlCount>& windowControls();
// The control of `id` (the first one for an unknown id).
const WindowControl& windowControl(std::uint32_t id);
LayoutRect windowsRect(const WindowControl& control);

// The readout panel at the window's left, made after the keypad.
inline constexpr WindowControl kReadoutPanel{
    controlid::kReadoutPanel, ControlKind::Frame, "", {4, 18, 161, 196}, {}};

// The keypad: a band for each row, 29 pixels apart, with a key of 23 x 22
// pixels every 31 pixels in it (a pixel lower in the Windows window).
LayoutRect keypadRowRect(int row);
LayoutRect keypadKeyRect(int column);  // inside its row's band
inline constexpr int kWindowsKeyDrop = 1;

}  // namespace korvo
