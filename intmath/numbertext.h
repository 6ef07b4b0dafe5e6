// Number text <-> LimbNumber: an optional leading "-", digits of the radix
// ("A".."F" upper case on output, either case on input), at most one ".".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/calculatorstate.h"

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
NumberTexts numberTexts(const LimbNumber& number, std::uint32_t radix);

// The limb number `text` stands for in `radix`, read whole and normalised
// as the formatter leaves it.
LimbNumber numberOfText(std::string_view text, std::uint32_t radix);

// Reads workText (destroying it) in `radix` into limbResult; sets
// entryHasPoint and parseRadix. Reads the whole text. Every fraction
// digit is read: a radix change writes as many as the value needs in the
// new base, and they must all survive the next parse.
void parseNumber(CalculatorState& s);

// Writes limbResult in formatRadix (when non-zero) or radix into formatText;
// in the parse radix also intText/fracText; entryText unless
// formatNoEntryCopy is 8.
void formatNumber(CalculatorState& s);

}  // namespace korvo
