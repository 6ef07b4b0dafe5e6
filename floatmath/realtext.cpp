// Number text <-> extended real. A text is read into the nearest real, so a
// number of up to 18 digits reads back as written. Writing is done by x87
// instructions under the control word the unit holds, so the digits shown
// are those the unit's arithmetic produces; the trimming that follows tidies
// them.
#include "floatmath/realtext.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "floatmath/realfraction.h"
#include "floatmath/realreading.h"
#include "floatmath/trimming.h"
#include "floatmath/x87.h"
#include "intmath/digits.h"
#include "intmath/numbertext.h"

namespace korvo {

namespace {

// FISTP's answer for a value that does not fit: the conversion of any
// non-negative real gives it only for 2^63 and above, infinities and NaN.
constexpr std::int64_t kIntegerIndefinite = std::numeric_limits<std::int64_t>::min();
constexpr std::uint32_t kSingleSignBit = 0x80000000U;

constexpr char kPointChar = '.';
constexpr char kMinusChar = '-';

// An entry character's digit value, kept in a byte: an unexpected
// character wraps instead of failing.
unsigned char mapCharacter(char code) {
    return static_cast<unsigned char>(digitValue(code));
}

Real80 digitReal(char mapped) {
    return x87::loadInteger(static_cast<unsigned char>(mapped));
}

// The integer part goes through the limb formatter, so it is written in the
// radix exactly as integer mode writes it.
std::string integerText(std::uint64_t magnitude, bool negative, std::uint32_t radix) {
    LimbNumber n;
    n.integer = U128::of(magnitude);
    n.negative = negative ? 1 : 0;
    return numberText(n, radix);
}

// What the exact reading does not take (characters that are no digit of
// the radix, texts longer than it reads) is read digit by digit on the unit
// rounding to nearest. `text` holds the mapped digit values.
Real80 digitByDigit(const std::string& text, std::size_t first, std::size_t pointAt,
                    std::size_t length, std::uint32_t radix, bool negative) {
    const X87 unit;
    const Real80 radixReal = x87::loadInteger(radix);

    Real80 integerPart = x87::loadZero();
    for (std::size_t i = first; i < pointAt; ++i) {
        integerPart = x87::multiply(unit, integerPart, radixReal);
        integerPart = x87::add(unit, integerPart, digitReal(text[i]));
    }

    // The fraction is read from its last digit back (Horner's rule on
    // 1/radix), so every digit is divided in as often as its place needs.
    Real80 fractionPart = x87::loadZero();
    if (pointAt < length) {
        for (std::size_t i = length; i > pointAt + 1; --i) {
            fractionPart = x87::add(unit, fractionPart, digitReal(text[i - 1]));
            fractionPart = x87::divide(unit, fractionPart, radixReal);
        }
    }

    const Real80 value = x87::add(unit, integerPart, fractionPart);
    return negative ? x87::changeSign(value) : value;
}

}  // namespace

Real80 parseReal(std::string_view text, std::uint32_t radix) {
    // The entry is a zero-terminated text; anything after a terminator is not
    // part of it.
    std::string mapped(text.substr(0, std::min(text.size(), text.find('\0'))));
    const std::size_t length = mapped.size();
    if (length == 0) {
        return Real80{};
    }
    // Map in place, remembering the first point: a mapped digit value may
    // equal the point's code, so the point is found before it could be
    // confused with one.
    bool negative = false;
    std::size_t pointAt = length;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = mapped[i];
        if (c == kPointChar) {
            if (pointAt == length) {
                pointAt = i;
            }
        } else if (c == kMinusChar) {
            negative = true;
        } else {
            mapped[i] = static_cast<char>(mapCharacter(c));
        }
    }
    // The sign stands first; it is skipped, not read.
    const std::size_t first = negative ? 1 : 0;
    std::string digits = mapped.substr(first, pointAt - first);
    const std::size_t fractionDigits = pointAt < length ? length - pointAt - 1 : 0;
    if (fractionDigits > 0) {
        digits += mapped.substr(pointAt + 1, fractionDigits);
    }
    const std::optional<Real80> nearest =
        nearestReal(digits, static_cast<std::uint32_t>(fractionDigits), radix, negative);
    return nearest ? *nearest : digitByDigit(mapped, first, pointAt, length, radix, negative);
}

std::optional<RealTexts> formatReal(const Real80& value, std::uint32_t radix, Trimming trimming) {
    // Truncation makes the integer conversion and every digit below exact.
    X87 unit;
    x87::loadControlWord(unit, kTruncateControlWord);

    Real80 x = value;
    const bool negative = x.signBit();
    if (negative) {
        x = x87::changeSign(x);
    }
    const std::int64_t integerPart = x87::storeInteger64(unit, x);
    const auto magnitude = static_cast<std::uint64_t>(integerPart);
    RealTexts out{integerText(magnitude, negative, radix), {}};

    const Real80 fraction = x87::subtract(unit, x, x87::loadInteger(integerPart));
    // A fraction below the smallest single denormal counts as none.
    if ((x87::storeSingle(unit, fraction) & ~kSingleSignBit) == 0) {
        return out;
    }
    // The range is the size of the integer part, not its length: below 2^63
    // it is written in every radix, with the fraction the significand leaves.
    if (integerPart == kIntegerIndefinite) {
        return std::nullopt;
    }
    // Only as many digits as the significand fills, the last rounded:
    // whatever lies below them is binary noise.
    const std::uint32_t limit = significantDigitLimit(radix);
    const auto integerDigits = static_cast<std::uint32_t>(out.integer.size() - (negative ? 1 : 0));
    const std::uint32_t kept =
        magnitude != 0 ? std::min(kFractionDigits, limit - std::min(limit, integerDigits))
                       : std::min(kFractionDigits,
                                  leadingZeroDigits(fraction, radix, kFractionDigits) + limit);
    bool carry = false;
    const std::string digits = roundedFractionDigits(fraction, radix, kept, carry);
    std::string whole = carry ? integerText(magnitude + 1, negative, radix) : out.integer;
    const std::size_t pointAt = whole.size();
    if (kept > 0) {
        whole += kPointChar;
        whole += digits;
    }
    if (trimming == Trimming::Trim) {
        trimFraction(radix, whole, pointAt);
    }
    // The nines rule may carry into the integer part, so split anew.
    const std::size_t point = std::min(whole.find(kPointChar), whole.size());
    return RealTexts{whole.substr(0, point), whole.substr(point)};
}

}  // namespace korvo
