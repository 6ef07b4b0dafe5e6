#include "calc/entryfield.h"

#include <cstddef>
#include <string>

#include "calc/clearall.h"
#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/entryio.h"
#include "calc/pastetext.h"
#include "calc/shortcuts.h"

namespace korvo {
namespace {

// A paste puts at most one character more than the longest entry into the
// field: enough for the dispatcher to see a paste too long and refuse it.
constexpr std::size_t kPasteRoom = 35;

// A key the entry field has handed over runs as a click on its key.
void runPendingKey(CalculatorState& s, WindowSystem& ws) {
    if (s.pendingKeyCommand != 0) {
        dispatchKeypadCommand(s, ws, s.pendingKeyCommand);
    }
}

}  // namespace

void entryKeyDown(CalculatorState& s, WindowSystem& ws, std::uint32_t virtualKey) {
    s.pendingKeyCommand = 0;
    const EntrySelection selection = ws.entrySelection();
    s.selectionStart = selection.start;
    s.selectionEnd = selection.end;
    // Typing over a selection starts afresh; Ctrl alone must not, or Ctrl+C
    // could never copy the selection.
    if (s.selectionEnd > s.selectionStart && virtualKey != vk::kControl) {
        clearAll(s, ws);
    }
}

void entryKeyUp(CalculatorState& s, WindowSystem& ws, std::uint32_t virtualKey) {
    s.pendingKeyCommand = 0;
    // The length limits are the dispatcher's: it refuses a digit, point or
    // paste that would break one. Cutting the field here would change the
    // number a long result or a recalled memory shows.
    s.workText = readEntry(ws);
    if (const auto command = keyCommand(virtualKey)) {
        s.pendingKeyCommand = *command;
    }
    runPendingKey(s, ws);
}

bool entryCharacter(CalculatorState& s, WindowSystem& ws, char character) {
    s.pendingKeyCommand = 0;
    // "+" and "*" act as the keypad's keys and never enter the text.
    if (character == '+') {
        entryKeyUp(s, ws, vk::kAdd);
        return true;
    }
    if (character == '*') {
        entryKeyUp(s, ws, vk::kMultiply);
        return true;
    }
    return false;
}

void shiftedCharacter(CalculatorState& s, WindowSystem& ws, char character) {
    s.pendingKeyCommand = 0;
    if (character == '+' || character == '*') {
        entryCharacter(s, ws, character);
        return;
    }
    const auto key = virtualKeyForCharacter(character);
    const auto command = symbolCommand(character) ? symbolCommand(character)
                         : key                    ? keyCommand(*key)
                                                  : std::nullopt;
    if (command) {
        s.pendingKeyCommand = *command;
        runPendingKey(s, ws);
    }
}

void entryPaste(CalculatorState& s, WindowSystem& ws) {
    s.pendingKeyCommand = 0;
    clearAll(s, ws);
    // Only a number goes into the field, without the separators and blanks
    // it was copied with. Text of several lines is no number: taking its
    // first line would enter a number the user did not choose.
    const std::optional<std::string> number = pastedNumber(ws.clipboardText(), s.radix);
    if (!number || number->size() > kPasteRoom) {
        refusePaste(s, ws);
        return;
    }
    s.pendingKeyCommand = cmd::kPaste;
    ws.setEntryText(*number);
    ws.setCaret(number->size());
    runPendingKey(s, ws);
}

void entryCut(CalculatorState& s, WindowSystem& ws) {
    s.pendingKeyCommand = 0;
    clearAll(s, ws);
}

std::optional<std::uint32_t> keyCommand(std::uint32_t virtualKey) {
    if (virtualKey >= vk::k0 && virtualKey <= vk::k9) {
        return cmd::kDigit0 + (virtualKey - vk::k0);
    }
    if (virtualKey >= vk::kNumpad0 && virtualKey <= vk::kNumpad9) {
        return cmd::kDigit0 + (virtualKey - vk::kNumpad0);
    }
    if (virtualKey >= vk::kA && virtualKey <= vk::kF) {
        return cmd::kDigit0 + 10 + (virtualKey - vk::kA);
    }
    switch (virtualKey) {
        case vk::kDecimal:
        case vk::kOemPeriod:
            return cmd::kPoint;
        case vk::kAdd:
            return cmd::kAdd;
        case vk::kSubtract:
        case vk::kOemMinus:
            return cmd::kSubtract;
        case vk::kMultiply:
        case vk::kOem1:
            return cmd::kMultiply;
        case vk::kDivide:
        case vk::kOem2:
            return cmd::kDivide;
        case vk::kReturn:
        case vk::kOemPlus:
            return cmd::kEquals;
        default:
            return std::nullopt;
    }
}

std::optional<std::uint32_t> virtualKeyForCharacter(char character) {
    if (character >= '0' && character <= '9') {
        return vk::k0 + static_cast<std::uint32_t>(character - '0');
    }
    // Letter keys have the code of their capital, whatever the shift state.
    if (character >= 'A' && character <= 'Z') {
        return vk::kA + static_cast<std::uint32_t>(character - 'A');
    }
    if (character >= 'a' && character <= 'z') {
        return vk::kA + static_cast<std::uint32_t>(character - 'a');
    }
    switch (character) {
        case '.':
            return vk::kOemPeriod;
        case '+':
            return vk::kAdd;
        case '-':
            return vk::kOemMinus;
        case '*':
            return vk::kMultiply;
        case '/':
            return vk::kOem2;
        case '=':
            return vk::kOemPlus;
        case ';':
            return vk::kOem1;
        default:
            return std::nullopt;
    }
}

}  // namespace korvo
