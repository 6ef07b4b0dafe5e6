// Number text to LimbNumber and back. The reader takes the characters as the
// entry holds them (no validation: the keypad and the paste check only let
// digits of the radix, one point and a leading minus in); the writer divides
// digits out one at a time.
#include "intmath/numbertext.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "intmath/digits.h"

namespace korvo {

namespace {

constexpr std::uint32_t kMinusCode = '-';
constexpr std::uint32_t kDecimal = 10;
constexpr std::uint32_t kNineDigits = 1000000000;
constexpr std::size_t kUsualLength = 48;  // most texts, a 128-bit binary one aside

// Appends the digits of `value`, least significant first (at least one).
// The bases that are powers of two shift their digits out; decimal divides
// nine digits off at a time.
void appendDigits(U128 value, std::uint32_t radix, std::string& reversed) {
    const int bits = std::has_single_bit(radix) ? std::countr_zero(radix) : 0;
    if (bits != 0) {
        while (value.high != 0) {
            reversed.push_back(digitCharacter(value.low & (radix - 1)));
            value = value.shiftedRight(static_cast<std::uint32_t>(bits));
        }
        std::uint64_t low = value.low;
        do {
            reversed.push_back(digitCharacter(low & (radix - 1)));
            low >>= static_cast<std::uint32_t>(bits);
        } while (low != 0);
        return;
    }
    if (radix == kDecimal) {
        while (value >= U128::of(kNineDigits)) {
            std::uint32_t chunk = value.divideBy(kNineDigits);
            for (int i = 0; i < 9; ++i) {
                reversed.push_back(digitCharacter(chunk % kDecimal));
                chunk /= kDecimal;
            }
        }
    }
    do {
        reversed.push_back(digitCharacter(value.divideBy(radix)));
    } while (!value.isZero());
}

}  // namespace

LimbNumber parseNumber(std::string_view text, std::uint32_t radix) {
    LimbNumber r;
    // The counters: any minus makes the number negative (and the first
    // character the sign), zeros right after a point are counted.
    bool zeroRun = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '.') {
            zeroRun = true;
        } else if (c == '-') {
            r.negative = 1;
        } else if (c == '0' && zeroRun) {
            ++r.fracZeros;
        } else {
            zeroRun = false;
        }
    }
    // The value: the digits before the first point are the integer part,
    // those up to a second point the fraction's digit integer, and every
    // digit after the first point counts in the scale.
    const std::size_t first = r.negative == 1 ? 1 : 0;
    std::uint32_t points = 0;
    for (std::size_t i = first; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '.') {
            ++points;
            continue;
        }
        // A minus that does not lead reads as its character code.
        const std::uint32_t value = c == '-' ? kMinusCode : digitValue(static_cast<char>(c));
        if (points == 0) {
            r.integer = r.integer.timesPlus(radix, value);
        } else {
            ++r.fracDigits;
            if (points == 1) {
                r.fraction = r.fraction.timesPlus(radix, value);
            }
        }
    }
    return r;
}

std::string numberText(const LimbNumber& number, std::uint32_t radix) {
    std::string reversed;
    reversed.reserve(kUsualLength);
    if (!number.fraction.isZero()) {
        appendDigits(number.fraction, radix, reversed);
        reversed.append(number.fracZeros, '0');
        reversed.push_back('.');
    }
    appendDigits(number.integer, radix, reversed);
    if (number.negative == 1) {
        reversed.push_back('-');
    }
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

NumberTexts formatNumber(const LimbNumber& number, std::uint32_t radix) {
    NumberTexts out;
    out.whole = numberText(number, radix);
    const std::size_t point = out.whole.find('.');
    out.integer = out.whole.substr(0, point);
    if (point != std::string::npos) {
        out.fraction = out.whole.substr(point + 1);
    }
    return out;
}

void trimExactFraction(std::string& text, std::size_t start) {
    if (start >= text.size() || text.back() != '0') {
        return;
    }
    std::size_t end = text.size();
    while (end > start && text[end - 1] == '0') {
        --end;
    }
    text.resize(end);
}

}  // namespace korvo
