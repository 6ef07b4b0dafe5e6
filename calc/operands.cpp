#include "calc/operands.h"

#include "floatmath/realtext.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace korvo {

NumberTexts textsOf(CalculatorState& s, const LimbNumber& number) {
    // The formatter writes into several shared buffers; only its texts are
    // wanted here.
    const LimbNumber current = s.limbResult;
    const std::string entry = s.entryText;
    const std::string work = s.workText;
    const std::string format = s.formatText;
    const std::uint32_t parseRadix = s.parseRadix;
    const std::uint32_t formatRadix = s.formatRadix;
    s.limbResult = number;
    s.parseRadix = s.radix;
    s.formatRadix = 0;
    formatNumber(s);
    NumberTexts texts{s.formatText, s.intText, s.fracText};
    s.limbResult = current;
    s.entryText = entry;
    s.workText = work;
    s.formatText = format;
    s.parseRadix = parseRadix;
    s.formatRadix = formatRadix;
    return texts;
}

Real80 realOfText(CalculatorState& s, const std::string& text) {
    const Real80 current = s.realValue;
    const X87 unit = s.fpu;
    const std::string work = s.workText;
    const std::uint32_t negative = s.realTextNegative;
    s.realValue = Real80{};
    s.workText = text;
    parseReal(s);
    const Real80 value = s.realValue;
    s.realValue = current;
    s.fpu = unit;
    s.workText = work;
    s.realTextNegative = negative;
    return value;
}

void setFirstOperand(CalculatorState& s, const LimbNumber& number) {
    const NumberTexts texts = textsOf(s, number);
    s.firstOperand = number;
    s.firstIntText = texts.integer;
    s.firstFracText = texts.fraction;
    s.fracWidth = static_cast<std::uint32_t>(texts.fraction.size());
}

void describeOperands(CalculatorState& s) {
    setFirstOperand(s, s.firstOperand);
    const NumberTexts current = textsOf(s, s.limbResult);
    s.intText = current.integer;
    s.fracText = current.fraction;
    s.parseRadix = s.radix;
}

FirstOperandCopy keepFirstOperand(const CalculatorState& s) {
    return {s.firstOperand, s.firstIntText, s.firstFracText, s.fracWidth};
}

void restoreFirstOperand(CalculatorState& s, const FirstOperandCopy& copy) {
    s.firstOperand = copy.number;
    s.firstIntText = copy.intText;
    s.firstFracText = copy.fracText;
    s.fracWidth = copy.fracWidth;
}

bool operateOnLimbs(CalculatorState& s) {
    const FirstOperandCopy first = keepFirstOperand(s);
    describeOperands(s);
    alignOperands(s);
    bool done = true;
    if (s.pendingOp == PendingOperation::Add) {
        signedAdd(s);
    } else if (s.pendingOp == PendingOperation::Subtract) {
        signedSubtract(s);
    } else if (s.pendingOp == PendingOperation::Multiply) {
        multiplyNumbers(s);
    } else {
        done = divideNumbers(s) == DivisionOutcome::Done;
    }
    restoreFirstOperand(s, first);
    return done;
}

LimbNumber numberOfText(CalculatorState& s, const std::string& text) {
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    return s.limbResult;
}

}  // namespace korvo
