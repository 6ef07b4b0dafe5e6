#include "calc/heldnumbers.h"

#include <optional>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"

namespace korvo {

namespace {

// The held number of either mode, written in `fromRadix`: its limbs in
// integer mode, its real's digits in floating-point mode, where a real with
// no text there (out of range) stays as it is: a whole number keeps its
// value in every base anyway. The limb formatter writes the digits anew in
// the radix in force and the new text is read back on both sides. False when
// the number stays as it is.
bool rewriteHeld(const CalculatorState& s, std::uint32_t fromRadix, LimbNumber& number,
                 Real80& real) {
    std::optional<LimbNumber> digits = number;
    if (s.floatMode == 1) {
        const std::optional<RealTexts> shown = formatReal(real, fromRadix);
        digits = shown ? std::optional(parseNumber(shown->whole(), fromRadix)) : std::nullopt;
    }
    if (!digits) {
        return false;
    }
    const std::string text = numberText(*digits, s.radix);
    number = parseNumber(text, s.radix);
    real = parseReal(text, s.radix);
    return true;
}

}  // namespace

void rewriteHeldNumbers(CalculatorState& s, std::uint32_t fromRadix) {
    if (s.memoryHeld == 1) {
        rewriteHeld(s, fromRadix, s.memoryNumber, s.memoryReal);
    }
    if (s.firstOperandSet == 1) {
        rewriteHeld(s, fromRadix, s.firstOperand, s.firstReal);
    }
}

}  // namespace korvo
