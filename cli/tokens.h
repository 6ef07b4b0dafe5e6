// The driver's vocabulary: one token is one thing a person does at the
// calculator's window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/windowsystem.h"

namespace korvo::cli {

enum class ActionKind {
    Keypad,         // a click on a keypad key: `id` is its command
    WindowCommand,  // a button of the main window (Back Space, CE, C): `id`
    Radio,          // a base radio button: `control` becomes checked, then command `id`
    CheckBox,       // a check box: `control` toggles, then command `id`
    Paste,          // the clipboard holds `text`, then the Paste menu command
    Type,           // each character of `text` typed with the focus on the main window
};

struct Action {
    ActionKind kind = ActionKind::Keypad;
    std::uint32_t id = 0;
    Switch control = Switch::Decimal;
    std::string text;
};

// The action a token names, or nothing for a token the driver does not know.
std::optional<Action> parseToken(std::string_view token);

}  // namespace korvo::cli
