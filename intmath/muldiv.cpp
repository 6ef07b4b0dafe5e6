// Multiplication, division and integer powers. Integers go straight to the
// limb primitives; operands with fractions go through the scaled path
// (scaledmuldiv.cpp). A quotient that is not whole gets up to 19 exact
// fraction digits from the long division.
#include "intmath/muldiv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "floatmath/realdivide.h"
#include "intmath/digits.h"
#include "intmath/limbgroups.h"
#include "intmath/limbs.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

constexpr std::uint32_t kMaxQuotientDigits = 19;
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

// The divisor must fit the one-limb divisor of the long division, both as an
// integer and, when fractions are involved, as the integer formed by all its
// digits (which is how the scaled path reads it).
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

// True when adding one to the last digit makes the digits after the leading
// zeros one longer (they are all the radix's highest digit, or none is left).
bool raiseGrowsValue(const std::string& digits, std::uint32_t radix) {
    const char highest = digitCharacter(radix - 1);
    const std::size_t firstNonZero = std::min(digits.find_first_not_of('0'), digits.size());
    return std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(firstNonZero), digits.end(),
                       [highest](char c) { return c == highest; });
}

// The expansion was cut with something left over: the last of the digits
// goes up by one. A carry out of the last leading zero takes that zero away
// (0.0111 + 1 ulp = 0.1000 in binary); out of the whole fraction it reaches
// the integer part (0.111 + 1 ulp = 1).
void raiseLastDigit(CalculatorState& s, bool growsValue) {
    LimbNumber& n = s.limbResult;
    incrementGroup(fractionLimbs(n));
    if (!growsValue) {
        return;
    }
    if (n.fracZeros > 0) {
        --n.fracZeros;
        return;
    }
    zeroWords(fractionLimbs(n));
    n.fracZeros = n.fracDigits;
    incrementGroup(s.quotientLimbs);
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
    if (divisorNeedsTwoLimbs(s)) {
        realDivide(s);
        return DivisionOutcome::Done;
    }
    if (eitherHasFraction(s)) {
        scaledMultiplyDivide(s);
        return DivisionOutcome::Done;
    }
    // The fraction digits are parsed into limbResult, sign included.
    const bool negative = s.firstOperand.negative != s.limbResult.negative;
    s.quotientOnly = 0;
    limbDivide(s);
    std::copy(s.quotientLimbs.begin(), s.quotientLimbs.end(), s.limbResult.limbs.begin());
    s.limbResult.negative = negative ? 1 : 0;
    formatNumber(s);
    return DivisionOutcome::Done;
}

void quotientFractionDigits(CalculatorState& s, std::uint32_t r, std::uint32_t divisor) {
    s.firstFracText.clear();
    if (divisor == 0) {
        return;
    }
    std::uint64_t remainder = r % divisor;
    std::uint32_t count = 0;
    while (remainder != 0 && count < kMaxQuotientDigits) {
        ++count;
        const std::uint64_t scaled = remainder * s.radix;
        s.firstFracText.push_back(digitCharacter(scaled / divisor));
        remainder = scaled % divisor;
    }
    if (count == 0) {
        return;
    }
    // The digits are exact as they stand: no trimming, so no digit is lost.
    s.workText = std::string(text::kPoint) + s.firstFracText;
    // The parse clears quotientLimbs; the first operand's integer limbs are
    // no longer needed and hold them meanwhile.
    std::copy(s.quotientLimbs.begin(), s.quotientLimbs.end(), s.firstOperand.limbs.begin());
    parseNumber(s);
    formatNumber(s);
    s.quotientLimbs = integerOf(s.firstOperand);
    if (remainder != 0) {
        raiseLastDigit(s, raiseGrowsValue(s.firstFracText, s.radix));
    }
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
