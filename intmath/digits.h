// One digit character and its value, in any radix up to 16: "0".."9", then
// "A".."F" written, either case read.
#pragma once

#include <cstdint>

namespace korvo {

inline std::uint32_t digitValue(char c) {
    constexpr std::uint32_t kFirstLetterDigit = 10;
    if (c >= 'a') {
        return static_cast<std::uint32_t>(c - 'a') + kFirstLetterDigit;
    }
    if (c >= 'A') {
        return static_cast<std::uint32_t>(c - 'A') + kFirstLetterDigit;
    }
    return static_cast<std::uint32_t>(c - '0');
}

inline char digitCharacter(std::uint64_t digit) {
    return "0123456789ABCDEF"[digit & 15U];
}

}  // namespace korvo
