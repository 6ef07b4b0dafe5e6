// Number texts as the fuzz targets read and write them.
#pragma once

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace korvo::fuzz {

__extension__ using Wide = unsigned __int128;  // every number text here fits

// A number text reduced to what every base shows alike: the sign, the value of
// the integer part, the zeros right after the point and the value of the
// digits after them (fractions change base digit-wise).
struct NumberParts {
    bool negative = false;
    Wide whole = 0;
    Wide fraction = 0;
    std::size_t fracZeros = 0;
    std::size_t fracDigits = 0;  // zeros included
    bool anyDigit = false;

    // Minus zero is zero; 1.0 is 1.
    [[nodiscard]] bool sameValue(const NumberParts& other, bool countZeros = true) const {
        return (negative && (whole | fraction) != 0) ==
                   (other.negative && (other.whole | other.fraction) != 0) &&
               whole == other.whole && fraction == other.fraction &&
               (!countZeros || fraction == 0 || fracZeros == other.fracZeros);
    }
};

// Nothing unless the text is an optional "-", digits of `radix` (upper case)
// and at most one point.
inline std::optional<NumberParts> readParts(std::string_view text, unsigned radix) {
    NumberParts parts;
    parts.negative = text.starts_with('-');
    text.remove_prefix(parts.negative ? 1 : 0);
    bool afterPoint = false;
    for (const char c : text) {
        const std::size_t digit = std::string_view("0123456789ABCDEF").find(c);
        if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else if (digit >= radix) {
            return std::nullopt;
        } else {
            parts.anyDigit = true;
            parts.fracZeros += afterPoint && parts.fraction == 0 && digit == 0 ? 1 : 0;
            parts.fracDigits += afterPoint ? 1 : 0;
            Wide& value = afterPoint ? parts.fraction : parts.whole;
            value = value * radix + digit;
        }
    }
    return parts;
}

// Bytes but letters, digits and "+-./:^=*" as octal escapes, which printf's
// format and bash's $'...' both read.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        std::array<char, 5> octal{};
        std::snprintf(octal.data(), octal.size(), "\\%03o", static_cast<unsigned char>(c));
        out += std::isalnum(static_cast<unsigned char>(c)) != 0 ||
                       std::string_view("+-./:^=*").find(c) != std::string_view::npos
                   ? std::string(1, c)
                   : octal.data();
    }
    return out;
}

}  // namespace korvo::fuzz
