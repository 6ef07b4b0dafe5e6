#include "calc/operands.h"

#include "floatmath/realtext.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace korvo {

void setFirstOperand(CalculatorState& s, const LimbNumber& number) {
    const NumberTexts texts = numberTexts(number, s.radix);
    s.firstOperand = number;
    s.firstIntText = texts.integer;
    s.firstFracText = texts.fraction;
    s.fracWidth = static_cast<std::uint32_t>(texts.fraction.size());
}

void describeOperands(CalculatorState& s) {
    setFirstOperand(s, s.firstOperand);
    const NumberTexts current = numberTexts(s.limbResult, s.radix);
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

}  // namespace korvo
