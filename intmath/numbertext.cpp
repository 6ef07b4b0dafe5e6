// Number text to LimbNumber and back. The reader takes the characters as the
// entry holds them (no validation: the keypad and the paste check only let
// digits of the radix, one point and a leading minus in); the writer divides
// digits out one at a time.
#include "intmath/numbertext.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "intmath/digits.h"

namespace korvo {

namespace {

constexpr std::uint32_t kMinusCode = '-';

// A character's digit value as the reader classifies it: lower-case
// letters, upper-case letters, the rest by its low bits. A minus that does
// not lead reads as its character code, as any other stray character does.
std::uint32_t characterValue(unsigned char c) {
    if (c > 0x60) {
        return c - 0x57U;
    }
    if (c > 0x40) {
        return c - 0x37U;
    }
    return c ^ 0x30U;
}

// Appends the digits of `value`, least significant first (at least one).
void appendDigits(U128 value, std::uint32_t radix, std::string& reversed) {
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
    // The value: digits from the last character back, each weighted by the
    // running power of the radix. A point turns what was read so far into
    // the fraction and starts the integer part afresh.
    const std::size_t first = r.negative == 1 ? 1 : 0;
    U128 power = U128::of(1);
    std::uint32_t digitCount = 0;
    for (std::size_t i = text.size(); i-- > first;) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '.') {
            r.fraction = r.integer;
            r.fracDigits = digitCount;
            r.integer = U128{};
            power = U128::of(1);
            continue;
        }
        ++digitCount;
        const std::uint32_t value = c == '-' ? kMinusCode : characterValue(c);
        r.integer = r.integer + power * U128::of(value);
        power = power * U128::of(radix);
    }
    return r;
}

NumberTexts formatNumber(const LimbNumber& number, std::uint32_t radix) {
    std::string reversed;
    const bool hasFraction = !number.fraction.isZero();
    if (hasFraction) {
        appendDigits(number.fraction, radix, reversed);
        reversed.append(number.fracZeros, '0');
        reversed.push_back('.');
    }
    appendDigits(number.integer, radix, reversed);
    if (number.negative == 1) {
        reversed.push_back('-');
    }
    NumberTexts out;
    out.whole.assign(reversed.rbegin(), reversed.rend());
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
