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
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

// FISTP's answer for a value that does not fit: the conversion of any
// non-negative real gives it only for 2^63 and above, infinities and NaN.
constexpr std::int64_t kIntegerIndefinite = std::numeric_limits<std::int64_t>::min();
constexpr std::uint32_t kSingleSignBit = 0x80000000U;

constexpr char kPointChar = '.';
constexpr char kMinusChar = '-';

// Replaces an entry character by its digit value, as the classification of
// the limb parser does: lower-case letters, upper-case letters, the rest.
// Arithmetic is on bytes, so unexpected characters wrap instead of failing.
unsigned char mapCharacter(unsigned char code) {
    if (code > 0x60) {
        return static_cast<unsigned char>(code - 0x57U);
    }
    if (code >= 0x41) {
        return static_cast<unsigned char>(code - 0x37U);
    }
    return static_cast<unsigned char>(code - 0x30U);
}

Real80 digitReal(char mapped) {
    return x87::loadInteger(static_cast<unsigned char>(mapped));
}

// The integer part goes through the limb formatter, so it is written in the
// radix exactly as integer mode writes it.
void writeIntegerText(CalculatorState& s, std::uint64_t magnitude, bool negative) {
    s.limbResult = LimbNumber{};
    s.limbResult.limbs[2] = static_cast<std::uint32_t>(magnitude >> 32U);
    s.limbResult.limbs[3] = static_cast<std::uint32_t>(magnitude & 0xFFFFFFFFU);
    s.limbResult.negative = negative ? 1 : 0;
    formatNumber(s);
    s.realIntText = s.entryText;
}

// What the exact reading does not take (characters that are no digit of
// the radix, texts longer than it reads) is read digit by digit on the unit.
Real80 digitByDigit(CalculatorState& s, const std::string& text, std::size_t first,
                    std::size_t pointAt, std::size_t length) {
    const X87& unit = s.fpu;
    const Real80 radixReal = x87::loadInteger(s.radix);

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

    Real80 value = x87::add(unit, integerPart, fractionPart);
    if (s.realTextNegative == 1) {
        value = x87::changeSign(value);
    }
    return value;
}

}  // namespace

void parseReal(CalculatorState& s) {
    s.realTextNegative = 0;
    std::string& text = s.workText;
    // The entry is a zero-terminated text; anything after a terminator is not
    // part of it.
    const std::size_t length = std::min(text.size(), text.find('\0'));
    if (length == 0) {
        return;
    }

    // Map in place, remembering the first point: a mapped digit value may
    // equal the point's code, so the point is found before it could be
    // confused with one.
    std::size_t pointAt = length;
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == kPointChar) {
            if (pointAt == length) {
                pointAt = i;
            }
        } else if (c == kMinusChar) {
            s.realTextNegative = 1;
        } else {
            text[i] = static_cast<char>(mapCharacter(static_cast<unsigned char>(c)));
        }
    }
    // The sign stands first; it is skipped, not read.
    const std::size_t first = s.realTextNegative == 1 ? 1 : 0;

    x87::finit(s.fpu);
    std::string digits = text.substr(first, pointAt - first);
    const std::size_t fractionDigits = pointAt < length ? length - pointAt - 1 : 0;
    if (fractionDigits > 0) {
        digits += text.substr(pointAt + 1, fractionDigits);
    }
    const std::optional<Real80> nearest = nearestReal(
        digits, static_cast<std::uint32_t>(fractionDigits), s.radix, s.realTextNegative == 1);
    s.realValue = nearest ? *nearest : digitByDigit(s, text, first, pointAt, length);
}

bool formatReal(CalculatorState& s, const Real80& value, RealText purpose) {
    // limbResult is the formatter's work area; the caller's number survives
    // in spareNumber.
    s.spareNumber = s.limbResult;
    s.realIntText.clear();
    s.realFracText.clear();

    // Truncation makes the integer conversion and every digit below exact.
    x87::loadControlWord(s.fpu, kTruncateControlWord);
    const X87& unit = s.fpu;

    Real80 x = value;  // a copy: realValue may be both input and output
    const bool negative = x.signBit();
    if (negative) {
        x = x87::changeSign(x);
    }
    const std::int64_t integerPart = x87::storeInteger64(unit, x);
    const bool indefinite = integerPart == kIntegerIndefinite;

    const auto magnitude = static_cast<std::uint64_t>(integerPart);
    writeIntegerText(s, magnitude, negative);
    s.entryText = s.realIntText;

    const Real80 fraction = x87::subtract(unit, x, x87::loadInteger(integerPart));
    // A fraction below the smallest single denormal counts as none.
    const bool fractionPresent = (x87::storeSingle(unit, fraction) & ~kSingleSignBit) != 0;

    bool outOfRange = false;
    // The range is the size of the integer part, not its length: below 2^63
    // it is written in every radix, with the fraction the significand leaves.
    if (fractionPresent && indefinite) {
        s.entryText = text::kOutOfRange;
        s.realIntText.clear();
        s.realFracText.clear();
        if (purpose == RealText::Result) {
            s.realValue = Real80{};
        }
        outOfRange = true;
    } else if (fractionPresent) {
        // Only as many digits as the significand fills, the last rounded:
        // whatever lies below them is binary noise.
        const std::uint32_t limit = significantDigitLimit(s.radix);
        const auto integerDigits =
            static_cast<std::uint32_t>(s.realIntText.size() - (negative ? 1 : 0));
        const std::uint32_t kept =
            magnitude != 0
                ? std::min(kFractionDigits, limit - std::min(limit, integerDigits))
                : std::min(kFractionDigits,
                           leadingZeroDigits(s, fraction, s.radix, kFractionDigits) + limit);
        bool carry = false;
        const std::string digits = roundedFractionDigits(s, fraction, s.radix, kept, carry);
        if (carry) {
            writeIntegerText(s, magnitude + 1, negative);
        }
        s.entryText = s.realIntText;
        if (kept > 0) {
            s.entryText += kPointChar;
            s.entryText += digits;
        }
        const std::size_t pointAt = s.realIntText.size();
        if (s.skipFractionTrim == 0) {
            trimFraction(s, s.entryText, pointAt);
        }
        // The nines rule may carry into the integer part, so split anew.
        const std::size_t point = std::min(s.entryText.find(kPointChar), s.entryText.size());
        s.realIntText = s.entryText.substr(0, point);
        s.realFracText = s.entryText.substr(point);
    }

    s.limbResult = s.spareNumber;
    s.savedFracZeros = s.limbResult.fracZeros;
    return outOfRange;
}

Real80 realOfText(std::string_view text, std::uint32_t radix) {
    CalculatorState s;
    s.radix = radix;
    s.workText = text;
    parseReal(s);
    return s.realValue;
}

std::optional<std::string> realShownText(const Real80& value, std::uint32_t radix) {
    CalculatorState s;
    s.radix = radix;
    if (formatReal(s, value, RealText::Echo)) {
        return std::nullopt;
    }
    return s.entryText;
}

}  // namespace korvo
