// The integer division's way out when the divisor needs more than one limb:
// the same quotient from the real copies of the two operands.
#include "floatmath/realdivide.h"

#include "floatmath/realtext.h"
#include "floatmath/x87.h"

namespace korvo {

void realDivide(CalculatorState& s) {
    x87::finit(s.fpu);
    s.realValue = x87::divide(s.fpu, s.firstReal, s.realValue);
    s.firstReal = s.realValue;
    // A plain quotient is shown with all its fraction digits; the 1/x key
    // wants its result trimmed as every other real result is.
    if (s.reciprocalMode == 0) {
        s.skipFractionTrim = 1;
    }
    formatReal(s, s.realValue);
    s.skipFractionTrim = 0;
}

}  // namespace korvo
