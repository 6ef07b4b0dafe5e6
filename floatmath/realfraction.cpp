// Exact digits of an extended real's fraction. The value is significand x
// 2^-q, so floor(fraction x radix^n) is an integer product shifted right by
// q, and the first bit shifted out decides the rounding. Radix 10 needs a
// product of at most 64 + 64 bits; the radices that are powers of two only
// shift.
#include "floatmath/realfraction.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "intmath/limbgroups.h"

namespace korvo {

namespace {

constexpr std::int32_t kExponentBias = 16383;
constexpr std::int32_t kSignificandBits = 64;
constexpr std::uint32_t kLimbBits = 32;

std::uint32_t bitsPerDigit(std::uint32_t radix) {
    switch (radix) {
        case 2:
            return 1;
        case 8:
            return 3;
        case 16:
            return 4;
        default:
            return 0;  // not a power of two
    }
}

struct Scaled {
    Limbs4 whole{};           // floor(fraction x radix^count)
    bool halfOrMore = false;  // the rest is at least one half
};

Scaled scaleFraction(CalculatorState& s, const Real80& fraction, std::uint32_t radix,
                     std::uint32_t count) {
    Scaled out;
    if (fraction.significand == 0) {
        return out;
    }
    // A denormal has the exponent of the smallest normal.
    const std::int32_t exponent = std::max<std::int32_t>(fraction.biasedExponent(), 1);
    const std::int32_t shift = kExponentBias + kSignificandBits - 1 - exponent;  // q, at least 64
    const Limbs4 significand{0, 0, static_cast<std::uint32_t>(fraction.significand >> kLimbBits),
                             static_cast<std::uint32_t>(fraction.significand)};
    const std::uint32_t bits = bitsPerDigit(radix);
    if (bits == 0) {
        // The group product works in the primitives' slots; whoever formats
        // a real finds them as the formatter left them.
        const Limbs8 limbA = s.limbA;
        const Limbs8 limbB = s.limbB;
        const Limbs4 productLimbs = s.productLimbs;
        const Limbs4 product = multiplyGroups(s, significand, powerOfRadix(s, radix, count));
        s.limbA = limbA;
        s.limbB = limbB;
        s.productLimbs = productLimbs;
        const auto q = static_cast<std::uint32_t>(shift);
        out.whole = shiftGroupRight(product, q);
        out.halfOrMore = groupBit(product, q - 1);
        return out;
    }
    const std::int32_t net = shift - static_cast<std::int32_t>(bits * count);
    if (net <= 0) {
        out.whole = shiftGroupLeft(significand, static_cast<std::uint32_t>(-net));
        return out;
    }
    out.whole = shiftGroupRight(significand, static_cast<std::uint32_t>(net));
    out.halfOrMore = groupBit(significand, static_cast<std::uint32_t>(net - 1));
    return out;
}

}  // namespace

std::uint32_t significantDigitLimit(std::uint32_t radix) {
    switch (radix) {
        case 16:
            return 16;
        case 8:
            return 22;
        case 2:
            return 64;
        default:
            return 19;
    }
}

std::uint32_t leadingZeroDigits(CalculatorState& s, const Real80& fraction, std::uint32_t radix,
                                std::uint32_t most) {
    Limbs4 whole = scaleFraction(s, fraction, radix, most).whole;
    std::uint32_t digits = 0;
    while (!groupIsZero(whole)) {
        divideGroup(whole, radix);
        ++digits;
    }
    return most - std::min(digits, most);
}

std::string roundedFractionDigits(CalculatorState& s, const Real80& fraction, std::uint32_t radix,
                                  std::uint32_t count, bool& carry) {
    const Scaled scaled = scaleFraction(s, fraction, radix, count);
    Limbs4 value = scaled.whole;
    if (scaled.halfOrMore) {
        incrementGroup(value);
    }
    std::string digits(count, '0');
    for (std::uint32_t i = count; i-- > 0;) {
        const std::uint32_t d = divideGroup(value, radix);
        digits[i] = static_cast<char>(d < 10 ? '0' + d : 'A' + (d - 10));
    }
    // What is left over is the rounding's carry out of the first digit.
    carry = !groupIsZero(value);
    return digits;
}

}  // namespace korvo
