// Number text to LimbNumber and back. The parser reads the characters as the
// entry holds them (no validation: the keypad and the paste check only let
// digits of the radix, one point and a leading minus in) and builds the value
// with the limb primitives; the formatter divides digits out one at a time.
#include "intmath/numbertext.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "intmath/limbs.h"
#include "state/fixedtexts.h"

namespace korvo {

namespace {

constexpr std::uint32_t kNoEntryCopy = 8;

enum class CharKind : std::uint8_t { Digit, Point, Minus };

struct ReadChar {
    CharKind kind = CharKind::Digit;
    std::uint32_t value = 0;
};

void setLimbs4(Limbs8& dest, const Limbs4& src) {
    std::copy(src.begin(), src.end(), dest.begin());
}

Limbs4 integerHalf(const LimbNumber& n) {
    return {n.limbs[0], n.limbs[1], n.limbs[2], n.limbs[3]};
}

Limbs4 fractionHalf(const LimbNumber& n) {
    return {n.limbs[4], n.limbs[5], n.limbs[6], n.limbs[7]};
}

bool isZero(const Limbs4& v) {
    return std::all_of(v.begin(), v.end(), [](std::uint32_t w) { return w == 0; });
}

// productLimbs = `value` x the one-limb `multiplier`.
void multiplyByWord(CalculatorState& s, const Limbs4& value, std::uint32_t multiplier) {
    setLimbs4(s.limbA, value);
    s.limbB[2] = 0;
    s.limbB[3] = multiplier;
    limbMultiply(s);
}

// The value pass: digits from the last character back, each weighted by the
// running power of the radix. A point turns what was read so far into the
// fraction and starts the integer part afresh.
void accumulate(CalculatorState& s, const std::vector<ReadChar>& chars, std::size_t first,
                std::size_t end) {
    LimbNumber& r = s.limbResult;
    s.radixPower = {0, 0, 0, 1};
    std::uint32_t digitCount = 0;
    for (std::size_t i = end; i-- > first;) {
        if (chars[i].kind == CharKind::Point) {
            const Limbs4 fraction = integerHalf(r);
            const std::uint32_t intDigits = r.intDigits;
            const std::uint32_t fracZeros = r.fracZeros;
            const std::uint32_t negative = r.negative;
            clearResultBlock(s);
            std::copy(fraction.begin(), fraction.end(), r.limbs.begin() + 4);
            r.intDigits = intDigits;
            r.fracDigits = digitCount;
            r.fracZeros = fracZeros;
            r.negative = negative;
            s.radixPower = {0, 0, 0, 1};
            continue;
        }
        ++digitCount;
        multiplyByWord(s, s.radixPower, chars[i].value);
        setLimbs4(s.limbA, integerHalf(r));
        setLimbs4(s.limbB, s.productLimbs);
        s.integerLimbsOnly = 1;
        limbAdd(s);
        s.integerLimbsOnly = 0;
        multiplyByWord(s, s.radixPower, s.radix);
        s.radixPower = s.productLimbs;
    }
}

// The digit loop: divides `value` by the radix until nothing is left,
// appending the remainders' characters, least significant first.
void appendDigits(CalculatorState& s, const Limbs4& value, std::string& reversed) {
    setLimbs4(s.limbA, value);
    // A 128-bit value has at most 128 digits in any radix of at least 2.
    for (int guard = 0; guard < 130; ++guard) {
        const std::uint32_t d = limbDivide(s);
        setLimbs4(s.limbA, s.quotientLimbs);
        reversed.push_back(d <= 9 ? static_cast<char>('0' + d) : static_cast<char>('A' + d - 10));
        if (isZero(Limbs4{s.limbA[0], s.limbA[1], s.limbA[2], s.limbA[3]})) {
            return;
        }
    }
}

}  // namespace

void parseNumber(CalculatorState& s) {
    s.entryHasPoint = 0;
    clearResultBlock(s);
    std::string& text = s.workText;

    LimbNumber& r = s.limbResult;
    bool pointSeen = false;
    bool zeroRun = false;
    std::size_t count = 0;
    // The whole text is read: a 128-digit binary result must come back as
    // it was shown. One slot more for the terminator read as a digit.
    std::vector<ReadChar> chars(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        ReadChar& rc = chars[i];
        if (c > 0x60) {
            rc.value = c - 0x57U;
            zeroRun = false;
        } else if (c > 0x40) {
            rc.value = c - 0x37U;
            zeroRun = false;
        } else if (c == '.') {
            rc.kind = CharKind::Point;
            zeroRun = true;
            s.entryHasPoint = 1;
            pointSeen = true;
        } else if (c == '-') {
            rc.kind = CharKind::Minus;
            r.negative = 1;
        } else {
            rc.value = c ^ 0x30U;
            if (rc.value == 0 && zeroRun) {
                ++r.fracZeros;
            } else {
                zeroRun = false;
            }
        }
        count = i + 1;
        if (!pointSeen) {
            r.intDigits = static_cast<std::uint32_t>(count);
        }
    }
    s.parseRadix = s.radix;

    // The minus is taken to be the first character. With nothing (or only the
    // minus) read, the terminator is read as one digit 0.
    const std::size_t first = r.negative == 1 ? 1 : 0;
    if (r.negative == 1 && r.intDigits > 0) {
        --r.intDigits;
    }
    // A minus met in the value pass reads as its character code, as any other
    // unexpected character does.
    for (std::size_t i = first; i < count; ++i) {
        if (chars[i].kind == CharKind::Minus) {
            chars[i] = ReadChar{CharKind::Digit, static_cast<std::uint32_t>('-')};
        }
    }
    accumulate(s, chars, first, std::max(count, first + 1));

    // The parse leaves the text destroyed: every character replaced by its
    // value, read as a zero-terminated text.
    std::string destroyed;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = chars[i].kind == CharKind::Point   ? '.'
                       : chars[i].kind == CharKind::Minus ? '-'
                                                          : static_cast<char>(chars[i].value);
        if (c == '\0') {
            break;
        }
        destroyed.push_back(c);
    }
    text = destroyed;
}

