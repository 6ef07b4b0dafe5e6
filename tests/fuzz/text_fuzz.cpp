// libFuzzer target: the number text conversions and the paste on any text, in
// every base and both modes. What comes out is a number text of the base
// within the 128-bit and 19-digit limits, reads back as the same number in any
// base, and keeps the output range rule of reals; a paste enters a number
// whole or clears the calculator with the paste message.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "calc/commandids.h"
#include "calc/pastetext.h"
#include "calc/windowcommands.h"
#include "cli/headlesswindow.h"
#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "numberparts.h"
#include "state/calculatorstate.h"

namespace korvo::fuzz {
namespace {

// The base (bits 0-1 of the first byte), the other base (bits 2-3), floating
// point (bit 4), and the text.
struct Input {
    std::uint8_t flags;
    std::string text;
    [[nodiscard]] std::uint32_t radix(unsigned shift = 0) const {
        return std::array{10U, 16U, 8U, 2U}.at((flags >> shift) & 3U);
    }
    [[nodiscard]] bool floatMode() const { return (flags & 16U) != 0; }
    // The korvocalc-cli line that types the text.
    [[nodiscard]] std::string replay() const {
        return "text in radix " + std::to_string(radix()) + " (then " + std::to_string(radix(2)) +
               ")\n  replay: korvocalc-cli " +
               std::array{"Dec", "Hex", "Oct", "Bin"}.at(flags & 3U) +
               (floatMode() ? " Float" : "") + " $'type:" + escaped(text) + "'";
    }
    void expect(bool holds, std::string_view what) const {
        if (!holds) {
            std::cerr << "korvo fuzz: " << what << "\n  " << replay() << std::endl;
            std::abort();
        }
    }
};

void checkNumberText(const Input& in) {
    const LimbNumber number = parseNumber(in.text, in.radix());
    const std::string formatted = numberText(number, in.radix());
    const auto out = readParts(formatted, in.radix());
    // No more digits than a 128-bit integer part has in this base.
    const std::size_t whole =
        std::min(formatted.find('.'), formatted.size()) - (out && out->negative ? 1 : 0);
    in.expect(out && whole >= 1 && whole <= std::array{39U, 32U, 43U, 128U}.at(in.flags & 3U) &&
                  !formatted.ends_with('.'),
              "formatNumber wrote no number text of the base");
    // A text a person can enter (within one parse's reach) is the number shown.
    const auto typed = readParts(in.text, in.radix());
    in.expect(!typed || !typed->anyDigit || in.text.size() > 32 || typed->fracDigits > 19 ||
                  out->sameValue(*typed),
              "parse and format changed the number");
    const auto other = readParts(numberText(number, in.radix(2)), in.radix(2));
    in.expect(other && other->sameValue(*out), "another base shows another number");
}

// The real's text; nothing when it is out of range.
std::optional<std::string> realText(const std::string& text, const Input& in) {
    const std::optional<RealTexts> texts = formatReal(parseReal(text, in.radix()), in.radix());
    return texts ? std::optional(texts->whole()) : std::nullopt;
}

void checkRealText(const Input& in) {
    const std::optional<std::string> written = realText(in.text, in);
    if (!written) {
        return;
    }
    const std::string& shown = *written;
    // A fraction only beside an integer part below 2^63.
    const auto parts = readParts(shown, in.radix());
    in.expect(parts && parts->anyDigit && parts->fracDigits <= 19 &&
                  (parts->fracDigits == 0 || parts->whole < (Wide{1} << 63)),
              "formatReal wrote no number text of the base, or one out of range");
    // Shown with far fewer digits than a real holds, it reads back as itself.
    std::string digits = shown;
    std::erase_if(digits, [](char c) { return c == '-' || c == '.'; });
    digits.erase(0, digits.find_first_not_of('0'));
    // A run of nine nines or zeros is the trimming's to round away.
    const bool trimmable = digits.find("999999999") != std::string::npos ||
                           digits.find("000000000") != std::string::npos;
    const std::string back = in.floatMode() && digits.size() <= 15 && !trimmable
                                 ? realText(shown, in).value_or("out of range")
                                 : shown;
    // A text is read into the nearest real, so it comes back digit for digit.
    in.expect(back == shown, "the real shown as " + shown + " reads back as " + back);
}

// A paste reads the text as a number of the base made only of the text's own
// digits, and enters exactly that number or nothing at all.
void checkPaste(const Input& in) {
    const std::optional<std::string> number = pastedNumber(in.text, in.radix());
    if (number && !number->empty()) {
        const auto parts = readParts(*number, in.radix());
        // In Hex a number read after a 0x may itself begin 0B, which a paste
        // of its own takes for the binary prefix and refuses.
        const std::string_view magnitude =
            std::string_view(*number).substr(number->starts_with('-'));
        const bool binaryLook =
            in.radix() == 16 && magnitude.size() > 2 && magnitude.starts_with("0B");
        const auto again = pastedNumber(*number, in.radix());
        in.expect(parts && parts->anyDigit && (binaryLook ? !again : again == number),
                  "a paste read " + *number + ", no number text of the base");
        std::size_t at = 0;
        for (const char c : *number) {
            const std::size_t found =
                in.text.find_first_of(std::string{c, static_cast<char>(std::tolower(c))}, at);
            in.expect(found != std::string::npos, "a paste read a character the text lacks");
            at = found + 1;
        }
    }
    CalculatorState s;
    HeadlessWindow ws;
    constexpr std::array kBases{Switch::Decimal, Switch::Hexadecimal, Switch::Octal,
                                Switch::Binary};
    ws.clickRadio(kBases.at(in.flags & 3U));
    runWindowCommand(s, ws, cmd::kDecimal + (in.flags & 3U));
    if (in.floatMode()) {
        ws.clickCheckBox(Switch::FloatingPoint);
        runWindowCommand(s, ws, cmd::kFloatingPoint);
    }
    ws.setClipboard(in.text);
    pasteCommand(s, ws);
    const bool refused = ws.entryText().empty() && !ws.messages().empty();
    in.expect(refused || (number && ws.entryText() == *number && ws.messages().empty()),
              "a paste entered \"" + ws.entryText() + "\"");
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
        std::cerr << in.replay() << std::endl;
    }
    korvo::fuzz::checkNumberText(in);
    korvo::fuzz::checkRealText(in);
    korvo::fuzz::checkPaste(in);
    return 0;
}
