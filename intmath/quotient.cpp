// Long division on wide integers: the dividend and the divisor may each be
// far wider than 128 bits, so no division has to leave the exact digits.
#include "intmath/quotient.h"

#include <cstddef>

#include "intmath/digits.h"
#include "intmath/wideint.h"

namespace korvo {

namespace {

constexpr std::uint32_t kLimbGroupBits = 128;

// Adds one to the last digit of `text`, carried through the digits (a point
// is passed over); a carry out of the first digit puts a "1" before them.
void raiseLastDigit(std::string& text, std::uint32_t radix) {
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.') {
            continue;
        }
        const std::uint32_t d = digitValue(text[i]) + 1;
        if (d < radix) {
            text[i] = digitCharacter(d);
            return;
        }
        text[i] = '0';
    }
    text.insert(0, 1, '1');
}

// dividend / divisor as digits, and up to 19 fraction digits, the last
// raised when the expansion was cut with something left over.
std::string quotientText(const WideInt& dividend, const WideInt& divisor, std::uint32_t radix) {
    WideInt remainder;
    WideInt whole = dividend.dividedBy(divisor, remainder);
    std::string text;
    do {
        text.insert(text.begin(), digitCharacter(whole.divideBy(radix)));
    } while (!whole.isZero());
    if (remainder.isZero()) {
        return text;
    }
    text += '.';
    for (std::uint32_t count = 0; !remainder.isZero() && count < kFractionDigits; ++count) {
        remainder.multiplyBy(radix);
        std::uint32_t digit = 0;
        while (remainder >= divisor) {
            remainder.subtract(divisor);
            ++digit;
        }
        text += digitCharacter(digit);
    }
    if (!remainder.isZero()) {
        raiseLastDigit(text, radix);
    }
    return text;
}

// The point of `digits` moved `shift` places further left (from after the
// last digit when there is none); missing digits before it become zeros.
std::string movePointLeft(std::string digits, std::uint32_t shift) {
    const std::size_t oldPoint = digits.find('.');
    if (oldPoint != std::string::npos) {
        digits.erase(oldPoint, 1);
    }
    const std::size_t before = oldPoint != std::string::npos ? oldPoint : digits.size();
    if (before < shift) {
        return "0." + std::string(shift - before, '0') + digits;
    }
    if (shift == 0 && oldPoint == std::string::npos) {
        return digits;
    }
    return digits.substr(0, before - shift) + "." + digits.substr(before - shift);
}

// Cuts a fraction of more than 19 digits to 19, the 19th rounded half up by
// the 20th; the carry runs through the digits into the integer part.
void roundFraction(std::string& text, std::uint32_t radix) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 <= kFractionDigits) {
        return;
    }
    const std::size_t keep = point + 1 + kFractionDigits;
    const bool up = digitValue(text[keep]) >= radix / 2;
    text.resize(keep);
    if (up) {
        raiseLastDigit(text, radix);
    }
}

}  // namespace

ExactQuotient exactQuotient(ScaledDigits dividend, ScaledDigits divisor, std::uint32_t radix,
                            bool negative) {
    WideInt top = WideInt::fromDigits(dividend.digits, radix);
    std::uint32_t shift = 0;
    if (dividend.scale >= divisor.scale) {
        shift = dividend.scale - divisor.scale;
    } else {
        top = top.times(
            WideInt::fromDigits("1" + std::string(divisor.scale - dividend.scale, '0'), radix));
    }
    std::string text =
        movePointLeft(quotientText(top, WideInt::fromDigits(divisor.digits, radix), radix), shift);
    roundFraction(text, radix);
    ExactQuotient out;
    const std::string_view integer = std::string_view(text).substr(0, text.find('.'));
    out.integerFits128 = WideInt::fromDigits(integer, radix).bitLength() <= kLimbGroupBits;
    out.text = (negative ? "-" : "") + text;
    return out;
}

}  // namespace korvo
