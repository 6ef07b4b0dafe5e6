// Rewriting the current number in another base.
#pragma once

#include "state/calculatorstate.h"

namespace korvo {

// Writes the current number in formatRadix (from previousRadix in
// floating-point mode) into entryText; outside a paint it also rewrites the
// real texts. Showing the text in the entry field is the caller's (the
// window command), since this layer knows no window.
void changeRadix(CalculatorState& s);

}  // namespace korvo
