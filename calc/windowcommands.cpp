#include "calc/windowcommands.h"

#include <cstddef>

#include "calc/clearall.h"
#include "calc/commandids.h"
#include "calc/entryfield.h"
#include "calc/entryio.h"
#include "calc/heldnumbers.h"
#include "calc/numberstate.h"
#include "intmath/numbertext.h"
#include "readout/radixchange.h"
#include "state/fixedtexts.h"

namespace korvo {
namespace {

// A cleared entry never enters the calculation: the current number becomes
// zero on both sides. The pending operation and its first operand stay.
void zeroCurrentNumber(CalculatorState& s) {
    s.limbResult = LimbNumber{};
    s.realValue = Real80{};
    s.realIntText.clear();
    s.realFracText.clear();
    s.savedFracZeros = 0;
}

}  // namespace

void backSpace(CalculatorState& s, WindowSystem& ws) {
    s.workText = readEntry(ws);
    if (s.workText.empty()) {
        return;
    }
    // The out-of-range message is no number: it is never edited character
    // by character nor parsed; Back Space removes it whole, as CE does.
    if (text::showsOutOfRange(s.workText)) {
        clearEntry(s, ws);
        return;
    }
    // Copied into a buffer the size of the text's length: one character less.
    s.entryText = s.workText.substr(0, s.workText.size() - 1);
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
    ws.focusMainWindow();
    if (s.entryText.empty()) {
        zeroCurrentNumber(s);
    }
    refreshEntry(s, ws);
}

void clearEntry(CalculatorState& s, WindowSystem& ws) {
    // Only the field: the pending operation, its operands and the readout
    // stay for the number typed next.
    s.entryText.clear();
    ws.setEntryText(s.entryText);
    ws.focusMainWindow();
    zeroCurrentNumber(s);
    // The readout shows the zero the entry now stands for.
    repaintReadout(s, ws);
}

void selectRadix(CalculatorState& s, WindowSystem& ws, std::uint32_t radix) {
    if (s.radix == radix) {
        ws.focusMainWindow();  // a click on a switch never keeps the focus
        return;
    }
    // An empty entry stays empty: the number typed next is a new number.
    const bool entryWasEmpty = readEntry(ws).empty();
    const std::uint32_t fromRadix = s.radix;
    const RadixChange change = changeRadix(currentNumberOf(s), radix);
    s.radix = radix;
    if (change.real) {
        s.realIntText = change.real->integer;
        s.realFracText = change.real->fraction;
    }
    const std::string& rewritten = change.text;
    // The current number is now what its new digits say, on both sides, so
    // every key works on the digits shown.
    readLimbs(s, rewritten);
    s.realValue = parseReal(rewritten, s.radix);
    rewriteHeldNumbers(s, fromRadix);
    // The rewritten entry goes to the field here: the radix change itself
    // knows no window.
    s.entryText = entryWasEmpty ? std::string() : rewritten;
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
    ws.focusMainWindow();
    repaintReadout(s, ws);
}

// Deg and Rad are check boxes that act as one choice: a click checks its own
// box, even the one already checked, and unchecks the other, so the unit in
// force is always the one shown checked.
void degreesClicked(CalculatorState& s, WindowSystem& ws) {
    s.angleUnit = 1;
    ws.setChecked(Switch::Degrees, true);
    ws.setChecked(Switch::Radians, false);
    ws.focusMainWindow();
}

void radiansClicked(CalculatorState& s, WindowSystem& ws) {
    s.angleUnit = 2;
    ws.setChecked(Switch::Radians, true);
    ws.setChecked(Switch::Degrees, false);
    ws.focusMainWindow();
}

void floatingPointClicked(CalculatorState& s, WindowSystem& ws) {
    // The box has toggled itself: its new mark decides.
    s.floatMode = ws.isChecked(Switch::FloatingPoint) ? 1 : 0;
    clearAll(s, ws);
}

void arcClicked(CalculatorState& s, WindowSystem& ws) {
    s.arcMode = ws.isChecked(Switch::Arc) ? 1 : 0;
    ws.focusMainWindow();
}

void cutCommand(CalculatorState& s, WindowSystem& ws) {
    ws.cutSelectionToClipboard();
    entryCut(s, ws);
    clearAll(s, ws);
}

void copyCommand(CalculatorState& /*s*/, WindowSystem& ws) {
    ws.copySelectionToClipboard();
}

void pasteCommand(CalculatorState& s, WindowSystem& ws) {
    clearAll(s, ws);
    entryPaste(s, ws);
}

void infoCommand(WindowSystem& ws) {
    ws.messageBox(kInfoText, text::kCaption, MessageKind::Note);
}

bool cutCopyEnabled(CalculatorState& s, WindowSystem& ws) {
    const EntrySelection selection = ws.entrySelection();
    s.selectionStart = selection.start;
    s.selectionEnd = selection.end;
    return s.selectionEnd > s.selectionStart;
}

void mainWindowKeyDown(WindowSystem& ws) {
    // The key's release then reaches the entry field, which turns it into a
    // keypad command.
    ws.focusEntryField();
}

bool runWindowCommand(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    switch (commandId) {
        case cmd::kBackSpace:
            backSpace(s, ws);
            return true;
        case cmd::kClearEntry:
            clearEntry(s, ws);
            return true;
        case cmd::kClearAll:
            clearAll(s, ws);
            return true;
        case cmd::kDegrees:
            degreesClicked(s, ws);
            return true;
        case cmd::kRadians:
            radiansClicked(s, ws);
            return true;
        case cmd::kDecimal:
            selectRadix(s, ws, 10);
            return true;
        case cmd::kHexadecimal:
            selectRadix(s, ws, 16);
            return true;
        case cmd::kOctal:
            selectRadix(s, ws, 8);
            return true;
        case cmd::kBinary:
            selectRadix(s, ws, 2);
            return true;
        case cmd::kFloatingPoint:
            floatingPointClicked(s, ws);
            return true;
        case cmd::kArc:
            arcClicked(s, ws);
            return true;
        case cmd::kCut:
            cutCommand(s, ws);
            return true;
        case cmd::kCopy:
            copyCommand(s, ws);
            return true;
        case cmd::kPasteMenu:
            pasteCommand(s, ws);
            return true;
        case cmd::kInfo:
            infoCommand(ws);
            return true;
        default:
            return false;  // Close and About belong to the front end
    }
}

}  // namespace korvo
