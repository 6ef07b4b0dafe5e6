#include "cli/driver.h"

#include "calc/dispatcher.h"
#include "calc/entryfield.h"
#include "calc/shortcuts.h"
#include "calc/windowcommands.h"

namespace korvo::cli {

namespace {

// A virtual-key code that no keyboard key sends: the release of a key the
// calculator does not map (its length limits still apply).
constexpr std::uint32_t kUnmappedKey = 0xFF;

// Typed as the window takes the keyboard: a character with a command of its
// own ("%", "^", a shortcut letter) runs it as the window's shortcut does;
// otherwise the key-down reaches the main window, which hands the focus to
// the entry field, the character itself is dropped there, and the key's
// release reaches the entry field. A character no key of the calculator
// types does nothing but what any unmapped key does.
void typeCharacter(CalculatorState& s, HeadlessWindow& ws, char character) {
    if (const auto command = typedCharacterCommand(character)) {
        runShortcut(s, ws, *command);
        return;
    }
    mainWindowKeyDown(ws);
    entryKeyUp(s, ws, virtualKeyForCharacter(character).value_or(kUnmappedKey));
}

}  // namespace

void perform(const Action& action, CalculatorState& s, HeadlessWindow& ws) {
    switch (action.kind) {
        case ActionKind::Keypad:
            dispatchKeypadCommand(s, ws, action.id);
            break;
        case ActionKind::WindowCommand:
            runWindowCommand(s, ws, action.id);
            break;
        case ActionKind::Radio:
            ws.clickRadio(action.control);
            runWindowCommand(s, ws, action.id);
            break;
        case ActionKind::CheckBox:
            ws.clickCheckBox(action.control);
            runWindowCommand(s, ws, action.id);
            break;
        case ActionKind::Paste:
            ws.setClipboard(action.text);
            pasteCommand(s, ws);
            break;
        case ActionKind::Type:
            for (const char character : action.text) {
                typeCharacter(s, ws, character);
            }
            break;
    }
}

}  // namespace korvo::cli
