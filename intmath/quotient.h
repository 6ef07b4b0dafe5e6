// The exact quotient of two numbers given by their digits, written as the
// integer mode's division shows it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvo {

// A number as its digits with the point taken out, and how many of them
// stand after the point: digits / radix^scale. A "-" among them is skipped.
struct ScaledDigits {
    std::string_view digits;
    std::uint32_t scale = 0;
};

struct ExactQuotient {
    std::string text;  // an optional "-", the digits, and "." with the fraction when it has one
    bool integerFits128 = true;  // the integer part needs at most 128 bits
};

// dividend / divisor in `radix`; the divisor is not zero. The digit integers
// (the dividend's scaled up to the divisor's) are divided to 19 fraction
// digits, the 19th raised by one when the expansion is cut with something
// left over; the point then moves left by the dividend's extra scale, and a
// fraction grown past 19 digits is rounded half up at the 19th.
ExactQuotient exactQuotient(ScaledDigits dividend, ScaledDigits divisor, std::uint32_t radix,
                            bool negative);

}  // namespace korvo
