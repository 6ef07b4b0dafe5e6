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
#include "floatmath/power.h"
#include "floatmath/realtext.h"
#include "floatmath/x87.h"
#include "intmath/limbs.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

// Values of pendingOp.
constexpr std::uint32_t kNoOperation = 0;
constexpr std::uint32_t kAddition = 1;
constexpr std::uint32_t kSubtraction = 2;
constexpr std::uint32_t kMultiplication = 3;
constexpr std::uint32_t kDivision = 4;

// After a result the caret goes to the end of any text the field shows.
constexpr std::size_t kResultCaret = 33;
// The result step reads the field as into a 34-byte buffer.
constexpr std::size_t kResultReadSize = 34;
// The real side takes the shown text as the entry's refresh does.
constexpr std::size_t kEntryCopyRoom = 33;

bool somethingPending(const CalculatorState& s) {
    return s.pendingOp != kNoOperation || s.powerPending == 1 || s.hypotenusePending == 1;
}

// The current number's texts become the first operand's.
void takeFirstOperand(CalculatorState& s) {
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    s.firstOperand = s.limbResult;
}

// intText and fracText of `number` as the formatter writes it in the radix
// in force.
void formatTextsOf(CalculatorState& s, const LimbNumber& number) {
    const LimbNumber current = s.limbResult;
    s.limbResult = number;
    s.parseRadix = s.radix;
    formatNumber(s);
    s.limbResult = current;
}

// The scaled product reads the operands' texts besides their limbs. In
// floating-point mode the texts last written describe the real, so percent
// writes them again from the limbs.
void describeOperands(CalculatorState& s) {
    formatTextsOf(s, s.firstOperand);
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    formatTextsOf(s, s.limbResult);
}

// In floating-point mode a chain's running result lives in firstReal only;
// the limb first operand is the number taken first. Percent works on limbs,
// so it takes the running result as its shown digits.
void takeRunningResult(CalculatorState& s) {
    const LimbNumber current = s.limbResult;
    const bool outOfRange = formatReal(s, s.firstReal, RealText::Echo);
    if (!outOfRange) {
        s.workText = s.entryText;
        parseNumber(s);
        s.firstOperand = s.limbResult;
    }
    s.limbResult = current;
}

// The shown entry as the result step parses it; the out-of-range message
// stands for no number at all.
std::string shownNumberText(WindowSystem& ws) {
    std::string shown = readEntry(ws, kResultReadSize);
    if (!shown.empty() && shown.front() == '*') {
        shown.clear();
    }
    return shown;
}

// Floating-point half of the operator step. Returns false when a zero
// divisor ended the calculation. The divisor is the current real whether or
// not the entry was typed again: after "5 /" it is still 5.
bool finishPendingOnReals(CalculatorState& s, WindowSystem& ws) {
    x87::finit(s.fpu);
    const X87& unit = s.fpu;
    const Real80 a = s.firstReal;
    const Real80 b = s.realValue;
    switch (s.pendingOp) {
        case kAddition:
            s.firstReal = x87::add(unit, a, b);
            break;
        case kSubtraction:
            s.firstReal = x87::subtract(unit, a, b);
            break;
        case kMultiplication:
            s.firstReal = x87::multiply(unit, a, b);
            break;
        case kDivision:
            if (b.isZero()) {
                showOutOfRangeResult(s, ws);
                return false;
            }
            s.firstReal = x87::divide(unit, a, b);
            break;
        default:
            return true;
    }
    s.pendingOp = kNoOperation;
    return true;
}

// Integer half of the operator step; the result (or the entry) becomes the
// first operand. Returns false when a zero divisor ended the calculation.
bool finishPendingOnLimbs(CalculatorState& s, WindowSystem& ws, bool entryWasEmpty) {
    alignOperands(s);
    switch (s.pendingOp) {
        case kAddition:
            signedAdd(s);
            s.pendingOp = kNoOperation;
            break;
        case kSubtraction:
            signedSubtract(s);
            s.pendingOp = kNoOperation;
            break;
        case kMultiplication:
            multiplyNumbers(s);
            s.pendingOp = kNoOperation;
            break;
        case kDivision:
            // Without a second operand the division stays pending.
            if (!entryWasEmpty) {
                if (divideNumbers(s) == DivisionOutcome::ZeroDivisor) {
                    showOutOfRangeResult(s, ws);
                    return false;
                }
                s.pendingOp = kNoOperation;
            }
            break;
        default:
            break;
    }
    // entryText holds the result, or the entry as read (empty gives zero).
    s.workText = s.entryText;
    parseNumber(s);
    formatNumber(s);
    takeFirstOperand(s);
    return true;
}

bool runOperatorStep(CalculatorState& s, WindowSystem& ws) {
    // The dispatcher read the entry into workText when the command began.
    const bool entryWasEmpty = s.workText.empty();
    if (s.firstOperandSet == 0) {
        takeFirstOperand(s);
        s.firstReal = s.realValue;
        s.firstOperandSet = 1;
    }
    const bool continued =
        s.floatMode == 1 ? finishPendingOnReals(s, ws) : finishPendingOnLimbs(s, ws, entryWasEmpty);
    if (!continued) {
        return false;
    }
    s.entryText.clear();
    ws.setEntryText(s.entryText);
    s.entryHasPoint = 0;
    return true;
}

