// What the calculator's operations give: a number, or the out-of-range
// message where there is none to show (a zero divisor, a quotient past 128
// bits, a real of 2^63 or more with a fraction).
#pragma once

#include <cstdint>

namespace korvo {

enum class Outcome : std::uint8_t { Number, OutOfRange };

// The two-operand operation waiting for its second operand.
enum class PendingOperation : std::uint8_t { None, Add, Subtract, Multiply, Divide };

}  // namespace korvo
