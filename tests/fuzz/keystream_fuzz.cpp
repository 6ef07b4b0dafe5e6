// libFuzzer target: bytes become what a person does at the window (keys,
// buttons, switches, pastes and typed characters of any bytes), carried out by
// korvocalc-cli's own driver, with the calculator's promises checked after
// every step. A broken one prints the korvocalc-cli line that replays it.
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "calc/commandids.h"
#include "cli/driver.h"
#include "cli/headlesswindow.h"
#include "cli/tokens.h"
#include "numberparts.h"
#include "state/calculatorstate.h"

namespace korvo::fuzz {
namespace {

constexpr std::array<std::string_view, 56> kTokens{
    "0",   "1",   "2",   "3",   "4",   "5",   "6",     "7",    "8",   "9",   "A",  "B",
    "C",   "D",   "E",   "F",   ".",   "+/-", "+",     "-",    "x",   "/",   "=",  "sqrt",
    "%",   "x^2", "MC",  "MR",  "MS",  "M+",  "M-",    "HYP",  "1/x", "x^N", "pi", "Sin",
    "Cos", "Tan", "Csc", "Sec", "Cot", "Log", "2^x",   "10^x", "e^x", "BS",  "CE", "Clear",
    "Dec", "Hex", "Oct", "Bin", "Deg", "Rad", "Float", "Arc"};

// A byte (modulo 64) picks a step: 0..55 a token of kTokens, 56..59 a paste of
// as many following bytes as the next byte says, 60..63 typing of (next byte
// modulo 16) following bytes, one token each. Texts leave out white space:
// korvocalc-cli splits tokens at it.
std::vector<std::string> decode(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> tokens;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t step = data[i++] % 64U;
        if (step < kTokens.size()) {
            tokens.emplace_back(kTokens.at(step));
            continue;
        }
        std::size_t count = i < size ? data[i++] : 0;
        std::string text;
        for (count = step < 60 ? count : count % 16; count > 0 && i < size; --count, ++i) {
            text += std::isspace(data[i]) != 0 ? "" : std::string(1, static_cast<char>(data[i]));
        }
        if (step < 60) {
            tokens.push_back("paste:" + text);
        }
        for (const char c : step < 60 ? std::string() : text) {
            tokens.push_back(std::string("type:") + c);
        }
    }
    return tokens;
}

std::string replayLine(const std::vector<std::string>& tokens) {
    std::string line = "printf '";
    for (const std::string& token : tokens) {
        line += escaped(token) + ' ';
    }
    return line + "' | korvocalc-cli --trace";
}

class Session {
  public:
    explicit Session(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}

    void run() {
        for (done_ = 0; done_ < tokens_.size(); ++done_) {
            step(tokens_[done_]);
        }
    }

  private:
    std::vector<std::string> tokens_;
    std::size_t done_ = 0;
    CalculatorState s_;
    HeadlessWindow ws_;

    void expect(bool holds, std::string_view what) {
        if (!holds) {
            tokens_.resize(done_ + 1);
            std::cerr << "korvo fuzz: " << what << " (entry \"" << escaped(ws_.entryText())
                      << "\")\n  replay: " << replayLine(tokens_) << std::endl;
            std::abort();
        }
    }

    // MR may note how many zeros follow the recalled number's point.
    auto memory(bool recall) {
        LimbNumber number = s_.memoryNumber;
        number.fracZeros = recall ? 0 : number.fracZeros;
        return std::tuple(number, s_.memoryReal, s_.memoryHeld, ws_.memoryIndicator());
    }

