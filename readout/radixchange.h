// Rewriting the current number in another base.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "floatmath/realtext.h"
#include "state/limbnumber.h"

namespace korvo {

// The current number as a base change and the readout see it: in integer
// mode its limbs, in floating-point mode the texts its real was last
// written as (a whole number past the reals has none and goes by its limbs).
struct CurrentNumber {
    bool floating = false;
    std::uint32_t radix = 10;  // the base it is written in now
    LimbNumber limbs;
    RealTexts real;
    std::uint32_t realFracZeros = 0;  // zeros after the point as the real was written
};

struct RadixChange {
    std::string text;               // the number written in the new base
    std::optional<RealTexts> real;  // the real's texts rewritten, when it has any
};

// The current number ready to be written in any base: read once, written
// as often as the readout's lines need.
class RadixSource {
  public:
    explicit RadixSource(const CurrentNumber& number);
    [[nodiscard]] RadixChange writtenIn(std::uint32_t radix) const;

  private:
    bool fromReal_ = false;  // the real's texts, piece by piece
    bool hasFraction_ = false;
    LimbNumber whole_;     // the limbs, or the real's integer part
    LimbNumber fraction_;  // the real's fraction digits as a whole number
    std::size_t fractionZeros_ = 0;
};

// `number` written in `toRadix`. Integer mode writes the limbs. Floating-
// point mode converts the real's texts piece by piece, the way the integer
// engine holds a fraction: its digits are read as a whole number in the old
// base and written as a whole number in the new one, the zeros right after
// the point copied unchanged. The real itself is not touched.
RadixChange changeRadix(const CurrentNumber& number, std::uint32_t toRadix);

}  // namespace korvo
