// Two-operand work: the operator keys, "=", percent, and the result step that
// ends "=" and every function. Evaluation is strictly left to right: each
// operator key first finishes the pending operation with the entry as its
// second operand. Integer mode computes on limb numbers, floating-point mode
// on the x87; both sides of every number follow the entry either way.
#include "calc/operations.h"

#include <cstddef>
#include <string>

#include "calc/commandids.h"
#include "calc/entryio.h"
#include "calc/numberstate.h"
#include "floatmath/power.h"
#include "floatmath/x87.h"
#include "intmath/limboperation.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

constexpr auto kNoOperation = PendingOperation::None;
constexpr auto kAddition = PendingOperation::Add;
constexpr auto kSubtraction = PendingOperation::Subtract;
constexpr auto kMultiplication = PendingOperation::Multiply;
constexpr auto kDivision = PendingOperation::Divide;

bool somethingPending(const CalculatorState& s) {
    return s.pendingOp != kNoOperation || s.powerPending == 1 || s.hypotenusePending == 1;
}

bool powerOrHypotenuseWaits(const CalculatorState& s) {
    return s.powerPending == 1 || s.hypotenusePending == 1;
}

// The current number becomes the first operand. In integer mode the real
// side is the real of that very number, so HYP and x^N, which compute on
// reals, see the same first operand as the limbs.
void takeCurrentNumber(CalculatorState& s) {
    s.firstOperand = s.limbResult;
    s.firstReal =
        s.floatMode == 1 ? s.realValue : parseReal(numberText(s.firstOperand, s.radix), s.radix);
}

// The shown entry as the result step parses it; the out-of-range message
// stands for no number at all.
std::string shownNumberText(WindowSystem& ws) {
    std::string shown = readEntry(ws);
    if (text::showsOutOfRange(shown)) {
        shown.clear();
    }
    return shown;
}

// A power or hypotenuse on reals: a^b or sqrt(a^2 + b^2).
Real80 powerOrHypotenuseOnReals(CalculatorState& s, const Real80& a, const Real80& b) {
    const X87& unit = s.fpu;
    if (s.powerPending == 1) {
        return raiseToPower(s.fpu, a, b);
    }
    s.firstReal = x87::multiply(unit, a, a);
    return x87::squareRoot(unit, x87::add(unit, s.firstReal, x87::multiply(unit, b, b)));
}

// A power with whole operands stays exact on limbs; a fraction or a negative
// exponent needs the real side.
bool powerOnLimbs(const CalculatorState& s) {
    const bool wholeNumbers = s.firstOperand.fracDigits == 0 && s.limbResult.fracDigits == 0;
    const bool negativeExponent = s.limbResult.negative == 1 && !s.limbResult.isZero();
    return wholeNumbers && !negativeExponent;
}

// The whole-number power on limbs; the first operand survives the engine.
void raiseOnLimbs(CalculatorState& s) {
    const LimbOutcome power = powerOfLimbs(s.firstOperand, s.limbResult, s.radix);
    s.limbResult = power.number;
    s.entryText = power.text;
}

// The four operations on reals: firstReal op realValue. Returns false for a
// zero divisor.
bool runOnReals(CalculatorState& s, Real80& result) {
    x87::finit(s.fpu);
    const X87& unit = s.fpu;
    const Real80 a = s.firstReal;
    const Real80 b = s.realValue;
    switch (s.pendingOp) {
        case kAddition:
            result = x87::add(unit, a, b);
            return true;
        case kSubtraction:
            result = x87::subtract(unit, a, b);
            return true;
        case kMultiplication:
            result = x87::multiply(unit, a, b);
            return true;
        default:
            if (b.isZero()) {
                return false;
            }
            result = x87::divide(unit, a, b);
            return true;
    }
}

// An integer-mode result becomes the first operand and the current number,
// each the same on both sides: the limbs of its text and the real of it.
void takeResultText(CalculatorState& s, const std::string& shown) {
    const std::string result = withoutZeroSign(shown);
    s.limbResult = parseNumber(result, s.radix);
    s.firstOperand = s.limbResult;
    s.firstReal = parseReal(result, s.radix);
    s.realValue = s.firstReal;
}

// The pending operation on limbs, firstOperand op limbResult: the result
// in limbResult and its text in entryText. Returns false for a zero divisor
// or a quotient past 128 bits, leaving both as they were.
bool operatePendingOnLimbs(CalculatorState& s) {
    const LimbOutcome result = operateOnLimbs(s.pendingOp, s.firstOperand, s.limbResult, s.radix);
    if (result.outcome == Outcome::Number) {
        s.limbResult = result.number;
        s.entryText = result.text;
    }
    return result.outcome == Outcome::Number;
}

