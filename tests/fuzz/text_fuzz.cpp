// libFuzzer target: the number text conversions on any text, in every base and
// both modes. What comes out is a number text of the base within the 128-bit
// and 19-digit limits, reads back as the same number in any base, and keeps
// the output range rule of reals.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "numberparts.h"
#include "state/calculatorstate.h"

namespace korvo::fuzz {
namespace {

constexpr std::array<std::uint32_t, 4> kRadices{10, 16, 8, 2};
constexpr std::array<std::string_view, 4> kBaseTokens{"Dec", "Hex", "Oct", "Bin"};

struct Input {
    std::uint8_t flags;  // the base (bits 0-1), the other base (bits 2-3), floating point (bit 4)
    std::string text;
    [[nodiscard]] std::uint32_t radix() const { return kRadices.at(flags & 3U); }
    [[nodiscard]] std::uint32_t otherRadix() const { return kRadices.at((flags >> 2U) & 3U); }
    [[nodiscard]] std::uint32_t floatMode() const { return (flags >> 4U) & 1U; }
};

// The korvocalc-cli line that types the text, a replay when a person can type it.
std::string describe(const Input& in) {
    return "text in radix " + std::to_string(in.radix()) + " (then " +
           std::to_string(in.otherRadix()) + ")\n  replay: korvocalc-cli " +
           std::string(kBaseTokens.at(in.flags & 3U)) + (in.floatMode() != 0 ? " Float" : "") +
           " $'type:" + escaped(in.text) + "'";
}

void expect(bool holds, std::string_view what, const Input& in) {
    if (!holds) {
        std::cerr << "korvo fuzz: " << what << "\n  " << describe(in) << std::endl;
        std::abort();
    }
}

std::string formatIn(CalculatorState& s, std::uint32_t radix) {
    s.formatRadix = radix;
    formatNumber(s);
    s.formatRadix = 0;
    return s.formatText;
}

void checkNumberText(const Input& in) {
    CalculatorState s;
    s.radix = in.radix();
    s.workText = in.text;
    parseNumber(s);
    const std::string formatted = formatIn(s, in.radix());
    const auto out = readParts(formatted, in.radix());
    // No more digits than a 128-bit integer part has in this base.
    const std::size_t longest = std::array{39, 32, 43, 128}.at(in.flags & 3U);
    const std::size_t whole =
        std::min(formatted.find('.'), formatted.size()) - (out && out->negative ? 1 : 0);
    expect(out && whole >= 1 && whole <= longest && !formatted.ends_with('.'),
           "formatNumber wrote no number text of the base", in);

    // A text a person can enter (within one parse's reach) is the number shown.
    const auto typed = readParts(in.text, in.radix());
    if (typed && typed->anyDigit && in.text.size() <= 32 && typed->fracDigits <= 19) {
        expect(out->sameValue(*typed), "parse and format changed the number", in);
    }

    // Another base shows the same number.
    const auto other = readParts(formatIn(s, in.otherRadix()), in.otherRadix());
    expect(other && other->sameValue(*out), "another base shows another number", in);
}

// The real's text; the out-of-range message leaves the value zero.
std::string realText(const std::string& text, const Input& in) {
    CalculatorState s;
    s.radix = in.radix();
    s.floatMode = in.floatMode();
    s.workText = text;
    parseReal(s);
    const bool outOfRange = formatReal(s, s.realValue);
    expect(outOfRange == s.entryText.starts_with("** The output is out of range **") &&
               (!outOfRange || s.realValue == Real80{}),
           "formatReal broke the out-of-range rule", in);
    return s.entryText;
}

void checkRealText(const Input& in) {
    const std::string shown = realText(in.text, in);
    const auto parts = readParts(shown, in.radix());
    if (shown.starts_with('*')) {
        return;
    }
    // A fraction only with an integer part of at most 18 characters, sign included.
    expect(parts && parts->anyDigit && parts->fracDigits <= 19 &&
               (parts->fracDigits == 0 || shown.find('.') <= 18),
           "formatReal wrote no number text of the base, or one out of range", in);

    // Shown with far fewer digits than a real holds, it reads back as itself.
    std::string digits = shown;
    std::erase(digits, '-');
    std::erase(digits, '.');
    digits.erase(0, digits.find_first_not_of('0'));
    const std::string back =
        in.floatMode() == 0 || digits.size() > 15 ? shown : realText(shown, in);
    expect(back == shown, "the real shown as " + shown + " reads back as " + back, in);
}

}  // namespace
}  // namespace korvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const korvo::fuzz::Input in{data[0],
                                std::string(reinterpret_cast<const char*>(data + 1), size - 1)};
    if (std::getenv("KORVO_FUZZ_REPLAY") != nullptr) {
        std::cerr << korvo::fuzz::describe(in) << std::endl;
    }
    korvo::fuzz::checkNumberText(in);
    korvo::fuzz::checkRealText(in);
    return 0;
}
