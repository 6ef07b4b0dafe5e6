#include "intmath/wideint.h"

#include <algorithm>
#include <bit>

#include "intmath/digits.h"

namespace korvo {

namespace {

constexpr std::uint32_t kLimbBits = 32;
constexpr std::uint64_t kLimbMask = 0xFFFFFFFFU;

}  // namespace

WideInt WideInt::fromDigits(std::string_view text, std::uint32_t radix) {
    WideInt out;
    for (const char c : text) {
        if (c == '-') {
            continue;
        }
        // value = value x radix + digit; what passes the top word is lost,
        // which no text of the calculator reaches.
        std::uint64_t carry = digitValue(c);
        for (std::uint32_t& word : out.words_) {
            const std::uint64_t t = std::uint64_t{word} * radix + carry;
            word = static_cast<std::uint32_t>(t & kLimbMask);
            carry = t >> kLimbBits;
        }
    }
    return out;
}

WideInt WideInt::times(const WideInt& other) const {
    WideInt out;
    for (std::size_t i = 0; i < kWords; ++i) {
        if (words_[i] == 0) {
            continue;
        }
        std::uint64_t carry = 0;
        for (std::size_t j = 0; i + j < kWords; ++j) {
            const std::uint64_t t =
                std::uint64_t{words_[i]} * other.words_[j] + out.words_[i + j] + carry;
            out.words_[i + j] = static_cast<std::uint32_t>(t & kLimbMask);
            carry = t >> kLimbBits;
        }
    }
    return out;
}

std::uint32_t WideInt::divideBy(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = kWords; i-- > 0;) {
        const std::uint64_t dividend = (remainder << kLimbBits) | words_[i];
        words_[i] = static_cast<std::uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

WideInt WideInt::dividedBy(const WideInt& divisor, WideInt& remainder) const {
    // Bit by bit from the top: the rest doubles, takes the next bit, and
    // gives up the divisor whenever it holds it.
    WideInt quotient;
    remainder = WideInt{};
    for (std::uint32_t i = bitLength(); i-- > 0;) {
        remainder.shiftLeft(1);
        remainder.words_[0] |= bit(i) ? 1U : 0U;
        if (remainder >= divisor) {
            remainder.subtract(divisor);
            quotient.words_[i / kLimbBits] |= 1U << (i % kLimbBits);
        }
    }
    return quotient;
}

void WideInt::multiplyBy(std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (std::uint32_t& word : words_) {
        const std::uint64_t t = std::uint64_t{word} * factor + carry;
        word = static_cast<std::uint32_t>(t & kLimbMask);
        carry = t >> kLimbBits;
    }
}

void WideInt::subtract(const WideInt& other) {
    std::uint64_t borrow = 0;
    for (std::size_t i = 0; i < kWords; ++i) {
        const std::uint64_t difference = std::uint64_t{words_[i]} - other.words_[i] - borrow;
        words_[i] = static_cast<std::uint32_t>(difference & kLimbMask);
        borrow = (difference >> 63) & 1U;
    }
}

void WideInt::shiftLeft(std::uint32_t bits) {
    const std::size_t whole = bits / kLimbBits;
    const std::uint32_t part = bits % kLimbBits;
    for (std::size_t i = kWords; i-- > 0;) {
        const std::uint64_t high = i >= whole ? words_[i - whole] : 0;
        const std::uint64_t low = part != 0 && i >= whole + 1 ? words_[i - whole - 1] : 0;
        words_[i] =
            static_cast<std::uint32_t>(((high << part) | (low >> (kLimbBits - part))) & kLimbMask);
    }
}

std::uint32_t WideInt::bitLength() const {
    for (std::size_t i = kWords; i-- > 0;) {
        if (words_[i] != 0) {
            return static_cast<std::uint32_t>(i * kLimbBits) +
                   static_cast<std::uint32_t>(std::bit_width(words_[i]));
        }
    }
    return 0;
}

bool WideInt::bit(std::uint32_t index) const {
    return index < kWords * kLimbBits &&
           ((words_[index / kLimbBits] >> (index % kLimbBits)) & 1U) != 0;
}

std::strong_ordering operator<=>(const WideInt& a, const WideInt& b) {
    for (std::size_t i = WideInt::kWords; i-- > 0;) {
        if (a.words_[i] != b.words_[i]) {
            return a.words_[i] <=> b.words_[i];
        }
    }
    return std::strong_ordering::equal;
}

void WideInt::addOne() {
    for (std::uint32_t& word : words_) {
        if (++word != 0) {
            return;
        }
    }
}

bool WideInt::isZero() const {
    return std::all_of(words_.begin(), words_.end(), [](std::uint32_t w) { return w == 0; });
}

U128 WideInt::low128() const {
    return {(std::uint64_t{words_[3]} << 32U) | words_[2],
            (std::uint64_t{words_[1]} << 32U) | words_[0]};
}

}  // namespace korvo