// A floating-point chain's result becomes the first operand and the current
// number; the limb side holds its shown digits. A result too large to show
// ends the calculation with the out-of-range message, as "=" would: the
// readout shows the running result, and there is none to show. Returns
// false then.
bool takeResultReal(CalculatorState& s, WindowSystem& ws, const Real80& computed) {
    const Real80 result = computed.isZero() ? Real80{} : computed;
    const X87 unit = s.fpu;
    if (writeReal(s, result, RealText::Echo) == Outcome::OutOfRange) {
        showOutOfRangeResult(s, ws);
        return false;
    }
    unsignZeroRealTexts(s);
    s.firstReal = result;
    s.realValue = result;
    s.limbResult = parseNumber(withoutZeroSign(s.entryText), s.radix);
    s.fpu = unit;
    return true;
}

// A waiting power or hypotenuse, finished by an operator key: its result,
// written as "=" would show it, becomes the first operand. Returns false
// when the result cannot be shown.
bool finishPowerOrHypotenuse(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 0 && s.powerPending == 1 && powerOnLimbs(s)) {
        raiseOnLimbs(s);
        takeResultText(s, s.entryText);
    } else {
        x87::finit(s.fpu);
        const Real80 result = powerOrHypotenuseOnReals(s, s.firstReal, s.realValue);
        if (s.floatMode == 1) {
            if (!takeResultReal(s, ws, result)) {
                return false;
            }
        } else {
            if (writeReal(s, result) == Outcome::OutOfRange) {
                showResult(s, ws);
                return false;
            }
            takeResultText(s, std::string(s.entryText));
        }
    }
    s.powerPending = 0;
    s.hypotenusePending = 0;
    return true;
}

// The pending two-operand operation, finished by an operator key with the
// entry as second operand; its result becomes the first operand. Returns
// false when a zero divisor or a result too large ended the calculation.
bool finishPendingOperation(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 1) {
        Real80 result;
        if (!runOnReals(s, result)) {
            showOutOfRangeResult(s, ws);
            return false;
        }
        if (!takeResultReal(s, ws, result)) {
            return false;
        }
    } else {
        if (!operatePendingOnLimbs(s)) {
            showOutOfRangeResult(s, ws);
            return false;
        }
        // The result is the current number and the new first operand.
        takeResultText(s, std::string(s.entryText));
    }
    s.pendingOp = kNoOperation;
    return true;
}

// Whether the pending two-operand operation can run now. A division waits
// for a typed divisor: an empty entry never divides the first operand (in
// floating-point mode a current real that is not zero still does, even one
// too small to show a digit).
bool operationCanRun(const CalculatorState& s, bool entryWasEmpty) {
    if (s.pendingOp == kNoOperation) {
        return false;
    }
    if (s.pendingOp != kDivision || !entryWasEmpty) {
        return true;
    }
    return s.floatMode == 1 && !s.realValue.isZero();
}

bool runOperatorStep(CalculatorState& s, WindowSystem& ws, StepKey key) {
    // The dispatcher read the entry into workText when the command began.
    const bool entryWasEmpty = s.workText.empty();
    const bool alreadyTaken = s.firstOperandSet == 1;
    if (s.floatMode == 1) {
        // Every floating-point operator step starts from a fresh unit.
        x87::finit(s.fpu);
    }
    if (!alreadyTaken) {
        takeCurrentNumber(s);
        s.firstOperandSet = 1;
    }
    const bool flagWaits = powerOrHypotenuseWaits(s) && s.pendingOp == kNoOperation;
    bool ran = false;
    if (alreadyTaken && entryWasEmpty && key == StepKey::Memory) {
        // Right after an operator key the memory keys take the running
        // result as it stands; the waiting operation has no operand.
        s.pendingOp = kNoOperation;
    } else if (flagWaits && alreadyTaken) {
        if (entryWasEmpty) {
            // The new operator key replaces the one without an operand.
            s.powerPending = 0;
            s.hypotenusePending = 0;
        } else {
            if (!finishPowerOrHypotenuse(s, ws)) {
                return false;
            }
            ran = true;
        }
    } else if (operationCanRun(s, entryWasEmpty)) {
        if (!finishPendingOperation(s, ws)) {
            return false;
        }
        ran = true;
    }
    if (!ran && alreadyTaken && !entryWasEmpty) {
        // Nothing ran: the typed number is the new first operand.
        takeCurrentNumber(s);
    }
    if (ran) {
        // The running result is the current number: the readout shows it.
        repaintReadout(s, ws);
    }
    // Otherwise the first operand, its real and the current number stay: an
    // empty entry enters no calculation.
    s.entryText.clear();
    ws.setEntryText(s.entryText);
    return true;
}

