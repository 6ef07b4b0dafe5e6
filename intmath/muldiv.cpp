// Multiplication, division and integer powers. Integers go straight to the
// limb primitives; operands with fractions go through the scaled path
// (scaledmuldiv.cpp), and so does every quotient: the long division on wide
// integers gives it exact, with up to 19 fraction digits.
#include "intmath/muldiv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "intmath/digits.h"
#include "intmath/limbgroups.h"
#include "intmath/limbs.h"
#include "intmath/numbertext.h"

namespace korvo {

namespace {

constexpr std::uint64_t kOneLimb = std::uint64_t{1} << 32;
constexpr int kExponentBits = 128;
constexpr int kLimbBits = 32;

bool eitherHasFraction(const CalculatorState& s) {
    return s.firstOperand.fracDigits != 0 || s.limbResult.fracDigits != 0;
}

// True when the digits of `text` read as one integer in `radix` reach 2^32.
bool digitsNeedTwoLimbs(const std::string& text, std::uint32_t radix) {
    std::uint64_t value = 0;
    for (const char c : text) {
        if (c == '-') {
            continue;
        }
        value = value * radix + digitValue(c);
        if (value >= kOneLimb) {
            return true;
        }
    }
    return false;
}

// A divisor of two limbs or more, as an integer or, when fractions are
// involved, as the integer formed by all its digits (which is how the
// division reads it).
bool divisorNeedsTwoLimbs(const CalculatorState& s) {
    const LimbNumber& d = s.limbResult;
    if (d.limbs[0] != 0 || d.limbs[1] != 0 || d.limbs[2] != 0) {
        return true;
    }
    if (!eitherHasFraction(s)) {
        return false;
    }
    return digitsNeedTwoLimbs(s.intText + s.fracText, s.radix);
}

}  // namespace

void multiplyNumbers(CalculatorState& s) {
    if (eitherHasFraction(s)) {
        scaledMultiplyDivide(s);
        return;
    }
    // Both integer parts whole, the low 128 bits of the product kept.
    s.productLimbs = multiplyGroups(s, integerOf(s.firstOperand), integerOf(s.limbResult));
    std::copy(s.productLimbs.begin(), s.productLimbs.end(), s.limbResult.limbs.begin());
    s.limbResult.negative = s.firstOperand.negative != s.limbResult.negative ? 1 : 0;
    formatNumber(s);
}

DivisionOutcome divideNumbers(CalculatorState& s) {
    if (limbsAreZero(s.limbResult)) {
        return DivisionOutcome::ZeroDivisor;
    }
    return exactDivide(s, divisorNeedsTwoLimbs(s));
}

void integerPower(CalculatorState& s) {
    zeroWords(s.limbA);
    zeroWords(s.limbB);
    zeroWords(fractionLimbs(s.limbResult));
    const Limbs4 base = integerOf(s.firstOperand);
    const Limbs4 exponent = integerOf(s.limbResult);
    // Square and multiply from the exponent's top bit: any 128-bit exponent
    // takes at most 256 products, and the result is exact modulo 2^128.
    Limbs4 power{0, 0, 0, 1};
    const auto bitIsSet = [&exponent](int bit) {
        const std::uint32_t limb = exponent[static_cast<std::size_t>(3 - bit / kLimbBits)];
        return ((limb >> (bit % kLimbBits)) & 1U) != 0;
    };
    int top = kExponentBits - 1;
    while (top >= 0 && !bitIsSet(top)) {
        --top;
    }
    for (int bit = top; bit >= 0; --bit) {
        power = multiplyGroups(s, power, power);
        if (bitIsSet(bit)) {
            power = multiplyGroups(s, power, base);
        }
    }
    s.productLimbs = power;
    std::copy(power.begin(), power.end(), s.limbResult.limbs.begin());
    const bool oddExponent = (exponent[3] & 1U) != 0;
    s.limbResult.negative = s.firstOperand.negative == 1 && oddExponent ? 1 : 0;
    formatNumber(s);
}

}  // namespace korvo
