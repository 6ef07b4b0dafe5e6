#include "intmath/wideint.h"

#include <algorithm>

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

Limbs4 WideInt::low128() const {
    return {words_[3], words_[2], words_[1], words_[0]};
}

}  // namespace korvo