// The real evaluation of "=": the four operations in floating-point mode,
// and the power and the hypotenuse in both modes.
void evaluateOnReals(CalculatorState& s, WindowSystem& ws) {
    // Nothing pending: "=" leaves everything as it is, unit included.
    if (!somethingPending(s)) {
        return;
    }
    Real80 result;
    if (s.pendingOp != kNoOperation) {
        if (!runOnReals(s, result)) {
            showOutOfRangeResult(s, ws);
            return;
        }
    } else {
        x87::finit(s.fpu);
        result = powerOrHypotenuseOnReals(s, s.firstReal, s.realValue);
    }
    s.realValue = result;
    s.firstReal = result;
    writeReal(s, s.realValue);
    showResult(s, ws);
}

void evaluateOnLimbs(CalculatorState& s, WindowSystem& ws) {
    // Aligning would rescale the entry's fraction limbs with nothing to
    // compute and no result to parse them back from.
    if (!somethingPending(s)) {
        return;
    }
    if (s.pendingOp != kNoOperation) {
        if (!operatePendingOnLimbs(s)) {
            showOutOfRangeResult(s, ws);
            return;
        }
    } else if (s.powerPending == 1 && powerOnLimbs(s)) {
        raiseOnLimbs(s);
    } else {
        evaluateOnReals(s, ws);
        return;
    }
    showResult(s, ws);
}

}  // namespace

void operatorKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    PendingOperation operation = kNoOperation;
    switch (commandId) {
        case cmd::kAdd:
            ws.setOperatorIndicator(text::kPlusMark);
            operation = kAddition;
            break;
        case cmd::kSubtract:
            ws.setOperatorIndicator(text::kMinusMark);
            operation = kSubtraction;
            break;
        case cmd::kMultiply:
            ws.setOperatorIndicator(text::kTimesMark);
            operation = kMultiplication;
            break;
        case cmd::kDivide:
            ws.setOperatorIndicator(text::kDivideMark);
            operation = kDivision;
            break;
        case cmd::kEquals:
            ws.setOperatorIndicator(text::kEqualsMark);
            evaluatePending(s, ws);
            return;
        case cmd::kHypotenuse:
        case cmd::kPower:
            break;
        default:
            return;
    }
    if (!runOperatorStep(s, ws, StepKey::Operator)) {
        return;
    }
    if (commandId == cmd::kHypotenuse) {
        s.hypotenusePending = 1;
    } else if (commandId == cmd::kPower) {
        s.powerPending = 1;
    } else {
        s.pendingOp = operation;
    }
}

void operatorStep(CalculatorState& s, WindowSystem& ws, StepKey key) {
    runOperatorStep(s, ws, key);
}

void evaluatePending(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 1) {
        evaluateOnReals(s, ws);
    } else {
        evaluateOnLimbs(s, ws);
    }
}

void showResult(CalculatorState& s, WindowSystem& ws) {
    s.entryText = withoutZeroSign(s.entryText);
    unsignZeroRealTexts(s);
    ws.setEntryText(s.entryText);
    ws.setCaret(kCaretAtEnd);
    s.firstOperandSet = 0;
    s.hypotenusePending = 0;
    s.powerPending = 0;
    s.pendingOp = kNoOperation;
    // Both sides are derived from the shown digits only.
    readLimbs(s, shownNumberText(ws));
    writeLimbs(s);
    // The binary block counts the zeros after the point of the number it
    // shows, not of the one the real's formatting started from.
    s.savedFracZeros = s.limbResult.fracZeros;
    repaintReadout(s, ws);
    readLimbs(s, shownNumberText(ws));
    s.firstReal = Real80{};
    s.realValue = Real80{};
    readReal(s, shownNumberText(ws));
}

void showOutOfRangeResult(CalculatorState& s, WindowSystem& ws) {
    // As a real result too long to show: no real texts, the current real 0,
    // and the unit left as the real formatter leaves it.
    s.realIntText.clear();
    s.realFracText.clear();
    s.savedFracZeros = s.limbResult.fracZeros;
    x87::loadControlWord(s.fpu, kTruncateControlWord);
    s.entryText = text::kOutOfRange;
    showResult(s, ws);
}

}  // namespace korvo
