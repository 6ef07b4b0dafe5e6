// Number text <-> LimbNumber: an optional leading "-", digits of the radix
// ("A".."F" upper case on output, either case on input), at most one ".".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/limbnumber.h"

namespace korvo {

// A number written in a radix, as the formatter writes it.
struct NumberTexts {
    std::string whole;     // sign, digits, point
    std::string integer;   // sign and integer digits
    std::string fraction;  // fraction digits, no point
};

// An exact fraction (integer-mode products and quotients): only the final
// run of zeros after `start` goes; every other digit is a true digit.
void trimExactFraction(std::string& text, std::size_t start);

// `number` written in `radix`. A fraction keeps its digit integer: written
// in another radix than the one it was read in, its digits change as a
// whole number's do.
NumberTexts formatNumber(const LimbNumber& number, std::uint32_t radix);

// The whole text of formatNumber alone.
std::string numberText(const LimbNumber& number, std::uint32_t radix);

// The limb number `text` stands for in `radix`. The whole text is read (a
// 128-digit binary result comes back as it was shown), and every fraction
// digit: a radix change writes as many as the value needs in the new base.
// The integer part and the fraction's digit integer wrap modulo 2^128.
LimbNumber parseNumber(std::string_view text, std::uint32_t radix);

}  // namespace korvo
