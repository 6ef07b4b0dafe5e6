// Fraction trimming works on characters only: it never looks at a number, so
// the same rules serve every radix and every caller's text.
#include "floatmath/trimming.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace korvo {

namespace {

// A run this long of nines at the end of the written digits is taken for a
// value just below the digit before it.
constexpr std::size_t kRun = 9;
constexpr std::uint32_t kDecimal = 10;

// Adds one to the decimal integer text text[0, end) (an optional "-" first);
// a carry out of the first digit makes the text one digit longer.
void incrementInteger(std::string& text, std::size_t end) {
    const std::size_t first = !text.empty() && text.front() == '-' ? 1 : 0;
    for (std::size_t i = end; i-- > first;) {
        if (text[i] != '9') {
            ++text[i];
            return;
        }
        text[i] = '0';
    }
    text.insert(first, 1, '1');
}

void cutTrailingZeros(std::string& text, std::size_t start) {
    std::size_t end = text.size();
    while (end > start + 1 && text[end - 1] == '0') {
        --end;
    }
    // Nothing left after the point: the point goes too.
    if (end == start + 1 && end < text.size()) {
        end = start;
    }
    text.resize(end);
}

}  // namespace

void trimFraction(std::uint32_t radix, std::string& text, std::size_t start) {
    if (start >= text.size()) {
        return;
    }
    const std::size_t first = start + 1;  // text index of the first digit
    // Only a tail counts: the nines must run to the last digit written. A
    // run with any other digit after it is part of the number.
    const std::size_t lastNotNine = text.find_last_not_of('9');
    const std::size_t nines = std::min(text.size() - 1 - lastNotNine, text.size() - first);
    if (radix == kDecimal && text.size() > first && nines >= kRun) {
        const std::size_t runStart = text.size() - nines;
        if (runStart == first) {
            text.resize(start);
            incrementInteger(text, start);
            return;
        }
        ++text[runStart - 1];
        text.resize(runStart);
    }
    // A run of zeros at the end is no digit of the number at all.
    cutTrailingZeros(text, start);
}

}  // namespace korvo
