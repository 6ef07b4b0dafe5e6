// Number texts as the fuzz targets read and write them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
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

// A number text reduced to what every base shows alike: the sign, the value of
// the integer part, the zeros right after the point and the value of the
// digits after them (fractions change base digit-wise).
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
        const std::size_t digit = std::string_view("0123456789ABCDEF").find(c);
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
        multiplyAdd(afterPoint ? parts.fraction : parts.whole, radix,
                    static_cast<std::uint32_t>(digit));
    }
    return parts;
}

// Bytes but plain printable ones as octal escapes, which printf's format and
// bash's $'...' both read.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F &&
            std::string_view("'\\%").find(c) == std::string_view::npos) {
            out += c;
            continue;
        }
        out += {'\\', static_cast<char>('0' + (byte >> 6U)),
                static_cast<char>('0' + ((byte >> 3U) & 7U)), static_cast<char>('0' + (byte & 7U))};
    }
    return out;
}

}  // namespace korvo::fuzz
