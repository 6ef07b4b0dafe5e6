// A fixed-width unsigned integer wide enough for the exact product of two
// full operands (128-bit integer part and a long fraction each), so the
// scaled product can round and wrap only at the very end.
#pragma once

#include <array>
#include <compare>
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
    // The quotient by a divisor of any width (not zero); `remainder` gets the rest.
    [[nodiscard]] WideInt dividedBy(const WideInt& divisor, WideInt& remainder) const;
    void multiplyBy(std::uint32_t factor);
    void subtract(const WideInt& other);  // other is not greater
    // Shifts left by `bits` (less than the width); what passes the top is lost.
    void shiftLeft(std::uint32_t bits);
    // Bits up to the highest one set (0 for zero).
    [[nodiscard]] std::uint32_t bitLength() const;
    [[nodiscard]] bool bit(std::uint32_t index) const;
    friend std::strong_ordering operator<=>(const WideInt& a, const WideInt& b);
    friend bool operator==(const WideInt& a, const WideInt& b) = default;
    void addOne();
    [[nodiscard]] bool isZero() const;
    // The low 128 bits.
    [[nodiscard]] U128 low128() const;

  private:
    // Words up to the highest one that is not zero.
    [[nodiscard]] std::size_t usedWords() const;

    static constexpr std::size_t kWords = 24;    // 768 bits
    std::array<std::uint32_t, kWords> words_{};  // least significant first
};

}  // namespace korvo
