#include "calc/heldnumbers.h"

#include <optional>
#include <string>

#include "calc/operands.h"
#include "floatmath/realtext.h"

namespace korvo {

namespace {

struct HeldNumber {
    LimbNumber number;
    Real80 real;
};

// A limb number written in `fromRadix`, rewritten in the radix in force: the
// limb formatter writes its integer and its fraction's digits anew, and the
// new text is read back on both sides.
HeldNumber rewritten(CalculatorState& s, const LimbNumber& number) {
    const std::string text = textsOf(s, number).whole;
    const LimbNumber current = s.limbResult;
    const LimbNumber read = numberOfText(s, text);
    s.limbResult = current;
    return {read, realOfText(s, text)};
}

// In floating-point mode a held number is its real: its digits are those
// the real shows in `fromRadix`. None when the real has no text there (out
// of range); a whole number keeps its value in every base anyway.
std::optional<LimbNumber> shownDigits(CalculatorState& s, const Real80& real,
                                      std::uint32_t fromRadix) {
    const std::uint32_t radix = s.radix;
    const LimbNumber current = s.limbResult;
    const std::string entry = s.entryText;
    const std::string realInt = s.realIntText;
    const std::string realFrac = s.realFracText;
    const std::uint32_t fracZeros = s.savedFracZeros;
    const X87 unit = s.fpu;
    s.radix = fromRadix;
    std::optional<LimbNumber> digits;
    if (!formatReal(s, real, RealText::Echo)) {
        digits = numberOfText(s, std::string(s.entryText));
    }
    s.radix = radix;
    s.limbResult = current;
    s.entryText = entry;
    s.realIntText = realInt;
    s.realFracText = realFrac;
    s.savedFracZeros = fracZeros;
    s.fpu = unit;
    return digits;
}

// The held number of either mode: limbs in integer mode, the real's digits
// in floating-point mode. False when it stays as it is.
bool rewriteHeld(CalculatorState& s, std::uint32_t fromRadix, LimbNumber& number, Real80& real) {
    std::optional<LimbNumber> digits = number;
    if (s.floatMode == 1) {
        digits = shownDigits(s, real, fromRadix);
    }
    if (!digits) {
        return false;
    }
    const HeldNumber held = rewritten(s, *digits);
    number = held.number;
    real = held.real;
    return true;
}

}  // namespace

void rewriteHeldNumbers(CalculatorState& s, std::uint32_t fromRadix) {
    if (s.memoryHeld == 1) {
        rewriteHeld(s, fromRadix, s.memoryNumber, s.memoryReal);
    }
    if (s.firstOperandSet == 1) {
        LimbNumber first = s.firstOperand;
        if (rewriteHeld(s, fromRadix, first, s.firstReal)) {
            setFirstOperand(s, first);
        }
    }
}

}  // namespace korvo
