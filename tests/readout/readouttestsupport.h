// Setting up the current number the way the keypad leaves it, for the
// readout and radix change tests.
#pragma once

#include <cstdint>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "readout/radixchange.h"
#include "state/calculatorstate.h"

namespace korvo::testing_support {

// Integer mode: `text` typed in `radix` and parsed into limbResult.
inline CalculatorState integerState(std::uint32_t radix, const std::string& text) {
    CalculatorState s;
    s.radix = radix;
    s.workText = text;
    parseNumber(s);
    return s;
}

// Floating-point mode: `text` typed in `radix` and re-derived as every key
// does: the limb parse, the real parse and the real's formatting, which sets
// realIntText, realFracText and savedFracZeros.
inline CalculatorState floatState(std::uint32_t radix, const std::string& text) {
    CalculatorState s;
    s.floatMode = 1;
    s.radix = radix;
    s.workText = text;
    parseNumber(s);
    s.workText = text;
    parseReal(s);
    formatReal(s, s.realValue);
    return s;
}

// A base picked by the user: what the window command does before showing
// entryText.
inline void pickRadix(CalculatorState& s, std::uint32_t radix) {
    s.previousRadix = s.radix;
    s.radix = radix;
    s.formatRadix = radix;
    changeRadix(s);
}

}  // namespace korvo::testing_support
