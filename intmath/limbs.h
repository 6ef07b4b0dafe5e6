// Word arrays and the four limb primitives. The primitives take no operands:
// they work on the state's slots (limbA, limbB, productLimbs, quotientLimbs,
// limbResult) as the text conversion and the signed operations load them.
#pragma once

#include <cstdint>
#include <span>

#include "state/calculatorstate.h"

namespace korvo {

void zeroWords(std::span<std::uint32_t> dest);
// Copies min(dest, src) words, first word first.
void copyWords(std::span<std::uint32_t> dest, std::span<const std::uint32_t> src);
// Word by word from the first: 1 when `first` is greater at the first
// difference, 2 when it is smaller, 0 when all words are equal.
int compareWords(std::span<const std::uint32_t> first, std::span<const std::uint32_t> second);

// limbResult limbs = limbA + limbB; limbs 0-3 only when integerLimbsOnly is 1.
// The fraction's carry never reaches the integer half.
void limbAdd(CalculatorState& s);
// limbResult limbs = limbA - limbB; when the integer half comes out negative
// the operands are exchanged (limbA = limbB, limbB = firstOperand) and the
// subtraction runs again.
void limbSubtract(CalculatorState& s);
// productLimbs = limbA limbs 0-3 x (limbB limb 2 : limb 3), modulo 2^128.
void limbMultiply(CalculatorState& s);
// quotientLimbs = limbA limbs 0-3 / limbB limb 3; returns the remainder. A
// zero divisor leaves quotientLimbs as they were and returns 0.
std::uint32_t limbDivide(CalculatorState& s);

// The parser's one-step clear: limbResult and the engine's working numbers
// quotientLimbs, productLimbs and radixPower.
void clearResultBlock(CalculatorState& s);

// Every limb of the number zero (sign and counters not looked at).
bool limbsAreZero(const LimbNumber& n);

}  // namespace korvo
