// Signed addition and subtraction. The integer part and the fraction are two
// separate 128-bit integers, so the carry and the borrow of one between them
// are made on the texts: the result is formatted, its fraction digits are
// looked at and adjusted, and the adjusted text is parsed again.
#include "intmath/signedarith.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "intmath/limbgroups.h"
#include "intmath/limbs.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

constexpr auto kAdd = PendingOperation::Add;
constexpr auto kSubtract = PendingOperation::Subtract;
constexpr auto kDivide = PendingOperation::Divide;
constexpr int kFirstSmaller = 2;

// The fraction values of both operands read at the larger of their scales:
// the shorter one gains radix^difference. Uses limbA and limbB as scratch.
void fractionsAtCommonScale(CalculatorState& s, Limbs4& first, Limbs4& second) {
    const std::uint32_t firstDigits = s.firstOperand.fracDigits;
    const std::uint32_t secondDigits = s.limbResult.fracDigits;
    first = fractionOf(s.firstOperand);
    second = fractionOf(s.limbResult);
    if (firstDigits < secondDigits) {
        first = multiplyGroups(s, first, powerOfRadix(s, s.parseRadix, secondDigits - firstDigits));
    } else if (secondDigits < firstDigits) {
        second =
            multiplyGroups(s, second, powerOfRadix(s, s.parseRadix, firstDigits - secondDigits));
    }
}

int compareMagnitudes(CalculatorState& s) {
    const Limbs4 firstInteger = integerOf(s.firstOperand);
    const Limbs4 secondInteger = integerOf(s.limbResult);
    const int integers = compareWords(firstInteger, secondInteger);
    if (integers != 0) {
        return integers;
    }
    Limbs4 first{};
    Limbs4 second{};
    fractionsAtCommonScale(s, first, second);
    return compareWords(first, second);
}

// Puts the larger magnitude into firstOperand. The texts follow the numbers,
// so the caller's fraction width is that of the new first operand.
void orderByMagnitude(CalculatorState& s) {
    s.resultSign = 1;
    s.firstSign = s.firstOperand.negative;
    if (compareMagnitudes(s) != kFirstSmaller) {
        return;
    }
    s.spareNumber = s.limbResult;
    s.limbResult = s.firstOperand;
    s.firstOperand = s.spareNumber;
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    formatNumber(s);
    s.fracWidth = static_cast<std::uint32_t>(s.firstFracText.size());
    s.resultSign = 0;
    s.firstSign = s.limbResult.negative;
}

// Brings the operand with fewer fraction digits to the other's scale. Its
// fracDigits stays: the texts still describe it as entered.
void alignScales(CalculatorState& s) {
    LimbNumber& first = s.firstOperand;
    LimbNumber& second = s.limbResult;
    if (first.fracDigits == 0 && second.fracDigits == 0) {
        return;
    }
    zeroWords(s.limbA);
    zeroWords(s.limbB);
    s.limbA[3] = 1;
    s.limbB[3] = s.parseRadix;
    if (first.fracDigits == second.fracDigits) {
        return;
    }
    Limbs4 firstFraction{};
    Limbs4 secondFraction{};
    fractionsAtCommonScale(s, firstFraction, secondFraction);
    std::copy(firstFraction.begin(), firstFraction.end(), first.limbs.begin() + 4);
    std::copy(secondFraction.begin(), secondFraction.end(), second.limbs.begin() + 4);
}

bool fractionIsZero(const LimbNumber& n) {
    return std::all_of(n.limbs.begin() + 4, n.limbs.end(), [](std::uint32_t w) { return w == 0; });
}

// The leading zeros a sum or difference starts from: an operand whose
// fraction is zero has none to give.
std::uint32_t commonFracZeros(const LimbNumber& first, const LimbNumber& second) {
    const bool firstZero = fractionIsZero(first);
    const bool secondZero = fractionIsZero(second);
    if (firstZero && !secondZero) {
        return second.fracZeros;
    }
    if (secondZero && !firstZero) {
        return first.fracZeros;
    }
    return std::min(first.fracZeros, second.fracZeros);
}

void loadWorkSlots(CalculatorState& s) {
    s.limbA = s.firstOperand.limbs;
    s.limbB = s.limbResult.limbs;
}

// Fraction digit texts compared as fractions: the shorter reads as if padded
// with zeros, so "5" and "50" are equal and "" is zero.
bool fractionTextLess(std::string_view first, std::string_view second) {
    const std::size_t length = std::max(first.size(), second.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char a = i < first.size() ? first[i] : '0';
        const char b = i < second.size() ? second[i] : '0';
        if (a != b) {
            return a < b;
        }
    }
    return false;
}

