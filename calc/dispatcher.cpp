#include "calc/dispatcher.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>

#include "calc/clearall.h"
#include "calc/commandids.h"
#include "calc/entryio.h"
#include "calc/functions.h"
#include "calc/memory.h"
#include "calc/numberstate.h"
#include "calc/operations.h"
#include "calc/pastetext.h"
#include "floatmath/x87.h"
#include "intmath/digits.h"
#include "state/fixedtexts.h"

namespace korvo {
namespace {

// The entry's length limits, checked after every append.
constexpr std::size_t kLongestEntry = 34;
constexpr std::size_t kLongestHexEntry = 28;
constexpr std::size_t kLongestFactor = 16;   // a multiplication pending
constexpr std::size_t kLongestDivisor = 19;  // a division pending, or floating-point mode

// wsprintfA with "%lu" or "%lX": decimal or upper-case hexadecimal, no padding.
std::string keyText(std::uint32_t value, bool hexadecimal) {
    const std::uint32_t base = hexadecimal ? 16 : 10;
    std::string reversed;
    do {
        reversed.push_back(digitCharacter(value % base));
        value /= base;
    } while (value != 0);
    return {reversed.rbegin(), reversed.rend()};
}

// The digit keys of the radix in force, and the point in every radix.
bool acceptsEntryKey(std::uint32_t id, std::uint32_t radix) {
    if (id == cmd::kPoint) {
        return true;
    }
    // 2, 8, 10 and 16 accept exactly the digits below them.
    return id >= cmd::kDigit0 && id <= cmd::kDigitF && id - cmd::kDigit0 < radix;
}

// The shortest of the length limits in force on the entry.
std::size_t entryLengthLimit(const CalculatorState& s) {
    std::size_t limit = s.radix == 16 ? kLongestHexEntry : kLongestEntry;
    if (s.pendingOp == PendingOperation::Multiply) {
        limit = std::min(limit, kLongestFactor);
    }
    if (s.pendingOp == PendingOperation::Divide || s.floatMode == 1) {
        limit = std::min(limit, kLongestDivisor);
    }
    return limit;
}

// Digits after the point of an entry text; none without a point.
std::size_t fractionDigitCount(const std::string& entry) {
    const std::size_t point = entry.find('.');
    return point == std::string::npos ? 0 : entry.size() - point - 1;
}

// Appends `keyText` to the entry and re-derives the numbers from the new
// entry. A key that would break a length limit is refused
// whole, with a beep: cutting the entry instead would silently change a
// number (a long result, a recalled memory, a pasted text).
void appendToEntry(CalculatorState& s, WindowSystem& ws, const std::string& keyText) {
    // A lone zero is replaced, by the point too.
    if (s.entryText == text::kZero) {
        s.entryText.clear();
    }
    const std::string longer = s.entryText + keyText;
    const bool digitKey = !keyText.empty() && keyText != text::kPoint;
    const bool tooLong = longer.size() > entryLengthLimit(s);
    // The parser keeps 19 fraction digits: a 20th would only be rounded away.
    const bool tooPrecise = digitKey && s.entryText.find('.') != std::string::npos &&
                            fractionDigitCount(s.entryText) >= kFractionDigits;
    if (tooLong || tooPrecise) {
        ws.beep();
        return;
    }
    s.entryText = longer;
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
    refreshEntry(s, ws);
}

void digitOrPointKey(CalculatorState& s, WindowSystem& ws, std::uint32_t id) {
    if (id == cmd::kPoint) {
        // A refused key is refused before a second point is ignored.
        if (s.entryText.size() + 1 > entryLengthLimit(s)) {
            ws.beep();
            return;
        }
        // The entry's own text decides: a flag could be stale after a
        // repaint, a base change or percent.
        if (s.entryText.find('.') != std::string::npos) {
            return;
        }
        appendToEntry(s, ws, std::string(text::kPoint));
    } else {
        appendToEntry(s, ws, keyText(id - cmd::kDigit0, s.radix == 16));
    }
}

// The edit control has put the pasted text into the emptied field; it
// becomes the entry only if it is a number of the radix in force that fits
// the entry whole. Anything else, too long a number included, clears the
// calculator and says so: a cut would enter another number.
void pasteKey(CalculatorState& s, WindowSystem& ws) {
    const std::optional<std::string> number = pastedNumber(s.workText, s.radix);
    const bool fits = number && number->size() <= entryLengthLimit(s) &&
                      fractionDigitCount(*number) <= kFractionDigits;
    if (!fits) {
        refusePaste(s, ws);
        return;
    }
    s.entryText.clear();
    if (!number->empty()) {
        appendToEntry(s, ws, *number);
    }
}

void signKey(CalculatorState& s, WindowSystem& ws) {
    s.entryText = readEntry(ws);
    const std::string toggled = s.entryText.starts_with(text::kMinus)
                                    ? s.entryText.substr(1)
                                    : std::string(text::kMinus) + s.entryText;
    // A sign without digits must not reach the numbers, but the minus taken
    // from a lone "-" leaves the zero it stood for unsigned; any digit left,
    // even a single one, is parsed so the numbers match the field.
    const bool unsignedZero =
        toggled.empty() && s.limbResult.isZero() && s.limbResult.negative == 1;
    if ((!toggled.empty() && toggled != text::kMinus) || unsignedZero) {
        const std::string_view digits = unsignedZero ? std::string_view("0") : toggled;
        readLimbs(s, digits);
        readReal(s, digits);
        if (s.floatMode == 1) {
            // The readout paints the real texts in this mode: they must
            // carry the new sign. The field keeps the toggled text.
            writeReal(s, s.realValue, RealText::Echo);
        }
    }
    ws.setEntryText(toggled);
    repaintReadout(s, ws);
}

// Pi is the unit's own real, written in the base in force as any real is.
void piKey(CalculatorState& s, WindowSystem& ws) {
    s.realValue = x87::loadPi(s.fpu);
    writeReal(s, s.realValue);
    // In decimal the text keeps the digits of pi itself rather than those of
    // the real rounded to nineteen places.
    const std::string pi = s.radix == 10 ? std::string(text::kPi) : s.entryText;
    ws.setEntryText(pi);
    ws.setCaret(kCaretAtEnd);
    readLimbs(s, pi);
    repaintReadout(s, ws);
}

void runKeyHandler(CalculatorState& s, WindowSystem& ws, std::uint32_t id) {
    if (id == cmd::kPaste) {
        pasteKey(s, ws);
        return;
    }
    if (id >= cmd::kDigit0 && id <= cmd::kPoint) {
        // A digit the radix does not have does nothing, silently.
        if (acceptsEntryKey(id, s.radix)) {
            digitOrPointKey(s, ws, id);
        }
        return;
    }
    switch (id) {
        case cmd::kMemoryClear:
        case cmd::kMemoryRecall:
        case cmd::kMemoryStore:
        case cmd::kMemoryAdd:
        case cmd::kMemorySubtract:
            memoryKey(s, ws, id);
            break;
        case cmd::kPi:
            piKey(s, ws);
            break;
        case cmd::kSin:
        case cmd::kCos:
        case cmd::kTan:
        case cmd::kCsc:
        case cmd::kSec:
        case cmd::kCot:
        case cmd::kLog:
        case cmd::kTwoToX:
        case cmd::kTenToX:
        case cmd::kEToX:
        case cmd::kSquareRoot:
        case cmd::kSquare:
        case cmd::kReciprocal:
            functionKey(s, ws, id);
            break;
        case cmd::kPercent:
            percentKey(s, ws);
            break;
        case cmd::kSign:
            signKey(s, ws);
            break;
        case cmd::kHypotenuse:
        case cmd::kPower:
        case cmd::kAdd:
        case cmd::kSubtract:
        case cmd::kMultiply:
        case cmd::kDivide:
        case cmd::kEquals:
            operatorKey(s, ws, id);
            break;
        default:
            break;  // no key of the keypad
    }
}

}  // namespace

void dispatchKeypadCommand(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    ws.setOperatorIndicator(text::kBlank);

    std::uint32_t id = commandId;
    if (s.pendingKeyCommand != 0) {
        // A key typed or a paste, handed over by the entry field.
        id = s.pendingKeyCommand;
        s.pendingKeyCommand = 0;
        ws.focusMainWindow();
    }

    // Between commands the field is the only record of the entry.
    s.entryText = readEntry(ws);
    s.workText = s.entryText;

    // While the out-of-range message stands, every key waits for C, CE or
    // Back Space. A paste is still checked: the message is no number, so it
    // is rejected like any illegal text.
    if (text::showsOutOfRange(s.workText) && id != cmd::kPaste) {
        return;
    }
    runKeyHandler(s, ws, id);
}

}  // namespace korvo
