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
#include "replay.h"
#include "state/calculatorstate.h"

namespace korvo::fuzz {
namespace {

constexpr std::array<std::uint32_t, 4> kRadices{10, 16, 8, 2};

struct Input {
    std::uint32_t radix;
    std::uint32_t otherRadix;
    std::uint32_t floatMode;
    std::string text;
};

// The input, and the korvocalc-cli line that types it (a replay when it is a
// text a person can type).
std::string describe(const Input& in) {
    constexpr std::array<std::string_view, 4> kBase{"", "Hex ", "Oct ", "Bin "};
    const auto base = kBase.at(
        static_cast<std::size_t>(std::ranges::find(kRadices, in.radix) - kRadices.begin()));
    return "text '" + escaped(in.text) + "' in radix " + std::to_string(in.radix) + " (then " +
           std::to_string(in.otherRadix) + ")\n  replay: korvocalc-cli " + std::string(base) +
           (in.floatMode != 0 ? "Float " : "") + "$'type:" + escaped(in.text) + "'";
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

std::string parseAndFormat(CalculatorState& s, const std::string& text, std::uint32_t radix) {
    s.radix = radix;
    s.workText = text;
    parseNumber(s);
    return formatIn(s, radix);
}

void checkNumberText(const Input& in) {
    CalculatorState s;
    const std::string formatted = parseAndFormat(s, in.text, in.radix);
    const auto out = readParts(formatted, in.radix);
    // At most the digits of a 128-bit integer part in this base.
    const std::size_t longest = in.radix == 10   ? 39
                                : in.radix == 16 ? 32
                                : in.radix == 8  ? 43
                                                 : 128;
    const std::size_t whole =
        std::min(formatted.find('.'), formatted.size()) - (formatted.starts_with('-') ? 1 : 0);
    expect(out && whole >= 1 && whole <= longest && !formatted.ends_with('.'),
           "formatNumber wrote no number text of the base", in);

    // A text a person can enter (within one parse's reach) is the number shown.
    const auto typed = readParts(in.text, in.radix);
    if (typed && typed->anyDigit && in.text.size() <= 32 && typed->fracDigits <= 19) {
        expect(out->sameValue(*typed), "parse and format changed the number", in);
    }

    // Written in another base it is the same number, and read there it
    // formats back to the same text.
    const std::string other = formatIn(s, in.otherRadix);
    const auto otherParts = readParts(other, in.otherRadix);
    expect(otherParts && otherParts->sameValue(*out), "another base shows another number", in);
    if (other.size() <= 32 && otherParts->fracDigits <= 19) {
        CalculatorState back;
        parseAndFormat(back, other, in.otherRadix);
        expect(formatIn(back, in.radix) == formatted, "a change of base and back changed the text",
               in);
    }
}

// The real's text; the out-of-range message leaves no value behind.
std::string realText(const std::string& text, const Input& in, CalculatorState& s) {
    s.radix = in.radix;
    s.floatMode = in.floatMode;
    s.workText = text;
    parseReal(s);
    const bool outOfRange = formatReal(s, s.realValue);
    expect(outOfRange == s.entryText.starts_with("** The output is out of range **"),
           "formatReal misreported the range", in);
    expect(
        !outOfRange || (s.realValue == Real80{} && s.realIntText.empty() && s.realFracText.empty()),
        "an out-of-range result kept a value", in);
    return s.entryText;
}

void checkRealText(const Input& in) {
    CalculatorState s;
    const std::string shown = realText(in.text, in, s);
    if (shown.starts_with('*')) {
        return;
    }
    const auto whole = readParts(s.realIntText, in.radix);
    const auto fraction = readParts(s.realFracText, in.radix);
    expect(shown == s.realIntText + s.realFracText && whole && whole->anyDigit &&
               whole->fracDigits == 0 && fraction &&
               (s.realFracText.empty() || s.realFracText.starts_with('.')) &&
               fraction->fracDigits + (s.realFracText.empty() ? 0 : 1) == s.realFracText.size(),
           "formatReal wrote no number text of the base", in);
    expect(fraction->fracDigits <= 19 && (fraction->fracDigits == 0 || s.realIntText.size() <= 18),
           "formatReal broke the output range rule", in);

    // Shown with few digits (far fewer than a real holds), a real reads back
    // as the same text.
    std::string digits = shown;
    std::erase(digits, '-');
    std::erase(digits, '.');
    digits.erase(0, digits.find_first_not_of('0'));
    if (in.floatMode == 1 && digits.size() <= 15) {
        CalculatorState again;
        expect(realText(shown, in, again) == shown, "a shown real reads back as another text", in);
    }
}

}  // namespace
}  // namespace korvo::fuzz

// First byte: the base (bits 0-1), the other base (bits 2-3), floating-point
// mode (bit 4); the rest is the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    using korvo::fuzz::kRadices;
    const korvo::fuzz::Input in{kRadices.at(data[0] & 3U), kRadices.at((data[0] >> 2U) & 3U),
                                (data[0] >> 4U) & 1U,
                                std::string(reinterpret_cast<const char*>(data + 1), size - 1)};
    if (std::getenv("KORVO_FUZZ_REPLAY") != nullptr) {
        std::cerr << korvo::fuzz::describe(in) << std::endl;
    }
    korvo::fuzz::checkNumberText(in);
    korvo::fuzz::checkRealText(in);
    return 0;
}
