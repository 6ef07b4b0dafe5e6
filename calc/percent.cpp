// The percent key: shows first operand x entry x 0.01 without ending the
// calculation. It computes on limbs in both modes; the pending operation and
// its first operand stay for "=".
#include <cstddef>
#include <optional>
#include <string>

#include "calc/entryio.h"
#include "calc/numberstate.h"
#include "calc/operations.h"
#include "intmath/limboperation.h"
#include "intmath/numbertext.h"

namespace korvo {

namespace {

// a x b on limbs, normalised through its text; the state's operands and
// pending operation are left as they were. The product is taken as shown,
// the percentage keeps every digit of its scale (0.70, not 0.7).
enum class Digits { AsShown, WholeScale };

LimbNumber multiplied(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix,
                      Digits digits) {
    const LimbOutcome product = operateOnLimbs(PendingOperation::Multiply, a, b, radix);
    const std::string text =
        digits == Digits::AsShown ? product.text : numberText(product.number, radix);
    return parseNumber(text, radix);
}

// The number percent takes a share of. In floating-point mode a chain's
// running result lives in firstReal only: it is taken as its shown digits.
LimbNumber wholeOfPercent(CalculatorState& s) {
    if (s.floatMode == 0 || s.firstOperandSet == 0) {
        return s.firstOperand;
    }
    const std::optional<RealTexts> shown = formatReal(s.firstReal, s.radix);
    return shown ? parseNumber(shown->whole(), s.radix) : s.firstOperand;
}

}  // namespace

void percentKey(CalculatorState& s, WindowSystem& ws) {
    // Percent is no real computation: the next real key finds the control
    // word as this one found it.
    const X87 unitAsFound = s.fpu;
    const bool wasTaken = s.firstOperandSet == 1;
    const LimbNumber product =
        multiplied(wholeOfPercent(s), s.limbResult, s.radix, Digits::AsShown);
    const LimbNumber percentage =
        multiplied(product, parseNumber(".01", s.radix), s.radix, Digits::WholeScale);

    if (s.pendingOp == PendingOperation::None) {
        // Nothing pending: the product is taken as the first operand (in
        // floating-point mode only when none had been taken).
        if (s.floatMode == 0) {
            s.firstOperand = product;
            s.firstReal = parseReal(numberText(product, s.radix), s.radix);
        } else if (!wasTaken) {
            s.firstOperand = product;
            s.firstReal = s.realValue;
        }
        s.firstOperandSet = 1;
    }

    // The percentage is the current number on both sides and on the readout.
    const std::string shown = numberText(percentage, s.radix);
    s.limbResult = percentage;
    s.realValue = parseReal(shown, s.radix);
    writeReal(s, s.realValue, RealText::Echo);
    s.entryText = shown;
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
    repaintReadout(s, ws);
    s.fpu = unitAsFound;
}

}  // namespace korvo
