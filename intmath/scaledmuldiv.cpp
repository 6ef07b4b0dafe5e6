// Multiplication and division of numbers with fractions: both operands lose
// their points (the scales are remembered), the integers are multiplied or
// divided, and the point is put back. A product is exact: both operands are
// multiplied whole and rounded once, at the 20th fraction digit. A quotient
// takes its dividend whole, however many digits it has.
#include "intmath/muldiv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "floatmath/trimming.h"
#include "intmath/digits.h"
#include "intmath/limbgroups.h"
#include "intmath/limbs.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"
#include "intmath/wideint.h"

namespace korvo {

namespace {

constexpr std::uint32_t kDivide = 4;
constexpr std::uint32_t kFractionDigits = 19;

// Copies the quotient in formatText into entryText with its point `shift`
// digits further left (from after the last digit when it has none). The sign is not counted.
// Missing digits before the point become zeros after it.
void placePoint(CalculatorState& s, std::uint32_t shift) {
    const std::string& formatted = s.formatText;
    const std::size_t signLength = !formatted.empty() && formatted.front() == '-' ? 1 : 0;
    std::string digits = formatted.substr(signLength);
    const std::size_t oldPoint = digits.find('.');
    if (oldPoint != std::string::npos) {
        digits.erase(oldPoint, 1);
    }
    const std::size_t before = oldPoint != std::string::npos ? oldPoint : digits.size();

    std::string placed = formatted.substr(0, signLength);
    if (before < shift) {
        s.pointIndex = static_cast<std::uint32_t>(placed.size());
        placed += '.';
        placed.append(shift - before, '0');
        placed += digits;
    } else {
        placed += digits.substr(0, before - shift);
        s.pointIndex = static_cast<std::uint32_t>(placed.size());
        placed += '.';
        placed += digits.substr(before - shift);
    }
    s.entryText = placed;
}

// Cuts a fraction of more than 19 digits to 19, the 19th rounded half up by
// the 20th; the carry runs through the digits into the integer part.
void roundFractionText(std::string& text, std::uint32_t radix) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos || text.size() - point - 1 <= kFractionDigits) {
        return;
    }
    const std::size_t keep = point + 1 + kFractionDigits;
    const bool up = digitValue(text[keep]) >= radix / 2;
    text.resize(keep);
    if (!up) {
        return;
    }
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    for (std::size_t i = keep; i-- > first;) {
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
    text.insert(first, 1, '1');
}

// firstOperand x limbResult from their texts, all digits of both: the low
// 128 bits of the integer part and at most 19 fraction digits, the last
// rounded half up by the rest. The product's own digits (trailing zeros
// included) stay in limbResult; only the entry loses trailing zeros.
void exactProduct(CalculatorState& s) {
    const std::uint32_t radix = s.radix;
    s.firstScale = static_cast<std::uint32_t>(s.firstFracText.size());
    s.secondScale = static_cast<std::uint32_t>(s.fracText.size());
    WideInt product = WideInt::fromDigits(s.firstIntText + s.firstFracText, radix)
                          .times(WideInt::fromDigits(s.intText + s.fracText, radix));
    const std::uint32_t scale = s.firstScale + s.secondScale;
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
        const std::uint32_t d = product.divideBy(radix);
        digits[i] = digitCharacter(d);
    }

    LimbNumber& r = s.limbResult;
    const bool negative = s.firstOperand.negative != r.negative;
    r = LimbNumber{};
    const Limbs4 integer = product.low128();
    const Limbs4 fraction = WideInt::fromDigits(digits, radix).low128();
    std::copy(integer.begin(), integer.end(), r.limbs.begin());
    std::copy(fraction.begin(), fraction.end(), r.limbs.begin() + 4);
    r.fracDigits = kept;
    r.fracZeros =
        static_cast<std::uint32_t>(std::min(digits.find_first_not_of('0'), digits.size()));
    r.negative = negative ? 1 : 0;
    s.parseRadix = radix;
    formatNumber(s);
    r.intDigits = static_cast<std::uint32_t>(s.intText.size()) - r.negative;
    const std::size_t point = std::min(s.entryText.find('.'), s.entryText.size());
    s.pointIndex = static_cast<std::uint32_t>(point);
    trimExactFraction(s.entryText, point);
}

// The quotient of two digit integers as text: the integer digits, a point and
// up to 19 fraction digits, the last raised by one (carried through the
// digits) when the expansion was cut with something left over. The dividend
// may be far wider than 128 bits; the divisor fits one limb.
std::string quotientText(WideInt dividend, std::uint32_t divisor, std::uint32_t radix) {
    std::uint64_t remainder = dividend.divideBy(divisor);
    std::string text;
    do {
        text.insert(text.begin(), digitCharacter(dividend.divideBy(radix)));
    } while (!dividend.isZero());
    if (remainder == 0) {
        return text;
    }
    text += '.';
    for (std::uint32_t count = 0; remainder != 0 && count < kFractionDigits; ++count) {
        const std::uint64_t scaled = remainder * radix;
        text += digitCharacter(static_cast<std::uint32_t>(scaled / divisor));
        remainder = scaled % divisor;
    }
    if (remainder == 0) {
        return text;
    }
    for (std::size_t i = text.size(); i-- > 0;) {
        if (text[i] == '.') {
            continue;
        }
        const std::uint32_t d = digitValue(text[i]) + 1;
        if (d < radix) {
            text[i] = digitCharacter(d);
            return text;
        }
        text[i] = '0';
    }
    return "1" + text;
}

}  // namespace

void scaledMultiplyDivide(CalculatorState& s) {
    if (s.pendingOp != kDivide) {
        exactProduct(s);
        return;
    }
    s.pointIndex = 0;
    s.droppedChars = 0;
    // A fraction of zeros formats to no fraction text: a plain integer.
    s.firstScale = s.firstFracText.empty() ? 0 : s.firstOperand.fracDigits;
    s.secondScale = s.fracText.empty() ? 0 : s.limbResult.fracDigits;
    const bool negative = s.firstOperand.negative != s.limbResult.negative;

    // Both operands without their points; the dividend is taken whole, so a
    // long fraction never pushes it past 128 bits. After this the first scale
    // is how far the quotient's point moves.
    WideInt dividend = WideInt::fromDigits(s.firstIntText + s.firstFracText, s.radix);
    if (s.firstScale >= s.secondScale) {
        s.firstScale -= s.secondScale;
    } else {
        dividend = dividend.times(
            WideInt::fromDigits("1" + std::string(s.secondScale - s.firstScale, '0'), s.radix));
        s.firstScale = 0;
    }
    const std::uint32_t divisor =
        WideInt::fromDigits(s.intText + s.fracText, s.radix).low128().back();
    s.formatText = (negative ? "-" : "") + quotientText(dividend, divisor, s.radix);
    placePoint(s, s.firstScale);

    // Moving the point can leave more than 19 fraction digits.
    roundFractionText(s.entryText, s.radix);
    s.workText = s.entryText;
    parseNumber(s);
    formatNumber(s);
    trimExactFraction(s.entryText, std::min(s.entryText.find('.'), s.entryText.size()));
}

}  // namespace korvo
