// An unsigned 128-bit integer as a value, with the arithmetic every part of
// the engine shares: sums, differences and products wrap modulo 2^128, as
// the calculator's integer part does. Two 64-bit halves, so the same code
// runs on 32-bit Windows, where the compiler has no 128-bit type.
#pragma once

#include <compare>
#include <cstdint>

namespace korvo {

struct U128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    constexpr U128() = default;
    constexpr U128(std::uint64_t high64, std::uint64_t low64) : high(high64), low(low64) {}
    static constexpr U128 of(std::uint64_t value) { return {0, value}; }

    friend constexpr bool operator==(const U128&, const U128&) = default;
    friend constexpr std::strong_ordering operator<=>(const U128& a, const U128& b) {
        return a.high != b.high ? a.high <=> b.high : a.low <=> b.low;
    }
    [[nodiscard]] constexpr bool isZero() const { return high == 0 && low == 0; }

    friend constexpr U128 operator+(const U128& a, const U128& b) {
        const std::uint64_t sum = a.low + b.low;
        return {a.high + b.high + (sum < a.low ? 1U : 0U), sum};
    }
    friend constexpr U128 operator-(const U128& a, const U128& b) {
        return {a.high - b.high - (a.low < b.low ? 1U : 0U), a.low - b.low};
    }
    // The low 128 bits of the product.
    friend constexpr U128 operator*(const U128& a, const U128& b) {
        U128 product = fullProduct(a.low, b.low);
        product.high += a.high * b.low + a.low * b.high;
        return product;
    }

    // this x factor + addend, modulo 2^128: one digit more in Horner's rule.
    [[nodiscard]] constexpr U128 timesPlus(std::uint32_t factor, std::uint32_t addend) const {
        const std::uint64_t bottom = (low & kLow32) * factor + addend;
        const std::uint64_t middle = (low >> 32U) * factor + (bottom >> 32U);
        return {high * factor + (middle >> 32U), (middle << 32U) | (bottom & kLow32)};
    }

    // Divides in place by a divisor that is not zero; returns the remainder.
    constexpr std::uint32_t divideBy(std::uint32_t divisor) {
        if (high == 0) {
            const std::uint64_t rest = low % divisor;
            low /= divisor;
            return static_cast<std::uint32_t>(rest);
        }
        // Four 32-bit steps: each partial dividend stays below divisor x 2^32.
        std::uint64_t rest = 0;
        std::uint64_t* halves[2] = {&high, &low};
        for (std::uint64_t* half : halves) {
            const std::uint64_t upper = (rest << 32U) | (*half >> 32U);
            rest = upper % divisor;
            const std::uint64_t lower = (rest << 32U) | (*half & kLow32);
            rest = lower % divisor;
            *half = ((upper / divisor) << 32U) | (lower / divisor);
        }
        return static_cast<std::uint32_t>(rest);
    }

    [[nodiscard]] constexpr U128 shiftedRight(std::uint32_t bits) const {
        if (bits >= 128) {
            return {};
        }
        if (bits >= 64) {
            return {0, high >> (bits - 64)};
        }
        if (bits == 0) {
            return *this;
        }
        return {high >> bits, (low >> bits) | (high << (64 - bits))};
    }
    [[nodiscard]] constexpr U128 shiftedLeft(std::uint32_t bits) const {
        if (bits >= 128) {
            return {};
        }
        if (bits >= 64) {
            return {low << (bits - 64), 0};
        }
        if (bits == 0) {
            return *this;
        }
        return {(high << bits) | (low >> (64 - bits)), low << bits};
    }
    // Bit `index` (0 the lowest; false from 128 on).
    [[nodiscard]] constexpr bool bit(std::uint32_t index) const {
        if (index >= 128) {
            return false;
        }
        return ((index >= 64 ? high >> (index - 64) : low >> index) & 1U) != 0;
    }
    // radix^count modulo 2^128.
    static constexpr U128 power(std::uint32_t radix, std::uint32_t count) {
        U128 result = of(1);
        for (std::uint32_t i = 0; i < count && !result.isZero(); ++i) {
            result = result * of(radix);
        }
        return result;
    }

  private:
    static constexpr std::uint64_t kLow32 = 0xFFFFFFFFU;

    // The full product of two 64-bit numbers, from 32-bit halves.
    static constexpr U128 fullProduct(std::uint64_t a, std::uint64_t b) {
        const std::uint64_t a0 = a & kLow32;
        const std::uint64_t a1 = a >> 32U;
        const std::uint64_t b0 = b & kLow32;
        const std::uint64_t b1 = b >> 32U;
        const std::uint64_t bottom = a0 * b0;
        const std::uint64_t cross1 = a1 * b0;
        const std::uint64_t cross2 = a0 * b1;
        const std::uint64_t middle = (bottom >> 32U) + (cross1 & kLow32) + (cross2 & kLow32);
        return {a1 * b1 + (cross1 >> 32U) + (cross2 >> 32U) + (middle >> 32U),
                (middle << 32U) | (bottom & kLow32)};
    }
};

}  // namespace korvo
