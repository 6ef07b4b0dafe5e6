// Exact digits of an extended real's fraction. The value is significand x
// 2^-q, so floor(fraction x radix^n) is an integer product shifted right by
// q, and the first bit shifted out decides the rounding. Radix 10 needs a
// product of at most 64 + 64 bits; the radices that are powers of two only
// shift.
#include "floatmath/realfraction.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "intmath/digits.h"
#include "state/u128.h"

namespace korvo {

namespace {

constexpr std::int32_t kExponentBias = 16383;
constexpr std::int32_t kSignificandBits = 64;

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
    U128 whole;               // floor(fraction x radix^count)
    bool halfOrMore = false;  // the rest is at least one half
};

Scaled scaleFraction(const Real80& fraction, std::uint32_t radix, std::uint32_t count) {
    Scaled out;
    if (fraction.significand == 0) {
        return out;
    }
    // A denormal has the exponent of the smallest normal.
    const std::int32_t exponent = std::max<std::int32_t>(fraction.biasedExponent(), 1);
    const std::int32_t shift = kExponentBias + kSignificandBits - 1 - exponent;  // q, at least 64
    const U128 significand = U128::of(fraction.significand);
    const std::uint32_t bits = bitsPerDigit(radix);
    if (bits == 0) {
        const U128 product = significand * U128::power(radix, count);
        const auto q = static_cast<std::uint32_t>(shift);
        out.whole = product.shiftedRight(q);
        out.halfOrMore = product.bit(q - 1);
        return out;
    }
    const std::int32_t net = shift - static_cast<std::int32_t>(bits * count);
    if (net <= 0) {
        out.whole = significand.shiftedLeft(static_cast<std::uint32_t>(-net));
        return out;
    }
    out.whole = significand.shiftedRight(static_cast<std::uint32_t>(net));
    out.halfOrMore = significand.bit(static_cast<std::uint32_t>(net - 1));
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

std::uint32_t leadingZeroDigits(const Real80& fraction, std::uint32_t radix, std::uint32_t most) {
    U128 whole = scaleFraction(fraction, radix, most).whole;
    std::uint32_t digits = 0;
    while (!whole.isZero()) {
        whole.divideBy(radix);
        ++digits;
    }
    return most - std::min(digits, most);
}

std::string roundedFractionDigits(const Real80& fraction, std::uint32_t radix, std::uint32_t count,
                                  bool& carry) {
    const Scaled scaled = scaleFraction(fraction, radix, count);
    U128 value = scaled.whole + U128::of(scaled.halfOrMore ? 1 : 0);
    std::string digits(count, '0');
    for (std::uint32_t i = count; i-- > 0;) {
        digits[i] = digitCharacter(value.divideBy(radix));
    }
    // What is left over is the rounding's carry out of the first digit.
    carry = !value.isZero();
    return digits;
}

}  // namespace korvo