// The real evaluation of "=": the four operations in floating-point mode,
// and the power and the hypotenuse in both modes.
void evaluateOnReals(CalculatorState& s, WindowSystem& ws) {
    // Nothing pending: "=" leaves everything as it is, unit included.
    if (!somethingPending(s)) {
        return;
    }
    x87::finit(s.fpu);
    const X87& unit = s.fpu;
    const Real80 a = s.firstReal;
    const Real80 b = s.realValue;
    Real80 result;
    if (s.pendingOp == kAddition) {
        result = x87::add(unit, a, b);
    } else if (s.pendingOp == kSubtraction) {
        result = x87::subtract(unit, a, b);
    } else if (s.pendingOp == kMultiplication) {
        result = x87::multiply(unit, a, b);
    } else if (s.pendingOp == kDivision) {
        if (b.isZero()) {
            showOutOfRangeResult(s, ws);
            return;
        }
        result = x87::divide(unit, a, b);
    } else if (s.powerPending == 1) {
        result = raiseToPower(s, a, b);
    } else {
        s.firstReal = x87::multiply(unit, a, a);
        result = x87::squareRoot(unit, x87::add(unit, s.firstReal, x87::multiply(unit, b, b)));
    }
    s.realValue = result;
    s.firstReal = result;
    formatReal(s, s.realValue);
    showResult(s, ws);
}

// A power with whole operands stays exact on limbs; a fraction or a negative
// exponent needs the real side.
bool powerOnLimbs(const CalculatorState& s) {
    const bool wholeNumbers = s.firstOperand.fracDigits == 0 && s.limbResult.fracDigits == 0;
    const bool negativeExponent = s.limbResult.negative == 1 && !limbsAreZero(s.limbResult);
    return wholeNumbers && !negativeExponent;
}

void evaluateOnLimbs(CalculatorState& s, WindowSystem& ws) {
    // Aligning would rescale the entry's fraction limbs with nothing to
    // compute and no result to parse them back from.
    if (!somethingPending(s)) {
        return;
    }
    alignOperands(s);
    switch (s.pendingOp) {
        case kAddition:
            signedAdd(s);
            break;
        case kSubtraction:
            signedSubtract(s);
            break;
        case kMultiplication:
            multiplyNumbers(s);
            break;
        case kDivision:
            if (divideNumbers(s) == DivisionOutcome::ZeroDivisor) {
                showOutOfRangeResult(s, ws);
                return;
            }
            break;
        default:
            if (s.powerPending == 1 && powerOnLimbs(s)) {
                integerPower(s);
                break;
            }
            evaluateOnReals(s, ws);
            return;
    }
    showResult(s, ws);
}

}  // namespace

void operatorKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId) {
    std::uint32_t operation = kNoOperation;
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
    if (!runOperatorStep(s, ws)) {
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

void operatorStep(CalculatorState& s, WindowSystem& ws) {
    runOperatorStep(s, ws);
}

void evaluatePending(CalculatorState& s, WindowSystem& ws) {
    if (s.floatMode == 1) {
        evaluateOnReals(s, ws);
    } else {
        evaluateOnLimbs(s, ws);
    }
}

void showResult(CalculatorState& s, WindowSystem& ws) {
    ws.setEntryText(s.entryText);
    ws.setCaret(kResultCaret);
    s.firstOperandSet = 0;
    s.hypotenusePending = 0;
    s.powerPending = 0;
    s.reciprocalMode = 0;
    s.pendingOp = kNoOperation;
    s.entryHasPoint = 0;
    // Both sides are derived from the shown digits only.
    s.workText = shownNumberText(ws);
    parseNumber(s);
    formatNumber(s);
    repaintReadout(s, ws);
    s.workText = shownNumberText(ws);
    parseNumber(s);
    s.firstReal = Real80{};
    s.realValue = Real80{};
    s.workText = shownNumberText(ws);
    parseReal(s);
    s.realTextNegative = 0;
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

// Shows first operand x entry x 0.01 without ending the calculation: the
// pending operation and its first operand stay for "=".
void percentKey(CalculatorState& s, WindowSystem& ws) {
    const std::uint32_t keptOperation = s.pendingOp;
    if (s.floatMode == 1) {
        // The operands' texts describe the last real here, not the limbs.
        if (s.firstOperandSet == 1) {
            takeRunningResult(s);
        }
        describeOperands(s);
    }
    s.pendingOp = kMultiplication;
    alignOperands(s);
    s.percentBase = s.firstOperand;
    const std::string keptIntText = s.firstIntText;
    const std::string keptFracText = s.firstFracText;
    multiplyNumbers(s);
    const std::string product = s.entryText;
    s.pendingOp = kNoOperation;
    runOperatorStep(s, ws);  // nothing pending: it only takes the operand
    if (s.floatMode == 1) {
        // The real side keeps its own first operand; the limb side scales
        // the product as in integer mode.
        s.workText = product;
        parseNumber(s);
        formatNumber(s);
        takeFirstOperand(s);
    }
    s.workText = ".01";
    parseNumber(s);
    formatNumber(s);
    alignOperands(s);
    s.pendingOp = kMultiplication;
    multiplyNumbers(s);
    formatNumber(s);
    ws.setEntryText(s.entryText);
    ws.setCaret(kResultCaret);
    s.pendingOp = keptOperation;
    if (keptOperation != kNoOperation) {
        s.firstOperand = s.percentBase;
        s.firstIntText = keptIntText;
        s.firstFracText = keptFracText;
        s.fracWidth = static_cast<std::uint32_t>(keptFracText.size());
    }
    // The real side takes the shown percentage, so "=" in either mode and
    // any later function work with it. The real's text is only for the
    // readout's real texts: "=" reads the percentage's own texts.
    const std::string shownIntText = s.intText;
    const std::string shownFracText = s.fracText;
    const std::string shownText = s.entryText;
    s.workText = s.entryText.substr(0, kEntryCopyRoom);
    parseReal(s);
    formatReal(s, s.realValue, RealText::Echo);
    s.intText = shownIntText;
    s.fracText = shownFracText;
    s.entryText = shownText;
}

}  // namespace korvo
