// Word arrays and the limb primitives. Limbs are most significant first, so
// loops that carry run from the highest index down.
#include "intmath/limbs.h"

#include <algorithm>

namespace korvo {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000U;

std::uint32_t low32(std::uint64_t v) {
    return static_cast<std::uint32_t>(v & 0xFFFFFFFFU);
}
std::uint32_t high32(std::uint64_t v) {
    return static_cast<std::uint32_t>(v >> 32);
}

// Adds limbs [first, last] of a and b into r, from `last` down, starting
// without a carry; the carry out of `first` is dropped.
void addRange(const Limbs8& a, const Limbs8& b, Limbs8& r, int first, int last) {
    std::uint64_t carry = 0;
    for (int i = last; i >= first; --i) {
        const std::uint64_t sum = std::uint64_t{a[i]} + b[i] + carry;
        r[i] = low32(sum);
        carry = sum >> 32;
    }
}

void subtractRange(const Limbs8& a, const Limbs8& b, Limbs8& r, int first, int last) {
    std::uint64_t borrow = 0;
    for (int i = last; i >= first; --i) {
        const std::uint64_t difference = std::uint64_t{a[i]} - b[i] - borrow;
        r[i] = low32(difference);
        borrow = (difference >> 63) & 1U;
    }
}

}  // namespace

void zeroWords(std::span<std::uint32_t> dest) {
    std::fill(dest.begin(), dest.end(), 0U);
}

void copyWords(std::span<std::uint32_t> dest, std::span<const std::uint32_t> src) {
    const std::size_t count = std::min(dest.size(), src.size());
    std::copy_n(src.begin(), count, dest.begin());
}

int compareWords(std::span<const std::uint32_t> first, std::span<const std::uint32_t> second) {
    const std::size_t count = std::min(first.size(), second.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (first[i] > second[i]) {
            return 1;
        }
        if (first[i] < second[i]) {
            return 2;
        }
    }
    return 0;
}

void limbAdd(CalculatorState& s) {
    if (s.integerLimbsOnly != 1) {
        addRange(s.limbA, s.limbB, s.limbResult.limbs, 4, 7);
    }
    addRange(s.limbA, s.limbB, s.limbResult.limbs, 0, 3);
}

void limbSubtract(CalculatorState& s) {
    // The exchange takes limbB from firstOperand, so after two exchanges both
    // operands are firstOperand and the difference is zero: three rounds at most.
    for (int round = 0; round < 3; ++round) {
        if (s.integerLimbsOnly != 1) {
            subtractRange(s.limbA, s.limbB, s.limbResult.limbs, 4, 7);
        }
        subtractRange(s.limbA, s.limbB, s.limbResult.limbs, 0, 3);
        if ((s.limbResult.limbs[0] & kHighBit) == 0) {
            return;
        }
        s.limbA = s.limbB;
        s.limbB = s.firstOperand.limbs;
    }
}

void limbMultiply(CalculatorState& s) {
    // Positions count from the low end: limb 3 is position 0.
    std::array<std::uint32_t, 4> result{};
    for (int j = 0; j < 2; ++j) {
        const std::uint32_t multiplier = s.limbB[static_cast<std::size_t>(3 - j)];
        if (multiplier == 0) {
            continue;  // adds nothing; the parser's multipliers are one limb
        }
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i + static_cast<std::size_t>(j) < 4; ++i) {
            const std::size_t position = i + static_cast<std::size_t>(j);
            const std::uint64_t t =
                std::uint64_t{s.limbA[3 - i]} * multiplier + result[position] + carry;
            result[position] = low32(t);
            carry = high32(t);
        }
    }
    for (std::size_t p = 0; p < 4; ++p) {
        s.productLimbs[3 - p] = result[p];
    }
}

std::uint32_t limbDivide(CalculatorState& s) {
    const std::uint32_t divisor = s.limbB[3];
    if (divisor == 0) {
        return 0;
    }
    std::uint64_t remainder = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        if (remainder == 0 && s.limbA[i] == 0) {
            s.quotientLimbs[i] = 0;  // the leading zero limbs of small numbers
            continue;
        }
        const std::uint64_t dividend = (remainder << 32) | s.limbA[i];
        s.quotientLimbs[i] = low32(dividend / divisor);
        remainder = dividend % divisor;
    }
    return static_cast<std::uint32_t>(remainder);
}

void clearResultBlock(CalculatorState& s) {
    s.limbResult = LimbNumber{};
    s.quotientLimbs = {};
    s.productLimbs = {};
    s.radixPower = {};
}

bool limbsAreZero(const LimbNumber& n) {
    return std::all_of(n.limbs.begin(), n.limbs.end(), [](std::uint32_t w) { return w == 0; });
}

}  // namespace korvo
