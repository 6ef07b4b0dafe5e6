// The x87 80-bit extended real as a plain value, and the modelled x87 unit.
#pragma once

#include <cstdint>

namespace korvo {

// Laid out as the x87 stores it: the 64-bit significand (explicit integer
// bit) low first, then sign and 15-bit biased exponent. The x87 layer loads
// and stores it with FLD/FSTP TBYTE, so no bit is ever lost in between.
struct Real80 {
    std::uint64_t significand = 0;
    std::uint16_t signExponent = 0;

    friend bool operator==(const Real80&, const Real80&) = default;

    [[nodiscard]] bool signBit() const { return (signExponent & 0x8000U) != 0; }
    [[nodiscard]] std::uint16_t biasedExponent() const {
        return static_cast<std::uint16_t>(signExponent & 0x7FFFU);
    }
    [[nodiscard]] bool isZero() const { return biasedExponent() == 0 && significand == 0; }
};

inline constexpr std::uint16_t kNearestControlWord = 0x037F;   // round to nearest, 64-bit, masked
inline constexpr std::uint16_t kTruncateControlWord = 0x0F7F;  // the same, rounding toward zero

// The floating-point unit as the calculator sees it: the control word in
// force carries from one key to the next (a conversion leaves it at
// truncation, FINIT brings back rounding to nearest), so it is state.
struct X87 {
    std::uint16_t controlWord = kNearestControlWord;
};

}  // namespace korvo