    void step(const std::string& token) {
        const auto action = cli::parseToken(token);
        const std::uint32_t id = action->kind == cli::ActionKind::Keypad ? action->id : 0;
        const bool recall = id == cmd::kMemoryRecall;
        const auto before = memory(recall);
        const std::string entryBefore = ws_.entryText();
        cli::perform(*action, s_, ws_);

        // A base change rewrites the memory in the new base's digits.
        expect(id == cmd::kMemoryClear || (id >= cmd::kMemoryStore && id <= cmd::kMemorySubtract) ||
                   action->kind == cli::ActionKind::Radio || memory(recall) == before,
               "the memory changed without a memory or base key");
        const std::string entry = ws_.entryText();
        const bool message = entry.starts_with('*');
        expect(message || readParts(entry, 16), "the entry shows no number text");
        bool cut = false;
        if (ws_.readoutPainted()) {  // the four lines show one number
            const auto dec = line(10, cut);
            expect(dec && dec->anyDigit, "the readout's decimal line is no number");
            // A zero in the entry has the readout's sign: only a typed one keeps its minus.
            const auto shown = readParts(entry, s_.radix);
            expect(!shown || !shown->anyDigit || shown->whole != 0 || shown->fraction != 0 ||
                       shown->negative == dec->negative,
                   "the entry and the readout give a zero different signs");
            for (const unsigned radix : {16U, 8U, 2U}) {
                const auto other = line(radix, cut);
                expect(other && (cut || dec->sameValue(*other, radix != 2)),
                       "the readout lines show different numbers");
            }
        }
        const auto typed = static_cast<unsigned char>(action->text.empty() ? ' ' : action->text[0]);
        const bool entryKey =
            (id != 0 && id <= cmd::kPoint) || action->kind == cli::ActionKind::Paste ||
            (action->kind == cli::ActionKind::Type && (std::isxdigit(typed) != 0 || typed == '.'));
        if (entry != entryBefore && !message && entryKey) {
            expect(entry.size() <= entryLimit(), "the entry grew past its length limit");
        }
        // A number just typed, pasted or edited in integer mode is the one the
        // readout shows (within what one parse reads).
        const auto number = readParts(entry, s_.radix);
        if (entry != entryBefore && s_.floatMode == 0 &&
            (entryKey || id == cmd::kSign || token == "BS") && number && number->anyDigit &&
            entry.size() <= 32 && number->fracDigits <= 19) {
            const auto inRadix = line(s_.radix, cut);
            expect(cut || (inRadix && number->sameValue(*inRadix, s_.radix != 2)),
                   "the readout shows another number than the entry");
        }
        if (token == "Clear") {
            checkCleared();
        }
    }

    [[nodiscard]] std::size_t entryLimit() const {
        std::size_t limit = s_.radix == 16 ? 28 : 34;
        limit =
            s_.pendingOp == PendingOperation::Multiply ? std::min<std::size_t>(limit, 16) : limit;
        return s_.pendingOp == PendingOperation::Divide || s_.floatMode == 1
                   ? std::min<std::size_t>(limit, 19)
                   : limit;
    }

    // The readout line of `radix`, the binary block read as one text: `cut`
    // when the block reached its 112 characters, where it may end in a mark.
    std::optional<NumberParts> line(unsigned radix, bool& cut) {
        const ReadoutPicture& picture = ws_.readout();
        std::string text = radix == 10   ? picture.decimal.text
                           : radix == 16 ? picture.hexadecimal.text
                                         : picture.octal.text;
        if (radix == 2) {
            text.clear();
            for (const PictureLine& binaryLine : picture.binary) {
                text += binaryLine.text;
            }
            std::erase(text, ' ');
            const bool negative = std::erase(text, '-') != 0;
            cut = text.size() + (negative ? 1 : 0) >= 112;
            text = (negative ? "-" : "") + text.substr(0, text.size() - (cut ? 1 : 0));
        }
        return readParts(text, radix);
    }

    // C empties the entry, the operator and the readout, and leaves nothing
    // pending: 1 + 1 = then gives 2 as on a fresh calculator in these modes.
    void checkCleared() {
        expect(ws_.entryText().empty() && ws_.readout().decimal.text == "0" &&
                   ws_.operatorIndicator().find_first_not_of(' ') == std::string::npos,
               "Clear left a number or an operator");
        CalculatorState copy = s_;
        HeadlessWindow probe;
        for (int which = 0; which <= static_cast<int>(Switch::Arc); ++which) {
            probe.setChecked(static_cast<Switch>(which), ws_.isChecked(static_cast<Switch>(which)));
        }
        for (const std::string_view key : {"1", "+", "1", "="}) {
            cli::perform(*cli::parseToken(key), copy, probe);
        }
        expect(probe.readout().decimal.text == "2", "after Clear, 1 + 1 = is not 2");
    }
};

}  // namespace
}  // namespace korvo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto tokens = korvo::fuzz::decode(data, size);
    if (std::getenv("KORVO_FUZZ_REPLAY") != nullptr) {
        std::cerr << "replay: " << korvo::fuzz::replayLine(tokens) << std::endl;
    }
    korvo::fuzz::Session(std::move(tokens)).run();
    return 0;
}
