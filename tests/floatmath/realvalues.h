// Extended reals for test tables, named by text.
#pragma once

#include <cstdint>
#include <string>

#include "floatmath/realtext.h"
#include "floatmath/x87.h"

namespace korvo::testing_support {

inline constexpr X87 kNearest{kNearestControlWord};

// "2^-149", "-2^63", "1/3" (to nearest), "inf", "-inf", "nan", "max",
// "#significand:exponent" in hex, or a text in `radix`.
inline Real80 valueOf(std::uint32_t radix, const std::string& token) {
    const bool minus = token.starts_with("-2^") || token == "-inf";
    const std::string t = minus ? token.substr(1) : token;
    Real80 v;
    if (t.starts_with("2^")) {
        v = Real80{1ULL << 63U, static_cast<std::uint16_t>(0x3FFF + std::stoi(t.substr(2)))};
    } else if (t.find('/') != std::string::npos) {
        v = x87::divide(kNearest, x87::loadInteger(std::stoll(t)),
                        x87::loadInteger(std::stoll(t.substr(t.find('/') + 1))));
    } else if (t == "inf" || t == "nan" || t == "max") {
        v = t == "inf"   ? Real80{1ULL << 63U, 0x7FFF}
            : t == "nan" ? Real80{3ULL << 62U, 0x7FFF}
                         : Real80{~0ULL, 0x7FFE};
    } else if (t.starts_with('#')) {
        v = Real80{std::stoull(t.substr(1), nullptr, 16),
                   static_cast<std::uint16_t>(std::stoul(t.substr(t.find(':') + 1), nullptr, 16))};
    } else {
        return parseReal(t, radix);
    }
    return minus ? x87::changeSign(v) : v;
}

}  // namespace korvo::testing_support
