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

Limbs4 shiftGroupRight(const Limbs4& value, std::uint32_t count) {
    Limbs4 out{};
    const std::uint32_t limbs = count / kLimbBits;
    const std::uint32_t bits = count % kLimbBits;
    for (std::size_t i = 0; i < out.size(); ++i) {
        // Limb i of the result takes from limbs i - limbs and the one above it.
        if (i < limbs) {
            continue;
        }
        const std::size_t from = i - limbs;
        std::uint64_t pair = value[from];
        if (from > 0) {
            pair |= std::uint64_t{value[from - 1]} << kLimbBits;
        }
        out[i] = static_cast<std::uint32_t>((pair >> bits) & kMaxLimb);
    }
    return out;
}

Limbs4 shiftGroupLeft(const Limbs4& value, std::uint32_t count) {
    Limbs4 out{};
    const std::uint32_t limbs = count / kLimbBits;
    const std::uint32_t bits = count % kLimbBits;
    for (std::size_t i = 0; i + limbs < out.size(); ++i) {
        const std::size_t from = i + limbs;
        std::uint64_t pair = std::uint64_t{value[from]} << kLimbBits;
        if (from + 1 < value.size()) {
            pair |= value[from + 1];
        }
        out[i] = static_cast<std::uint32_t>((pair << bits) >> kLimbBits);
    }
    return out;
}

bool groupBit(const Limbs4& value, std::uint32_t bit) {
    if (bit >= kLimbBits * value.size()) {
        return false;
    }
    const std::uint32_t limb = value[value.size() - 1 - bit / kLimbBits];
    return ((limb >> (bit % kLimbBits)) & 1U) != 0;
}

std::uint32_t divideGroup(Limbs4& value, std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::uint32_t& limb : value) {
        const std::uint64_t dividend = (remainder << kLimbBits) | limb;
        limb = static_cast<std::uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

bool groupIsZero(const Limbs4& value) {
    return std::all_of(value.begin(), value.end(), [](std::uint32_t w) { return w == 0; });
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
