#include "calc/windowlayout.h"

#include <algorithm>

#include "calc/commandids.h"

namespace korvo {
namespace {

using enum ControlKind;

constexpr LayoutRect kSwitchRow{0, -1, 0, 3};  // see windowsExtra

constexpr std::array<WindowControl, kWindowControlCount> kControls{{
    {cmd::kFloatingPoint, CheckBox, "Floating Point", {4, 4, 130, 12}, kSwitchRow},
    {controlid::kEntryField, EntryField, "", {135, 0, 315, 22}, {}},
    {cmd::kArc, CheckBox, "Arc", {182, 32, 40, 12}, kSwitchRow},
    {controlid::kMemoryIndicator, Indicator, "", {239, 26, 25, 21}, {}},
    {cmd::kBackSpace, PushButton, "Back Space", {271, 26, 80, 20}, {}},
    {controlid::kOperatorIndicator, Indicator, "", {363, 26, 25, 21}, {}},
    {cmd::kClearEntry, PushButton, "CE", {399, 26, 20, 20}, {}},
    {cmd::kClearAll, PushButton, "C", {429, 26, 20, 20}, {}},
    {controlid::kAngleFrame, Frame, "", {178, 43, 85, 28}, {0, 0, 5, 0}},
    {controlid::kBaseFrame, Frame, "", {271, 43, 178, 28}, {}},
    {cmd::kDegrees, CheckBox, "Deg", {182, 55, 39, 12}, {0, -1, 1, 3}},
    {cmd::kRadians, CheckBox, "Rad", {222, 55, 39, 12}, {3, -1, 1, 3}},
    {cmd::kDecimal, RadioButton, "Dec", {275, 55, 40, 12}, kSwitchRow},
    {cmd::kHexadecimal, RadioButton, "Hex", {318, 55, 40, 12}, kSwitchRow},
    {cmd::kOctal, RadioButton, "Oct", {361, 55, 40, 12}, kSwitchRow},
    {cmd::kBinary, RadioButton, "Bin", {404, 55, 40, 12}, kSwitchRow},
}};

constexpr int kKeypadLeft = 178;
constexpr int kKeypadTop = 74;
constexpr int kRowPitch = 29;
constexpr int kKeyPitch = 31;

}  // namespace

const std::array<WindowControl, kWindowControlCount>& windowControls() {
    return kControls;
}

const WindowControl& windowControl(std::uint32_t id) {
    const auto* found = std::find_if(kControls.begin(), kControls.end(),
                                     [id](const WindowControl& c) { return c.id == id; });
    return found != kControls.end() ? *found : kControls.front();
}

LayoutRect windowsRect(const WindowControl& control) {
    const LayoutRect& r = control.rect;
    const LayoutRect& e = control.windowsExtra;
    return {r.x + e.x, r.y + e.y, r.width + e.width, r.height + e.height};
}

LayoutRect keypadRowRect(int row) {
    return {kKeypadLeft, kKeypadTop + kRowPitch * row, 272, 24};
}

LayoutRect keypadKeyRect(int column) {
    return {kKeyPitch * column, 1, 23, 22};
}

}  // namespace korvo
