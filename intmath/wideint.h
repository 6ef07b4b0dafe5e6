// A fixed-width unsigned integer wide enough for the exact product of two
// full operands (128-bit integer part and a long fraction each), so the
// scaled product can round and wrap only at the very end.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "state/limbnumber.h"

namespace korvo {

class WideInt {
  public:
    // The digits of `text` in `radix` as one integer; a "-" is skipped.
    static WideInt fromDigits(std::string_view text, std::uint32_t radix);

    // The exact product; both factors come from at most 64 digits each.
    [[nodiscard]] WideInt times(const WideInt& other) const;
    // Divides in place by a small divisor (not zero); returns the remainder.
    std::uint32_t divideBy(std::uint32_t divisor);
    void addOne();
    [[nodiscard]] bool isZero() const;
    // The low 128 bits, most significant limb first.
    [[nodiscard]] Limbs4 low128() const;

  private:
    static constexpr std::size_t kWords = 24;    // 768 bits
    std::array<std::uint32_t, kWords> words_{};  // least significant first
};

}  // namespace korvo
