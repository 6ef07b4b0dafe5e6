// Full-width group arithmetic on top of the limb primitives.
#include "intmath/limbgroups.h"

#include <algorithm>

#include "intmath/limbs.h"

namespace korvo {

namespace {

constexpr std::uint32_t kMaxLimb = 0xFFFFFFFFU;
constexpr int kLimbBits = 32;
// Every radix is even, so radix^128 is a multiple of 2^128: from there on a
// power of the radix is zero modulo 2^128 and more factors change nothing.
constexpr std::uint32_t kPowersBeforeZero = 128;

// productLimbs = a x (the 64-bit value high:low).
Limbs4 multiplyBy64(CalculatorState& s, const Limbs4& a, std::uint32_t high, std::uint32_t low) {
    std::copy(a.begin(), a.end(), s.limbA.begin());
    s.limbB[2] = high;
    s.limbB[3] = low;
    limbMultiply(s);
    return s.productLimbs;
}

}  // namespace

Limbs4 multiplyGroups(CalculatorState& s, const Limbs4& a, const Limbs4& b) {
    // a x b = a x (b mod 2^64) + 2^64 x a x (b div 2^64); of the second
    // product only its low 64 bits stay below 2^128.
    Limbs4 result = multiplyBy64(s, a, b[2], b[3]);
    if (b[0] == 0 && b[1] == 0) {
        return result;
    }
    const Limbs4 upper = multiplyBy64(s, a, b[0], b[1]);
    const std::uint64_t sum = std::uint64_t{result[1]} + upper[3];
    result[1] = static_cast<std::uint32_t>(sum & kMaxLimb);
    result[0] = result[0] + upper[2] + static_cast<std::uint32_t>(sum >> kLimbBits);
    return result;
}

Limbs4 powerOfRadix(CalculatorState& s, std::uint32_t radix, std::uint32_t count) {
    Limbs4 power{0, 0, 0, 1};
    const std::uint32_t steps = std::min(count, kPowersBeforeZero);
    for (std::uint32_t i = 0; i < steps; ++i) {
        power = multiplyBy64(s, power, 0, radix);
    }
    return power;
}

bool incrementGroup(std::span<std::uint32_t, 4> group) {
    for (std::size_t i = group.size(); i-- > 0;) {
        if (++group[i] != 0) {
            return false;
        }
    }
    return true;
}

void decrementGroup(std::span<std::uint32_t, 4> group) {
    for (std::size_t i = group.size(); i-- > 0;) {
        if (group[i]-- != 0) {
            return;
        }
    }
}

}  // namespace korvo
