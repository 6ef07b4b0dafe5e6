#include "calc/numberstate.h"

#include <optional>

#include "floatmath/x87.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo {

void readLimbs(CalculatorState& s, std::string_view text) {
    s.limbResult = parseNumber(text, s.radix);
}

void writeLimbs(CalculatorState& s) {
    s.entryText = numberText(s.limbResult, s.radix);
}

void readReal(CalculatorState& s, std::string_view text) {
    // The entry is a zero-terminated text: a terminator ends it.
    if (text.empty() || text.front() == '\0') {
        return;
    }
    x87::finit(s.fpu);
    s.realValue = parseReal(text, s.radix);
}

Outcome writeReal(CalculatorState& s, const Real80& value, RealText purpose, Trimming trimming) {
    x87::loadControlWord(s.fpu, kTruncateControlWord);
    s.savedFracZeros = s.limbResult.fracZeros;
    const std::optional<RealTexts> texts = formatReal(value, s.radix, trimming);
    if (!texts) {
        s.entryText = text::kOutOfRange;
        s.realIntText.clear();
        s.realFracText.clear();
        if (purpose == RealText::Result) {
            s.realValue = Real80{};
        }
        return Outcome::OutOfRange;
    }
    s.realIntText = texts->integer;
    s.realFracText = texts->fraction;
    s.entryText = texts->whole();
    return Outcome::Number;
}

CurrentNumber currentNumberOf(const CalculatorState& s) {
    return {
        s.floatMode == 1, s.radix, s.limbResult, {s.realIntText, s.realFracText}, s.savedFracZeros};
}

}  // namespace korvo
