// Shortening and rounding of fraction digit texts.
#pragma once

#include <cstddef>
#include <string>

#include <cstdint>

namespace korvo {

// A real's fraction (in either mode): trims the characters of `text` after
// position `start` in place. In radix 10 nine or more nines that end the
// text round the digit before them up (into the integer part when they start
// the fraction); trailing zeros go. A run followed by any other digit stays.

void trimFraction(std::uint32_t radix, std::string& text, std::size_t start);

}  // namespace korvo
