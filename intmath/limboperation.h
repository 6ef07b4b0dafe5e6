// The exact arithmetic of integer mode as values: two limb numbers in, the
// result and its text out.
#pragma once

#include <cstdint>
#include <string>

#include "state/limbnumber.h"
#include "state/outcome.h"

namespace korvo {

struct LimbOutcome {
    Outcome outcome = Outcome::Number;  // no number for a zero divisor or a quotient past 128 bits
    LimbNumber number;                  // the result; a product keeps every digit of its scale
    std::string text;                   // the result as shown: trailing fraction zeros dropped
};

// a op b in `radix`, as "=" computes it. A sum or difference is exact, its
// fraction written with as many digits as the longer operand's (0.05 + 0.05
// shows 0.10); the integer part wraps modulo 2^128.
LimbOutcome operateOnLimbs(PendingOperation op, const LimbNumber& a, const LimbNumber& b,
                           std::uint32_t radix);

// a to the whole power b, the low 128 bits kept.
LimbOutcome powerOfLimbs(const LimbNumber& a, const LimbNumber& b, std::uint32_t radix);

// x squared: every digit of a fraction's product up to the 19th.
LimbOutcome squareOfLimbs(const LimbNumber& x, std::uint32_t radix);

}  // namespace korvo
