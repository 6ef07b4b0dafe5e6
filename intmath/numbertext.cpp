// Number text to LimbNumber and back. The reader takes the characters as the
// entry holds them (no validation: the keypad and the paste check only let
// digits of the radix, one point and a leading minus in); the writer divides
// digits out one at a time.
#include "intmath/numbertext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

#include "intmath/digits.h"

namespace korvo {

namespace {

constexpr std::uint32_t kMinusCode = '-';
constexpr std::uint32_t kDecimal = 10;
constexpr std::uint32_t kNineDigits = 1000000000;
constexpr std::size_t kMostDigits = 128;  // a 128-bit value in binary

// The digits of a value, written from the end of a buffer backwards: the
// bases that are powers of two shift them out, decimal divides nine off at
// a time.
class Digits {
  public:
    // NOLINTNEXTLINE(cppcoreguidelines-pro-type-member-init): put() writes before text() reads
    Digits(U128 value, std::uint32_t radix) {
        const int bits = (radix & (radix - 1)) == 0 ? std::countr_zero(radix) : 0;
        if (bits != 0) {
            while (value.high != 0) {
                put(value.low & (radix - 1));
                value = value.shiftedRight(static_cast<std::uint32_t>(bits));
            }
            std::uint64_t low = value.low;
            do {
                put(low & (radix - 1));
                low >>= static_cast<std::uint32_t>(bits);
            } while (low != 0);
            return;
        }
        if (radix == kDecimal) {
            while (value >= U128::of(kNineDigits)) {
                std::uint32_t chunk = value.divideBy(kNineDigits);
                for (int i = 0; i < 9; ++i) {
                    put(chunk % kDecimal);
                    chunk /= kDecimal;
                }
            }
        }
        do {
            put(value.divideBy(radix));
        } while (!value.isZero());
    }
    [[nodiscard]] std::string_view text() const {
        return {buffer_.data() + start_, buffer_.size() - start_};
    }

  private:
    void put(std::uint64_t digit) { buffer_.at(--start_) = digitCharacter(digit); }

    // Only what put() wrote is read: no need to clear it first.
    std::array<char, kMostDigits> buffer_;
    std::size_t start_ = kMostDigits;
};

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
    const Digits integer(number.integer, radix);
    std::string out;
    if (number.fraction.isZero()) {
        out.reserve(integer.text().size() + 1);
        out.append(number.negative == 1 ? "-" : "").append(integer.text());
        return out;
    }
    const Digits fraction(number.fraction, radix);
    out.reserve(integer.text().size() + number.fracZeros + fraction.text().size() + 2);
    out.append(number.negative == 1 ? "-" : "").append(integer.text()).append(1, '.');
    out.append(number.fracZeros, '0').append(fraction.text());
    return out;
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
