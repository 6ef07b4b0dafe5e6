// Fraction trimming works on characters only: it never looks at a number, so
// the same rules serve every radix and every caller's text.
#include "floatmath/trimming.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvo {

namespace {

// A run this long of zeros is taken for the tail of a binary value.
constexpr std::size_t kZeroRun = 9;

// True when `count` characters from `from` are all "0" and all inside `digits`.
bool zerosAt(std::string_view digits, std::size_t from, std::size_t count) {
    if (from > digits.size() || digits.size() - from < count) {
        return false;
    }
    return digits.substr(from, count).find_first_not_of('0') == std::string_view::npos;
}

// Integer mode: trailing fraction zeros go, nothing else changes.
void cutTrailingZeros(std::string& text, std::size_t start) {
    std::size_t end = text.size();
    while (end > start && text[end - 1] == '0') {
        --end;
    }
    text.resize(end);
}

// Floating-point mode: cut at the first run of nine zeros (not one starting
// in the first three digits) or round up at the first "99" after another
// digit, whichever comes first. Returns after the first cut.
void roundFloatingTail(std::string& text, std::size_t start) {
    const std::size_t first = start + 1;  // text index of the first digit
    const std::size_t count = text.size() - first;
    for (std::size_t k = 1; k < count; ++k) {
        const std::string_view digits(text.data() + first, count);
        if (k >= 3 && zerosAt(digits, k, kZeroRun)) {
            std::size_t j = k;
            while (j > 0 && digits[j - 1] == '0') {
                --j;
            }
            std::size_t cut = first + j;
            // Nothing left after the point: the point goes too.
            if (text[cut - 1] == '.') {
                --cut;
            }
            text.resize(cut);
            return;
        }
        // "F" has no next digit, so a pair of nines after it is left alone.
        const char before = digits[k - 1];
        if (before != '9' && before != 'F' && k + 1 < count && digits[k] == '9' &&
            digits[k + 1] == '9') {
            text[first + k - 1] = static_cast<char>(before + 1);
            text.resize(first + k);
            return;
        }
    }
}

}  // namespace

void trimFraction(const CalculatorState& s, std::string& text, std::size_t start) {
    if (start >= text.size()) {
        return;
    }
    const std::size_t first = start + 1;
    const std::string_view digits(text.data() + first, text.size() - first);

    // A fraction of nine leading zeros is noise below the last shown digit.
    // The 1/x key keeps it, because its raised last digit must survive.
    if (s.reciprocalMode == 0 && zerosAt(digits, 0, kZeroRun)) {
        text.resize(start);
        return;
    }
    if (s.floatMode != 1) {
        cutTrailingZeros(text, start);
        return;
    }
    if (digits.size() >= 2) {
        roundFloatingTail(text, start);
    }
}

}  // namespace korvo
