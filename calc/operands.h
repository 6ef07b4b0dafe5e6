// Keeping the operands of two-operand work sound. The limb engine reads the
// operands' texts beside their limbs and uses firstOperand as scratch space,
// so the controller writes the texts afresh from the limbs before each
// operation and puts the first operand back after it.
#pragma once

#include <string>

#include "state/calculatorstate.h"

namespace korvo {

// firstOperand becomes `number`, its texts and fraction width with it.
void setFirstOperand(CalculatorState& s, const LimbNumber& number);

// The operands' texts (firstIntText, firstFracText, fracWidth, intText,
// fracText) written from firstOperand and limbResult.
void describeOperands(CalculatorState& s);

// firstOperand and its texts, kept across engine work that overwrites them.
struct FirstOperandCopy {
    LimbNumber number;
    std::string intText;
    std::string fracText;
    std::uint32_t fracWidth = 0;
};
FirstOperandCopy keepFirstOperand(const CalculatorState& s);
void restoreFirstOperand(CalculatorState& s, const FirstOperandCopy& copy);

// The four operations on limbs by pendingOp: firstOperand op
// limbResult, the result in limbResult and its text in entryText. The
// operands' texts are written from their limbs first and the first operand
// is put back afterwards. Returns false for a zero divisor.
bool operateOnLimbs(CalculatorState& s);

}  // namespace korvo
