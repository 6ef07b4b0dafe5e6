#include "cli/tokens.h"

#include <array>

#include "calc/commandids.h"
#include "intmath/digits.h"

namespace korvo::cli {

namespace {

struct KeyName {
    std::string_view token;
    std::uint32_t id;
};

// Keys other than the digits, in the order of their command ids.
constexpr std::array kKeypadKeys{
    KeyName{".", cmd::kPoint},
    KeyName{"+/-", cmd::kSign},
    KeyName{"+", cmd::kAdd},
    KeyName{"-", cmd::kSubtract},
    KeyName{"x", cmd::kMultiply},
    KeyName{"/", cmd::kDivide},
    KeyName{"=", cmd::kEquals},
    KeyName{"sqrt", cmd::kSquareRoot},
    KeyName{"%", cmd::kPercent},
    KeyName{"x^2", cmd::kSquare},
    KeyName{"MC", cmd::kMemoryClear},
    KeyName{"MR", cmd::kMemoryRecall},
    KeyName{"MS", cmd::kMemoryStore},
    KeyName{"M+", cmd::kMemoryAdd},
    KeyName{"M-", cmd::kMemorySubtract},
    KeyName{"HYP", cmd::kHypotenuse},
    KeyName{"1/x", cmd::kReciprocal},
    KeyName{"x^N", cmd::kPower},
    KeyName{"pi", cmd::kPi},
    KeyName{"Sin", cmd::kSin},
    KeyName{"Cos", cmd::kCos},
    KeyName{"Tan", cmd::kTan},
    KeyName{"Csc", cmd::kCsc},
    KeyName{"Sec", cmd::kSec},
    KeyName{"Cot", cmd::kCot},
    KeyName{"Log", cmd::kLog},
    KeyName{"2^x", cmd::kTwoToX},
    KeyName{"10^x", cmd::kTenToX},
    KeyName{"e^x", cmd::kEToX},
};

struct ControlName {
    std::string_view token;
    ActionKind kind;
    std::uint32_t id;
    Switch control;
};

constexpr std::array kControls{
    ControlName{"BS", ActionKind::WindowCommand, cmd::kBackSpace, Switch::Decimal},
    ControlName{"CE", ActionKind::WindowCommand, cmd::kClearEntry, Switch::Decimal},
    ControlName{"Clear", ActionKind::WindowCommand, cmd::kClearAll, Switch::Decimal},
    ControlName{"Dec", ActionKind::Radio, cmd::kDecimal, Switch::Decimal},
    ControlName{"Hex", ActionKind::Radio, cmd::kHexadecimal, Switch::Hexadecimal},
    ControlName{"Oct", ActionKind::Radio, cmd::kOctal, Switch::Octal},
    ControlName{"Bin", ActionKind::Radio, cmd::kBinary, Switch::Binary},
    ControlName{"Deg", ActionKind::CheckBox, cmd::kDegrees, Switch::Degrees},
    ControlName{"Rad", ActionKind::CheckBox, cmd::kRadians, Switch::Radians},
    ControlName{"Float", ActionKind::CheckBox, cmd::kFloatingPoint, Switch::FloatingPoint},
    ControlName{"Arc", ActionKind::CheckBox, cmd::kArc, Switch::Arc},
};

constexpr std::string_view kPastePrefix = "paste:";
constexpr std::string_view kTypePrefix = "type:";

// "0".."9" and "A".."F" (upper case only: "x" is the multiply key).
std::optional<std::uint32_t> digitValue(std::string_view token) {
    if (token.size() != 1) {
        return std::nullopt;
    }
    const char c = token.front();
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) {
        return korvo::digitValue(c);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Action> parseToken(std::string_view token) {
    if (const auto digit = digitValue(token)) {
        return Action{ActionKind::Keypad, cmd::kDigit0 + *digit, Switch::Decimal, {}};
    }
    for (const KeyName& key : kKeypadKeys) {
        if (key.token == token) {
            return Action{ActionKind::Keypad, key.id, Switch::Decimal, {}};
        }
    }
    for (const ControlName& control : kControls) {
        if (control.token == token) {
            return Action{control.kind, control.id, control.control, {}};
        }
    }
    if (token.starts_with(kPastePrefix)) {
        return Action{ActionKind::Paste, cmd::kPasteMenu, Switch::Decimal,
                      std::string(token.substr(kPastePrefix.size()))};
    }
    if (token.starts_with(kTypePrefix)) {
        return Action{ActionKind::Type, 0, Switch::Decimal,
                      std::string(token.substr(kTypePrefix.size()))};
    }
    return std::nullopt;
}

}  // namespace korvo::cli