// The sum's fraction text has one character more than the width: either the
// carry "1" or a surplus leading "0" (0.05 + 0.05 makes 0.010 from a
// starting zero count that the sum no longer has).
void carryIntoInteger(CalculatorState& s) {
    const std::size_t keep = std::min(s.intText.size() + 1, s.formatText.size());
    const char removed = s.fracText.empty() ? '0' : s.fracText.front();
    s.workText = s.formatText.substr(0, keep);
    if (!s.fracText.empty()) {
        s.workText += s.fracText.substr(1);
    }
    parseNumber(s);
    if (removed != '0') {
        incrementGroup(integerLimbs(s.limbResult));
    }
    formatNumber(s);
}

// The first fraction is the smaller: one is taken from the first integer part
// and put in front of its fraction as a digit "1", and a "0" goes in front of
// the second fraction, so both stay at a common scale.
void borrowFromInteger(CalculatorState& s) {
    s.workText = s.firstIntText;
    s.workText += text::kPoint;
    s.workText += text::kOne;
    s.workText += s.firstFracText;
    parseNumber(s);
    decrementGroup(integerLimbs(s.limbResult));
    s.workText = s.intText;
    s.workText += text::kPoint;
    s.workText += text::kZero;
    s.workText += s.fracText;
    s.firstOperand = s.limbResult;
    parseNumber(s);
    const std::uint32_t savedSign = s.resultSign;
    alignOperands(s);
    s.resultSign = savedSign;
}

// A difference has at least as many leading fraction zeros as its operands'
// common count; the formatter does not know them, so they are put back here.
void padFraction(CalculatorState& s) {
    if (s.formattedPointPos == 0 || s.fracWidth <= s.fracText.size()) {
        return;
    }
    const std::string zeros(s.fracWidth - s.fracText.size(), '0');
    s.entryText = s.intText;
    s.entryText += text::kPoint;
    s.entryText += zeros;
    s.entryText += s.fracText;
    s.fracText = zeros + s.fracText;
}

}  // namespace

void alignOperands(CalculatorState& s) {
    if (s.pendingOp == kAdd || s.pendingOp == kSubtract) {
        orderByMagnitude(s);
    }
    alignScales(s);
    if (s.pendingOp != kDivide) {
        s.limbResult.fracZeros = commonFracZeros(s.firstOperand, s.limbResult);
    }
    loadWorkSlots(s);
}

void signedAdd(CalculatorState& s) {
    if (s.signSwitched == 0 && s.firstOperand.negative != s.limbResult.negative) {
        // Opposite signs: the difference of the magnitudes, with the sign of
        // the larger one.
        s.resultSign = s.firstOperand.negative;
        s.pendingOp = kSubtract;
        s.signSwitched = 1;
        signedSubtract(s);
        return;
    }
    s.integerLimbsOnly = 0;
    limbAdd(s);
    formatNumber(s);
    // 10.00 has no fraction text but a scale of 2: the width follows the scale.
    s.fracWidth = std::max({s.fracWidth, s.firstOperand.fracDigits, s.limbResult.fracDigits});
    if (s.fracText.size() > s.fracWidth && s.formattedPointPos != 0) {
        fractionFixup(s);
    }
    s.signSwitched = 0;
}

void signedSubtract(CalculatorState& s) {
    if (s.signSwitched == 0) {
        if (s.firstOperand.negative != s.limbResult.negative) {
            // Opposite signs: the magnitudes add, with the sign of the left
            // operand as the user entered it.
            s.limbResult.negative = s.firstSign;
            s.pendingOp = kAdd;
            s.signSwitched = 1;
            signedAdd(s);
            return;
        }
        // Larger minus smaller; the sign says which way round it was.
        const bool exchanged = s.resultSign == 0;
        if (s.firstOperand.negative == 0) {
            s.resultSign = exchanged ? 1 : 0;
        } else {
            const bool differ = compareWords(s.firstOperand.limbs, s.limbResult.limbs) != 0;
            s.resultSign = (!exchanged && differ) ? 1 : 0;
        }
    }
    s.fracWidth = std::max(s.fracWidth, s.limbResult.fracDigits);
    if (fractionTextLess(s.firstFracText, s.fracText)) {
        fractionFixup(s);
    }
    s.limbResult.negative = s.resultSign;
    s.integerLimbsOnly = 0;
    limbSubtract(s);
    formatNumber(s);
    padFraction(s);
    s.pendingOp = PendingOperation::None;
    s.signSwitched = 0;
}

void fractionFixup(CalculatorState& s) {
    if (s.pendingOp == kSubtract) {
        borrowFromInteger(s);
    } else {
        carryIntoInteger(s);
    }
}

}  // namespace korvo
