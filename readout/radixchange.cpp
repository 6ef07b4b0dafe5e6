// The current number rewritten in another base. Integer mode formats
// limbResult again and reads the new text back. Floating-point mode converts the texts of the last
// formatted real piece by piece, the way the integer engine holds a
// fraction: its digits are read as a whole number in the old base and
// written as a whole number in the new one, the zeros right after the point
// copied unchanged. The real itself is not touched.
#include "readout/radixchange.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "intmath/limbs.h"

#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

// formatNumber leaves entryText alone while this is set, so the pieces can
// be put together there.
constexpr std::uint32_t kNoEntryCopy = 8;

// Reads `piece` as written in previousRadix and formats it into formatText.
void convertPiece(CalculatorState& s, const std::string& piece) {
    s.workText = piece;
    const std::uint32_t radix = s.radix;
    s.radix = s.previousRadix;
    parseNumber(s);
    s.radix = radix;
    formatNumber(s);
}

// The digits of a real's fraction text, after its point.
std::string fractionDigits(const std::string& fraction) {
    const std::size_t point = fraction.find(text::kPoint);
    return point == std::string::npos ? fraction : fraction.substr(point + 1);
}

// The zeros right after the point carry no value, so the conversion would
// lose them; they are counted and written back as they stood.
std::size_t leadingZeros(const std::string& digits) {
    const std::size_t firstNonZero = digits.find_first_not_of(text::kZero);
    return firstNonZero == std::string::npos ? digits.size() : firstNonZero;
}

// A whole number of 2^63 or more, typed, pasted or recalled, has no real
// texts (the real cannot be written), but its limbs hold its digits.
bool wholeNumberPastTheReals(const CalculatorState& s) {
    const LimbNumber& n = s.limbResult;
    const bool whole =
        std::all_of(n.limbs.begin() + 4, n.limbs.end(), [](std::uint32_t w) { return w == 0; });
    return s.realIntText.empty() && s.realFracText.empty() && whole && !limbsAreZero(n);
}

void convertRealTexts(CalculatorState& s) {
    const bool painting = s.readoutPainting == 1;
    s.formatNoEntryCopy = kNoEntryCopy;
    if (wholeNumberPastTheReals(s)) {
        formatNumber(s);
        s.entryText = s.formatText;
        return;
    }

    // The sign travels with the integer part; an empty text reads as 0.
    convertPiece(s, s.realIntText);
    s.entryText = s.formatText;
    if (!painting) {
        s.realIntText = s.formatText;
    }
    if (s.realFracText.empty()) {
        return;
    }

    const std::string digits = fractionDigits(s.realFracText);
    convertPiece(s, digits);
    std::string fraction(text::kPoint);
    fraction.append(leadingZeros(digits), text::kZero.front());
    fraction += s.formatText;
    s.entryText += fraction;
    if (!painting) {
        s.realFracText = fraction;
    }
}

}  // namespace

void changeRadix(CalculatorState& s) {
    if (s.floatMode == 0) {
        formatNumber(s);
        // The number is now what its new text says: the fraction keeps its
        // digit integer, but its scale is the count of digits the new base
        // writes, so the next operation lines the digits up as shown.
        s.formatRadix = 0;
        s.workText = s.entryText;
        parseNumber(s);
        formatNumber(s);
    } else {
        convertRealTexts(s);
    }
    s.formatRadix = 0;
    s.formatNoEntryCopy = 0;
}

}  // namespace korvo
