// Multiplication and division of numbers with fractions: both operands lose
// their points (the scales are remembered), the integers are multiplied or
// divided, and the point is put back into the result text, which is then
// parsed and formatted again.
#include "intmath/muldiv.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "floatmath/trimming.h"
#include "intmath/limbgroups.h"
#include "intmath/limbs.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace korvo {

namespace {

constexpr std::uint32_t kDivide = 4;
constexpr std::uint32_t kParseLimit = 19;

// limbResult's integer part x radix^count, the full 128 bits.
void scaleByRadix(CalculatorState& s, std::uint32_t count) {
    const Limbs4 factor = powerOfRadix(s, s.radix, count);
    const Limbs4 scaled = multiplyGroups(s, integerOf(s.limbResult), factor);
    std::copy(scaled.begin(), scaled.end(), s.limbResult.limbs.begin());
}

// Copies formatText into entryText with the point `shift` digits further
// left: for a product from after its last digit, for a quotient from where
// its own point stands. The sign is not counted. Missing digits before the
// point become zeros after it.
void placePoint(CalculatorState& s, bool division, std::uint32_t shift) {
    const std::string& formatted = s.formatText;
    const std::size_t signLength = !formatted.empty() && formatted.front() == '-' ? 1 : 0;
    std::string digits = formatted.substr(signLength);
    const std::size_t oldPoint = digits.find('.');
    if (oldPoint != std::string::npos) {
        digits.erase(oldPoint, 1);
    }
    const std::size_t before = division && oldPoint != std::string::npos ? oldPoint : digits.size();

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

}  // namespace

void scaledMultiplyDivide(CalculatorState& s) {
    const bool division = s.pendingOp == kDivide;
    s.pointIndex = 0;
    s.droppedChars = 0;
    s.firstScale = s.firstOperand.fracDigits;
    s.secondScale = s.limbResult.fracDigits;
    const bool negative = s.firstOperand.negative != s.limbResult.negative;
    // A fraction of zeros formats to no fraction text: a plain integer.
    if (s.fracText.empty()) {
        s.secondScale = 0;
    }
    if (s.firstFracText.empty()) {
        s.firstScale = 0;
    }
    s.parseLimitMode = kParseLimit;

    s.workText = s.firstIntText + s.firstFracText;
    parseNumber(s);
    if (s.firstScale >= s.droppedChars) {
        s.firstScale -= s.droppedChars;
    } else {
        // The cut took integer digits too: they come back as zeros, so the
        // product keeps its magnitude.
        scaleByRadix(s, s.droppedChars - s.firstScale);
        s.firstScale = 0;
    }
    if (division) {
        // After this the first scale is how far the quotient's point moves.
        if (s.firstScale >= s.secondScale) {
            s.firstScale -= s.secondScale;
        } else {
            scaleByRadix(s, s.secondScale - s.firstScale);
            s.firstScale = 0;
        }
    }
    s.droppedChars = 0;
    s.firstOperand = s.limbResult;

    s.workText = s.intText + s.fracText;
    parseNumber(s);
    if (s.secondScale >= s.droppedChars) {
        s.secondScale -= s.droppedChars;
    }
    alignOperands(s);
    if (division) {
        s.quotientOnly = 0;
        limbDivide(s);
        std::copy(s.quotientLimbs.begin(), s.quotientLimbs.end(), s.limbResult.limbs.begin());
    } else {
        limbMultiply(s);
        std::copy(s.productLimbs.begin(), s.productLimbs.end(), s.limbResult.limbs.begin());
    }
    s.limbResult.negative = negative ? 1 : 0;
    formatNumber(s);
    placePoint(s, division, division ? s.firstScale : s.firstScale + s.secondScale);

    // The parse puts a "0" before a leading point and rounds a fraction of
    // more than 19 digits.
    s.parseLimitMode = 0;
    s.workText = s.entryText;
    parseNumber(s);
    formatNumber(s);
    trimFraction(s, s.entryText, std::min(s.entryText.find('.'), s.entryText.size()));
}

}  // namespace korvo
