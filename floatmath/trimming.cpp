// Fraction trimming works on characters only: it never looks at a number, so
// the same rules serve every radix and every caller's text.
#include "floatmath/trimming.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo {

namespace {

// A run this long of zeros or nines is taken for the tail of a binary value.
constexpr std::size_t kRun = 9;
// A zero run past the first digit counts only from the fourth digit on, so
// a short value such as 12.30000000004 keeps its genuine last digit.
constexpr std::size_t kFirstLateZeroRun = 3;
constexpr std::uint32_t kDecimal = 10;

// True when `count` characters from `from` are all `c` and all inside `digits`.
bool runAt(std::string_view digits, std::size_t from, std::size_t count, char c) {
    if (from > digits.size() || digits.size() - from < count) {
        return false;
    }
    return digits.substr(from, count).find_first_not_of(c) == std::string_view::npos;
}

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

// Index of the first significant fraction digit: 0 when the integer part
// has a non-zero digit (all its fraction digits count), else the first
// fraction digit that is not "0".
std::size_t firstSignificant(std::string_view integerPart, std::string_view digits) {
    if (integerPart.find_first_not_of("-0") != std::string_view::npos) {
        return 0;
    }
    const std::size_t found = digits.find_first_not_of('0');
    return found == std::string_view::npos ? digits.size() : found + 1;
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

void trimFraction(const CalculatorState& s, std::string& text, std::size_t start) {
    if (start >= text.size()) {
        return;
    }
    const std::size_t first = start + 1;  // text index of the first digit
    const std::size_t count = text.size() - first;
    // Zeros before the first significant digit are the value's scale, not
    // noise: a run may only start after it.
    const std::size_t earliestZeroRun = firstSignificant(std::string_view(text).substr(0, start),
                                                         std::string_view(text).substr(first));
    for (std::size_t k = 0; k < count; ++k) {
        const std::string_view digits(text.data() + first, count);
        const bool zeroRunAllowed = k >= earliestZeroRun && (k == 0 || k >= kFirstLateZeroRun);
        if (zeroRunAllowed && runAt(digits, k, kRun, '0')) {
            std::size_t j = k;
            while (j > 0 && digits[j - 1] == '0') {
                --j;
            }
            // Nothing left after the point: the point goes too.
            text.resize(j == 0 ? start : first + j);
            return;
        }
        if (s.radix == kDecimal && runAt(digits, k, kRun, '9')) {
            if (k == 0) {
                text.resize(start);
                incrementInteger(text, start);
                return;
            }
            ++text[first + k - 1];
            text.resize(first + k);
            break;
        }
    }
    cutTrailingZeros(text, start);
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