void formatNumber(CalculatorState& s) {
    s.formattedPointPos = 0;
    const std::uint32_t savedRadix = s.radix;
    if (s.formatRadix != 0) {
        s.radix = s.formatRadix;
    }
    const LimbNumber& r = s.limbResult;
    const Limbs4 fraction = fractionHalf(r);
    const bool hasFraction = !isZero(fraction);
    s.limbB[3] = s.radix;

    std::string reversed;
    if (hasFraction) {
        appendDigits(s, fraction, reversed);
        reversed.append(r.fracZeros, '0');
        s.formattedPointPos = static_cast<std::uint32_t>(reversed.size());
        reversed.push_back('.');
    }
    appendDigits(s, integerHalf(r), reversed);

    // The digits were written over the start of workText, its old tail kept.
    if (s.workText.size() < reversed.size()) {
        s.workText.resize(reversed.size());
    }
    std::copy(reversed.begin(), reversed.end(), s.workText.begin());

    s.formatText = r.negative == 1 ? std::string(text::kMinus) : std::string();
    s.formatText.append(reversed.rbegin(), reversed.rend());

    if (s.radix == s.parseRadix) {
        const std::size_t point = s.formatText.find('.');
        s.intText = s.formatText.substr(0, point);
        s.fracText = point == std::string::npos ? std::string() : s.formatText.substr(point + 1);
    }
    if (s.formatNoEntryCopy != kNoEntryCopy) {
        s.entryText = s.formatText;
    }
    s.radix = savedRadix;
}

NumberTexts numberTexts(const LimbNumber& number, std::uint32_t radix) {
    CalculatorState s;
    s.radix = radix;
    s.parseRadix = radix;
    s.limbResult = number;
    formatNumber(s);
    return {s.formatText, s.intText, s.fracText};
}

LimbNumber numberOfText(std::string_view text, std::uint32_t radix) {
    CalculatorState s;
    s.radix = radix;
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    return s.limbResult;
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
