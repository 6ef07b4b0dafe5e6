// Whole 128-bit limb groups: the full product of two groups, powers of the
// radix, and a carry or borrow of one through all four limbs. The multiply
// primitive takes at most a 64-bit multiplier; a radix-16 fraction has up to
// 76 bits and a power's base 128, so these build the full product from it.
#pragma once

#include <cstdint>
#include <span>

#include "state/calculatorstate.h"

namespace korvo {

// a x b modulo 2^128. Uses limbA, limbB and productLimbs as scratch.
Limbs4 multiplyGroups(CalculatorState& s, const Limbs4& a, const Limbs4& b);

// radix^count modulo 2^128. Uses limbA, limbB and productLimbs as scratch.
Limbs4 powerOfRadix(CalculatorState& s, std::uint32_t radix, std::uint32_t count);

// value >> count (count of 128 or more gives zero), and bit `bit` of value
// (bit 0 the lowest; false from 128 on).
Limbs4 shiftGroupRight(const Limbs4& value, std::uint32_t count);
Limbs4 shiftGroupLeft(const Limbs4& value, std::uint32_t count);
bool groupBit(const Limbs4& value, std::uint32_t bit);
// value / divisor in place; returns the remainder. divisor is not zero.
std::uint32_t divideGroup(Limbs4& value, std::uint32_t divisor);
bool groupIsZero(const Limbs4& value);

// Adds one, carried through the group; true when it wrapped to zero.
bool incrementGroup(std::span<std::uint32_t, 4> group);
// Subtracts one, borrowed through the group; zero wraps to 2^128 - 1.
void decrementGroup(std::span<std::uint32_t, 4> group);

// The integer half (limbs 0-3) and the fraction half (limbs 4-7) of a number.
inline std::span<std::uint32_t, 4> integerLimbs(LimbNumber& n) {
    return std::span<std::uint32_t, 4>(n.limbs.data(), 4);
}
inline std::span<std::uint32_t, 4> fractionLimbs(LimbNumber& n) {
    return std::span<std::uint32_t, 4>(n.limbs.data() + 4, 4);
}
inline Limbs4 integerOf(const LimbNumber& n) {
    return {n.limbs[0], n.limbs[1], n.limbs[2], n.limbs[3]};
}
inline Limbs4 fractionOf(const LimbNumber& n) {
    return {n.limbs[4], n.limbs[5], n.limbs[6], n.limbs[7]};
}

}  // namespace korvo
