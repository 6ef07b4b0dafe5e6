// The quotient digits / radix^fractionDigits, scaled by a power of two so
// that it has two or three bits more than a significand, is an integer
// division; the bits below the significand and the remainder decide the
// rounding.
#include "floatmath/realreading.h"

#include <bit>
#include <cstdint>
#include <string>

#include "intmath/digits.h"
#include "intmath/wideint.h"

namespace korvo {

namespace {

// A wide integer has 768 bits: 150 hexadecimal digits and the scaling fit.
constexpr std::size_t kMostDigits = 150;
constexpr std::int32_t kQuotientBits = 66;  // the quotient then has 66 or 67 bits
constexpr std::uint32_t kSignificandBits = 64;
constexpr std::int32_t kExponentBias = 16383;
constexpr std::int32_t kLargestExponent = 0x7FFE;
constexpr std::uint16_t kSignBit = 0x8000;

}  // namespace

std::optional<Real80> nearestReal(std::string_view digits, std::uint32_t fractionDigits,
                                  std::uint32_t radix, bool negative) {
    if (digits.size() > kMostDigits || fractionDigits > digits.size()) {
        return std::nullopt;
    }
    std::string text;
    std::uint64_t small = 0;  // the digits' integer while it fits 64 bits
    bool fits = true;
    for (const char d : digits) {
        const auto digit = static_cast<unsigned char>(d);
        if (digit >= radix) {
            return std::nullopt;
        }
        text += digitCharacter(digit);
        fits = fits && small <= (~std::uint64_t{0} - digit) / radix;
        small = small * radix + digit;
    }
    Real80 value;
    // Up to 64 bits over a power of two is a real as it stands.
    const auto bitsPerDigit =
        static_cast<std::uint32_t>((radix & (radix - 1)) == 0 ? std::countr_zero(radix) : 0);
    if (fits && (fractionDigits == 0 || bitsPerDigit != 0)) {
        if (small != 0) {
            const int zeros = std::countl_zero(small);
            value.significand = small << static_cast<std::uint32_t>(zeros);
            value.signExponent = static_cast<std::uint16_t>(
                kExponentBias + static_cast<std::int32_t>(kSignificandBits) - 1 - zeros -
                static_cast<std::int32_t>(bitsPerDigit * fractionDigits));
        }
        if (negative) {
            value.signExponent = static_cast<std::uint16_t>(value.signExponent | kSignBit);
        }
        return value;
    }
    const WideInt numerator = WideInt::fromDigits(text, radix);
    if (!numerator.isZero()) {
        WideInt top = numerator;
        WideInt bottom = WideInt::fromDigits("1" + std::string(fractionDigits, '0'), radix);
        // value = top / bottom x 2^-shift, the quotient of 66 or 67 bits.
        const std::int32_t shift = kQuotientBits - (static_cast<std::int32_t>(top.bitLength()) -
                                                    static_cast<std::int32_t>(bottom.bitLength()));
        if (shift >= 0) {
            top.shiftLeft(static_cast<std::uint32_t>(shift));
        } else {
            bottom.shiftLeft(static_cast<std::uint32_t>(-shift));
        }
        WideInt remainder;
        const WideInt quotient = top.dividedBy(bottom, remainder);
        const std::uint32_t extra = quotient.bitLength() - kSignificandBits;  // 2 or 3
        std::uint64_t significand = 0;
        for (std::uint32_t i = 0; i < kSignificandBits; ++i) {
            significand |= static_cast<std::uint64_t>(quotient.bit(extra + i)) << i;
        }
        bool below = !remainder.isZero();  // anything under the half bit
        for (std::uint32_t i = 0; i + 1 < extra; ++i) {
            below = below || quotient.bit(i);
        }
        std::int32_t exponent =
            kExponentBias + static_cast<std::int32_t>(kSignificandBits - 1 + extra) - shift;
        if (quotient.bit(extra - 1) && (below || (significand & 1U) != 0)) {
            if (++significand == 0) {
                significand = std::uint64_t{1} << (kSignificandBits - 1);
                ++exponent;
            }
        }
        if (exponent < 1 || exponent > kLargestExponent) {
            return std::nullopt;
        }
        value.significand = significand;
        value.signExponent = static_cast<std::uint16_t>(exponent);
    }
    if (negative) {
        value.signExponent = static_cast<std::uint16_t>(value.signExponent | kSignBit);
    }
    return value;
}

}  // namespace korvo
