#include "calc/operands.h"

#include "intmath/limboperation.h"
#include "intmath/numbertext.h"

namespace korvo {

void setFirstOperand(CalculatorState& s, const LimbNumber& number) {
    const NumberTexts texts = numberTexts(number, s.radix);
    s.firstOperand = number;
    s.firstIntText = texts.integer;
    s.firstFracText = texts.fraction;
    s.fracWidth = static_cast<std::uint32_t>(texts.fraction.size());
}

bool operatePendingOnLimbs(CalculatorState& s) {
    const LimbOutcome result = operateOnLimbs(s.pendingOp, s.firstOperand, s.limbResult, s.radix);
    if (result.done) {
        s.limbResult = result.number;
        s.entryText = result.text;
    }
    return result.done;
}

}  // namespace korvo
