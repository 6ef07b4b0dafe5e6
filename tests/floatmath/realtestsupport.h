// Helpers shared by the floating-point engine's tests: building 80-bit
// values by bit pattern, and parsing a text the way the keypad does.
#pragma once

#include <cstdint>
#include <iomanip>
#include <ostream>
#include <string_view>

#include "floatmath/realtext.h"
#include "state/calculatorstate.h"
#include "state/fixedtexts.h"

namespace korvo {

// Failure messages show the bit pattern, which is what the tests compare.
inline void PrintTo(const Real80& r, std::ostream* os) {
    *os << "{0x" << std::hex << std::uppercase << std::setw(16) << std::setfill('0')
        << r.significand << ", 0x" << std::setw(4) << r.signExponent << std::dec << "}";
}

namespace testing_support {

constexpr std::uint16_t kBias = 0x3FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;

// 2^e, negated when asked.
constexpr Real80 powerOf2(int e, bool negative = false) {
    return Real80{kIntegerBit, static_cast<std::uint16_t>((negative ? 0x8000 : 0) + kBias + e)};
}
constexpr Real80 kPlusInfinity{kIntegerBit, 0x7FFF};
constexpr Real80 kMinusInfinity{kIntegerBit, 0xFFFF};
constexpr Real80 kQuietNaN{0xC000000000000000ULL, 0x7FFF};
constexpr Real80 kLargestFinite{0xFFFFFFFFFFFFFFFFULL, 0x7FFE};
constexpr Real80 kMinusZero{0, 0x8000};

inline bool isNaN(const Real80& r) {
    return r.biasedExponent() == 0x7FFF && (r.significand << 1U) != 0;
}

// The text read in `radix` as the keypad reads an entry.
inline Real80 parseText(CalculatorState& s, std::string_view text) {
    s.workText = text;
    parseReal(s);
    return s.realValue;
}

}  // namespace testing_support
}  // namespace korvo
