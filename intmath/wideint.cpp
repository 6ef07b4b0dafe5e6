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
    std::size_t used = 0;  // the words below are the only ones not zero
    for (const char c : text) {
        if (c == '-') {
            continue;
        }
        // value = value x radix + digit; what passes the top word is lost,
        // which no text of the calculator reaches.
        std::uint64_t carry = digitValue(c);
        for (std::size_t i = 0; i < used; ++i) {
            const std::uint64_t t = std::uint64_t{out.words_[i]} * radix + carry;
            out.words_[i] = static_cast<std::uint32_t>(t & kLimbMask);
            carry = t >> kLimbBits;
        }
        if (carry != 0 && used < kWords) {
            out.words_[used++] = static_cast<std::uint32_t>(carry);
        }
    }
    return out;
}

WideInt WideInt::times(const WideInt& other) const {
    WideInt out;
    const std::size_t otherUsed = other.usedWords();
    for (std::size_t i = 0; i < kWords; ++i) {
        if (words_[i] == 0) {
            continue;
        }
        std::uint64_t carry = 0;
        for (std::size_t j = 0; i + j < kWords && (j < otherUsed || carry != 0); ++j) {
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
    for (std::size_t i = usedWords(); i-- > 0;) {
        const std::uint64_t dividend = (remainder << kLimbBits) | words_[i];
        words_[i] = static_cast<std::uint32_t>(dividend / divisor);
        remainder = dividend % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

WideInt WideInt::dividedBy(const WideInt& divisor, WideInt& remainder) const {
    // Long division on 32-bit words (Knuth's algorithm D): each quotient
    // word is guessed from the top words, corrected at most twice, and the
    // divisor times it taken off the rest.
    const std::size_t n = divisor.usedWords();
    const std::size_t m = usedWords();
    WideInt quotient;
    if (n == 0 || m < n) {
        remainder = *this;
        return quotient;
    }
    if (n == 1) {
        quotient = *this;
        remainder = WideInt{};
        remainder.words_[0] = quotient.divideBy(divisor.words_[0]);
        return quotient;
    }
    // Normalised so that the divisor's top word has its high bit set; the
    // rest gets one word more.
    const auto s = static_cast<std::uint32_t>(std::countl_zero(divisor.words_[n - 1]));
    std::array<std::uint32_t, kWords + 1> u{};
    std::array<std::uint32_t, kWords> v{};
    for (std::size_t i = n; i-- > 0;) {
        const std::uint64_t below = i > 0 && s != 0 ? divisor.words_[i - 1] >> (kLimbBits - s) : 0;
        v[i] = static_cast<std::uint32_t>(((std::uint64_t{divisor.words_[i]} << s) | below) &
                                          kLimbMask);
    }
    u[m] = s != 0 ? static_cast<std::uint32_t>(words_[m - 1] >> (kLimbBits - s)) : 0;
    for (std::size_t i = m; i-- > 0;) {
        const std::uint64_t below = i > 0 && s != 0 ? words_[i - 1] >> (kLimbBits - s) : 0;
        u[i] = static_cast<std::uint32_t>(((std::uint64_t{words_[i]} << s) | below) & kLimbMask);
    }
    constexpr std::uint64_t kBase = std::uint64_t{1} << kLimbBits;
    for (std::size_t j = m - n + 1; j-- > 0;) {
        const std::uint64_t top = (std::uint64_t{u[j + n]} << kLimbBits) | u[j + n - 1];
        std::uint64_t guess = top / v[n - 1];
        std::uint64_t rest = top % v[n - 1];
        while (guess >= kBase || guess * v[n - 2] > ((rest << kLimbBits) | u[j + n - 2])) {
            --guess;
            rest += v[n - 1];
            if (rest >= kBase) {
                break;
            }
        }
        std::uint64_t carry = 0;
        std::uint64_t borrow = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t product = guess * v[i] + carry;
            carry = product >> kLimbBits;
            const std::uint64_t difference =
                std::uint64_t{u[i + j]} - (product & kLimbMask) - borrow;
            u[i + j] = static_cast<std::uint32_t>(difference & kLimbMask);
            borrow = (difference >> 63) & 1U;
        }
        const std::uint64_t last = std::uint64_t{u[j + n]} - carry - borrow;
        u[j + n] = static_cast<std::uint32_t>(last & kLimbMask);
        if ((last >> 63) != 0) {
            // The guess was one too large: the divisor goes back once.
            --guess;
            std::uint64_t sum = 0;
            for (std::size_t i = 0; i < n; ++i) {
                sum = std::uint64_t{u[i + j]} + v[i] + (sum >> kLimbBits);
                u[i + j] = static_cast<std::uint32_t>(sum & kLimbMask);
            }
            u[j + n] = static_cast<std::uint32_t>((u[j + n] + (sum >> kLimbBits)) & kLimbMask);
        }
        quotient.words_[j] = static_cast<std::uint32_t>(guess);
    }
    remainder = WideInt{};
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint64_t above = s != 0 ? std::uint64_t{u[i + 1]} << (kLimbBits - s) : 0;
        remainder.words_[i] = static_cast<std::uint32_t>(((u[i] >> s) | above) & kLimbMask);
    }
    return quotient;
}

std::size_t WideInt::usedWords() const {
    std::size_t used = kWords;
    while (used > 0 && words_[used - 1] == 0) {
        --used;
    }
    return used;
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
