// Number text <-> extended real, and the output range rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "state/real80.h"

namespace korvo {

// The real a number text stands for in `radix`: the nearest one, or for
// characters no digit of the radix the digit-by-digit reading on the unit
// rounding to nearest. An empty text is zero.
Real80 parseReal(std::string_view text, std::uint32_t radix);

// A real written in a radix: the integer part with its sign, and the
// fraction with its point (empty when there is none).
struct RealTexts {
    std::string integer;
    std::string fraction;

    [[nodiscard]] std::string whole() const { return integer + fraction; }
};

// Whether the digits written pass through the nines and zeros rule.
enum class Trimming { Trim, KeepDigits };

// `value` written in `radix` by the unit rounding toward zero; nothing when
// it is out of range (2^63 or more with a fraction).
std::optional<RealTexts> formatReal(const Real80& value, std::uint32_t radix,
                                    Trimming trimming = Trimming::Trim);

}  // namespace korvo
