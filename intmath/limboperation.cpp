// Integer mode's four operations. Sums and differences line both fractions
// up at the longer scale and carry or borrow one between fraction and
// integer part; products and quotients work on all the digits of both
// operands at once (wide integers), so nothing is lost before the result
// is rounded at the 19th fraction digit and wrapped at 128 bits.
#include "intmath/limboperation.h"

#include <algorithm>
#include <string>
#include <utility>

#include "intmath/digits.h"
#include "intmath/numbertext.h"
#include "intmath/quotient.h"
#include "intmath/wholepower.h"
#include "intmath/wideint.h"

namespace korvo {

namespace {

constexpr std::uint64_t kOneLimb = std::uint64_t{1} << 32U;

// The outcome of a result text: the number it reads as, and the text with
// the trailing zeros of its fraction dropped.
LimbOutcome shownOutcome(const LimbNumber& number, std::uint32_t radix) {
    LimbOutcome out{Outcome::Number, number, numberText(number, radix)};
    trimExactFraction(out.text, std::min(out.text.find('.'), out.text.size()));
    return out;
}

// A magnitude at a given scale: integer part and fraction digit integer.
struct Magnitude {
    U128 integer;
    U128 fraction;
    std::uint32_t fracDigits = 0;  // the number's own scale
};

Magnitude atScale(const LimbNumber& n, std::uint32_t radix, std::uint32_t scale) {
    return {n.integer, n.fraction * U128::power(radix, scale - n.fracDigits), n.fracDigits};
}

bool lessThan(const Magnitude& a, const Magnitude& b) {
    return a.integer != b.integer ? a.integer < b.integer : a.fraction < b.fraction;
}

// a + b, or a - b when `subtract`: the exact result, its fraction written
// with as many digits as the longer operand's unless it is zero. A
// difference whose larger operand has no fraction digits but zeros takes
// the smaller one's count (25.000 - 8.5 shows 16.5).
LimbOutcome signedSum(const LimbNumber& a, LimbNumber b, bool subtract, std::uint32_t radix) {
    if (subtract) {
        b.negative ^= 1U;
    }
    std::uint32_t scale = std::max(a.fracDigits, b.fracDigits);
    const U128 one = U128::power(radix, scale);
    Magnitude x = atScale(a, radix, scale);
    Magnitude y = atScale(b, radix, scale);
    LimbNumber r;
    r.negative = a.negative;
    if (a.negative == b.negative) {
        r.fraction = x.fraction + y.fraction;
        const bool carry = r.fraction >= one;
        if (carry) {
            r.fraction = r.fraction - one;
        }
        r.integer = x.integer + y.integer + U128::of(carry ? 1 : 0);
    } else {
        if (lessThan(x, y)) {
            std::swap(x, y);
            r.negative = b.negative;
        }
        const bool borrow = x.fraction < y.fraction;
        r.fraction = x.fraction + (borrow ? one : U128{}) - y.fraction;
        r.integer = x.integer - y.integer - U128::of(borrow ? 1 : 0);
        if (borrow && x.fraction.isZero()) {
            // radix^scale - y's fraction: its last digits are zeros.
            for (std::uint32_t i = y.fracDigits; i < scale; ++i) {
                r.fraction.divideBy(radix);
            }
            scale = y.fracDigits;
        }
    }
    r.fracDigits = scale;
    if (r.isZero()) {
        r.negative = 0;  // a zero result carries no sign
    }
    // The zeros that stand before the fraction's own digits at this scale.
    std::uint32_t digits = 0;
    for (U128 rest = r.fraction; !rest.isZero(); rest.divideBy(radix)) {
        ++digits;
    }
    r.fracZeros = r.fraction.isZero() ? 0 : scale - std::min(scale, digits);
    return {Outcome::Number, r, numberText(r, radix)};
}

// The digits of a number with its point taken out, and how many stood after it.
struct DigitForm {
    std::string digits;
    std::uint32_t scale = 0;
};

DigitForm digitForm(const LimbNumber& n, std::uint32_t radix) {
    const NumberTexts texts = formatNumber(n, radix);
    return {texts.integer + texts.fraction, static_cast<std::uint32_t>(texts.fraction.size())};
}

// a x b from all the digits of both: the low 128 bits of the integer part
// and at most 19 fraction digits, the last rounded half up by the next one.
// The number keeps the product's own digits, trailing zeros included.
LimbOutcome exactProduct(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix) {
    const DigitForm x = digitForm(a, radix);
    const DigitForm y = digitForm(b, radix);
    WideInt product =
        WideInt::fromDigits(x.digits, radix).times(WideInt::fromDigits(y.digits, radix));
    const std::uint32_t scale = x.scale + y.scale;
    const std::uint32_t kept = std::min(scale, kFractionDigits);
    std::uint32_t dropped = 0;
    for (std::uint32_t i = kept; i < scale; ++i) {
        dropped = product.divideBy(radix);  // the last one is the 20th digit
    }
    if (scale > kept && dropped >= radix / 2) {
        product.addOne();
    }
    std::string digits(kept, '0');
    for (std::uint32_t i = kept; i-- > 0;) {
        digits[i] = digitCharacter(product.divideBy(radix));
    }
    LimbNumber r;
    r.integer = product.low128();
    r.fraction = WideInt::fromDigits(digits, radix).low128();
    r.fracDigits = kept;
    r.fracZeros =
        static_cast<std::uint32_t>(std::min(digits.find_first_not_of('0'), digits.size()));
    r.negative = a.negative != b.negative ? 1 : 0;
    return shownOutcome(r, radix);
}

// True when `digits` read as one integer in `radix` reach 2^32.
bool digitsNeedTwoLimbs(const std::string& digits, std::uint32_t radix) {
    std::uint64_t value = 0;
    for (const char c : digits) {
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

// a / b, exact to 19 fraction digits. A zero divisor is refused, and so is
// a quotient whose integer part passes 128 bits when the divisor is wide (as
// an integer, or with fractions involved as the integer of all its digits).
LimbOutcome exactDivision(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix) {
    if (b.isZero()) {
        return {Outcome::OutOfRange, b, {}};
    }
    const DigitForm x = digitForm(a, radix);
    const DigitForm y = digitForm(b, radix);
    const bool fractions = a.fracDigits != 0 || b.fracDigits != 0;
    const bool wideDivisor =
        b.integer >= U128::of(kOneLimb) || (fractions && digitsNeedTwoLimbs(y.digits, radix));
    // A fraction of zeros writes no fraction digits: a plain integer.
    const ExactQuotient quotient =
        exactQuotient({x.digits, x.scale == 0 ? 0 : a.fracDigits},
                      {y.digits, y.scale == 0 ? 0 : b.fracDigits}, radix, a.negative != b.negative);
    if (wideDivisor && !quotient.integerFits128) {
        return {Outcome::OutOfRange, b, {}};
    }
    return shownOutcome(parseNumber(quotient.text, radix), radix);
}

}  // namespace

LimbOutcome operateOnLimbs(PendingOperation op, const LimbNumber& a, const LimbNumber& b,
                           std::uint32_t radix) {
    switch (op) {
        case PendingOperation::Add:
        case PendingOperation::Subtract:
            return signedSum(a, b, op == PendingOperation::Subtract, radix);
        case PendingOperation::Multiply:
            return exactProduct(a, b, radix);
        default:
            return exactDivision(a, b, radix);
    }
}

LimbOutcome powerOfLimbs(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix) {
    LimbNumber r;
    r.integer = powerModulo128(a.integer, b.integer);
    r.negative = a.negative == 1 && b.integer.bit(0) ? 1 : 0;
    return shownOutcome(r, radix);
}

LimbOutcome squareOfLimbs(const LimbNumber& x, std::uint32_t radix) {
    return exactProduct(x, x, radix);
}

}  // namespace korvo
