#include "intmath/limboperation.h"

#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace korvo {

namespace {

// The engine's record with a as first operand and b as second, each with
// the texts it is read from.
CalculatorState operands(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix) {
    CalculatorState s;
    s.radix = radix;
    s.parseRadix = radix;
    const NumberTexts first = numberTexts(a, radix);
    const NumberTexts second = numberTexts(b, radix);
    s.firstOperand = a;
    s.firstIntText = first.integer;
    s.firstFracText = first.fraction;
    s.fracWidth = static_cast<std::uint32_t>(first.fraction.size());
    s.limbResult = b;
    s.intText = second.integer;
    s.fracText = second.fraction;
    return s;
}

LimbOutcome outcome(const CalculatorState& s, bool done = true) {
    return {done, s.limbResult, s.entryText};
}

}  // namespace

LimbOutcome operateOnLimbs(PendingOperation op, const LimbNumber& a, const LimbNumber& b,
                           std::uint32_t radix) {
    CalculatorState s = operands(a, b, radix);
    s.pendingOp = op;
    alignOperands(s);
    switch (op) {
        case PendingOperation::Add:
            signedAdd(s);
            return outcome(s);
        case PendingOperation::Subtract:
            signedSubtract(s);
            return outcome(s);
        case PendingOperation::Multiply:
            multiplyNumbers(s);
            return outcome(s);
        default:
            return outcome(s, divideNumbers(s) == DivisionOutcome::Done);
    }
}

LimbOutcome powerOfLimbs(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix) {
    CalculatorState s = operands(a, b, radix);
    integerPower(s);
    return outcome(s);
}

LimbOutcome squareOfLimbs(const LimbNumber& x, std::uint32_t radix) {
    CalculatorState s = operands(x, x, radix);
    s.pendingOp = PendingOperation::Multiply;
    if (x.fracDigits > 0) {
        scaledMultiplyDivide(s);
    } else {
        alignOperands(s);
        multiplyNumbers(s);
    }
    return outcome(s);
}

}  // namespace korvo
