// A number text reduced to what every base shows alike: the sign, the value of
// the integer part, the zeros right after the point and the value of the
// digits after them (fractions change base digit-wise).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvo::fuzz {

using Wide = std::array<std::uint32_t, 10>;  // 320 bits, least significant first

inline void multiplyAdd(Wide& value, std::uint32_t radix, std::uint32_t digit) {
    std::uint64_t carry = digit;
    for (std::uint32_t& limb : value) {
        carry += static_cast<std::uint64_t>(limb) * radix;
        limb = static_cast<std::uint32_t>(carry);
        carry >>= 32U;
    }
}

struct NumberParts {
    bool negative = false;
    Wide whole{};
    Wide fraction{};
    std::size_t fracZeros = 0;
    std::size_t fracDigits = 0;  // zeros included
    bool anyDigit = false;

    // Minus zero is zero; 1.0 is 1.
    [[nodiscard]] bool sameValue(const NumberParts& other, bool countZeros = true) const {
        const auto signOf = [](const NumberParts& p) {
            return p.negative && (p.whole != Wide{} || p.fraction != Wide{});
        };
        return signOf(*this) == signOf(other) && whole == other.whole &&
               fraction == other.fraction &&
               (!countZeros || fraction == Wide{} || fracZeros == other.fracZeros);
    }
};

// Nothing unless the text is an optional "-", digits of `radix` (upper case)
// and at most one point.
inline std::optional<NumberParts> readParts(std::string_view text, std::uint32_t radix) {
    NumberParts parts;
    parts.negative = text.starts_with('-');
    text.remove_prefix(parts.negative ? 1 : 0);
    bool afterPoint = false;
    for (const char c : text) {
        const std::uint32_t digit = c >= '0' && c <= '9' ? static_cast<std::uint32_t>(c - '0')
                                    : c >= 'A' && c <= 'F'
                                        ? static_cast<std::uint32_t>(c - 'A' + 10)
                                        : 99;
        if (c == '.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (digit >= radix) {
            return std::nullopt;
        }
        parts.anyDigit = true;
        parts.fracZeros += afterPoint && parts.fraction == Wide{} && digit == 0 ? 1 : 0;
        parts.fracDigits += afterPoint ? 1 : 0;
        multiplyAdd(afterPoint ? parts.fraction : parts.whole, radix, digit);
    }
    return parts;
}

}  // namespace korvo::fuzz
