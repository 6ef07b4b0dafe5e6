// Multiplication and division of numbers with fractions: both operands lose
// their points (the scales are remembered), the integers are multiplied or
// divided, and the point is put back. A product is exact: both operands are
// multiplied whole and rounded once, at the 20th fraction digit. A quotient
// is the exact one of both operands' digits, however wide either is.
#include "intmath/muldiv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "intmath/digits.h"
#include "intmath/limbgroups.h"
#include "intmath/numbertext.h"
#include "intmath/quotient.h"
#include "intmath/wideint.h"

namespace korvo {

namespace {

constexpr auto kDivide = PendingOperation::Divide;

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
    trimExactFraction(s.entryText, std::min(s.entryText.find('.'), s.entryText.size()));
}

}  // namespace

void scaledMultiplyDivide(CalculatorState& s) {
    if (s.pendingOp != kDivide) {
        exactProduct(s);
        return;
    }
    static_cast<void>(exactDivide(s, false));
}

DivisionOutcome exactDivide(CalculatorState& s, bool wideDivisor) {
    // A fraction of zeros formats to no fraction text: a plain integer.
    const std::uint32_t firstScale = s.firstFracText.empty() ? 0 : s.firstOperand.fracDigits;
    const std::uint32_t secondScale = s.fracText.empty() ? 0 : s.limbResult.fracDigits;
    const bool negative = s.firstOperand.negative != s.limbResult.negative;
    const std::string dividend = s.firstIntText + s.firstFracText;
    const std::string divisor = s.intText + s.fracText;
    const ExactQuotient quotient =
        exactQuotient({dividend, firstScale}, {divisor, secondScale}, s.radix, negative);
    if (wideDivisor && !quotient.integerFits128) {
        return DivisionOutcome::OutOfRange;
    }
    s.workText = quotient.text;
    parseNumber(s);
    formatNumber(s);
    trimExactFraction(s.entryText, std::min(s.entryText.find('.'), s.entryText.size()));
    return DivisionOutcome::Done;
}

}  // namespace korvo
