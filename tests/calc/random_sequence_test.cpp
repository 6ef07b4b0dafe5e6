// Long seeded random sequences of everything a person can do at the window,
// with the calculator's lasting promises checked after every single key: the
// memory survives all keys but its own, the entry keeps its length limits,
// and a shown result is exactly what both numbers hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/entryfield.h"
#include "calc/windowcommands.h"
#include "cli/headlesswindow.h"
#include "floatmath/realtext.h"
#include "intmath/numbertext.h"
#include "state/calculatorstate.h"

namespace korvo {
namespace {

constexpr std::size_t kTokensPerRun = 50'000;
constexpr std::size_t kHistoryKept = 24;

struct MemorySnapshot {
    LimbNumber number;
    Real80 real;
    std::uint32_t held = 0;
    std::string indicator;
    friend bool operator==(const MemorySnapshot&, const MemorySnapshot&) = default;
};

// What must hold after one key, worked out before it runs.
struct Promise {
    bool memoryMayChange = false;
    std::optional<std::size_t> entryLimit;  // the entry is at most this long
    bool showsResult = false;               // both numbers must equal the shown text
};

bool isMemoryKey(std::uint32_t id) {
    return id == cmd::kMemoryClear || id == cmd::kMemoryStore || id == cmd::kMemoryAdd ||
           id == cmd::kMemorySubtract;
}

bool isFunctionKey(std::uint32_t id) {
    return id == cmd::kSquareRoot || id == cmd::kSquare || id == cmd::kReciprocal ||
           (id >= cmd::kSin && id <= cmd::kEToX);
}

// Square root, x squared, 1/x, Log and e^x do nothing on an empty entry.
bool functionNeedsEntry(std::uint32_t id) {
    return id == cmd::kSquareRoot || id == cmd::kSquare || id == cmd::kReciprocal ||
           id == cmd::kLog || id == cmd::kEToX;
}

class RandomSession {
  public:
    explicit RandomSession(std::uint32_t seed) : random_(seed) {}

    void run(std::size_t tokens) {
        for (std::size_t i = 0; i < tokens && !::testing::Test::HasFailure(); ++i) {
            oneToken();
        }
    }

  private:
    CalculatorState s_;
    HeadlessWindow ws_;
    std::mt19937 random_;
    std::deque<std::string> history_;

    std::uint32_t below(std::uint32_t bound) {
        return std::uniform_int_distribution<std::uint32_t>(0, bound - 1)(random_);
    }

    template <typename T, std::size_t N>
    const T& pick(const std::array<T, N>& choices) {
        return choices[below(N)];
    }

    void note(std::string token) {
        history_.push_back(std::move(token));
        if (history_.size() > kHistoryKept) {
            history_.pop_front();
        }
    }

    [[nodiscard]] std::string recent() const {
        std::ostringstream text;
        for (const std::string& token : history_) {
            text << token << ' ';
        }
        return text.str();
    }

    [[nodiscard]] MemorySnapshot memory() const {
        return {s_.memoryNumber, s_.memoryReal, s_.memoryHeld, ws_.memoryIndicator()};
    }

    [[nodiscard]] bool keypadBlocked() { return ws_.entryText().starts_with('*'); }

    // The append step's limits with the pending operation and mode in force.
    [[nodiscard]] std::size_t appendLimit() const {
        std::size_t limit = s_.radix == 16 ? 28 : 34;
        if (s_.pendingOp == 3) {
            limit = std::min<std::size_t>(limit, 16);
        }
        if (s_.pendingOp == 4 || s_.floatMode == 1) {
            limit = std::min<std::size_t>(limit, 19);
        }
        return limit;
    }

    // A key released in the entry field cuts the text before any command.
    [[nodiscard]] std::optional<std::size_t> releaseLimit() const {
        if (s_.pendingOp == 3) {
            return 16;
        }
        if (s_.pendingOp == 4 || s_.floatMode == 1) {
            return 19;
        }
        return std::nullopt;
    }

    [[nodiscard]] bool acceptsDigitKey(std::uint32_t id) const {
        return id == cmd::kPoint || id - cmd::kDigit0 < s_.radix;
    }

    // What a keypad command promises, given the state before it.
    Promise promiseForKey(std::uint32_t id) {
        Promise promise;
        promise.memoryMayChange = isMemoryKey(id);
        if (keypadBlocked()) {
            return promise;
        }
        if (id <= cmd::kPoint && acceptsDigitKey(id)) {
            // A key past a limit is refused: a longer entry stays as it is.
            promise.entryLimit = std::max(appendLimit(), ws_.entryText().size());
        }
        const bool pending = s_.pendingOp != 0 || s_.powerPending != 0 || s_.hypotenusePending != 0;
        const bool entryEmpty = readEntry().empty();
        promise.showsResult = (id == cmd::kEquals && pending) ||
                              (isFunctionKey(id) && !(functionNeedsEntry(id) && entryEmpty));
        return promise;
    }

    std::string readEntry() { return ws_.entryText().substr(0, 34); }

    void oneToken() {
        switch (below(20)) {
            case 0:
            case 1:
            case 2:
            case 3:
            case 4:
            case 5:
                return pressKey(cmd::kDigit0 + below(16));
            case 6:
                return pressKey(below(2) == 0 ? cmd::kPoint : cmd::kSign);
            case 7:
            case 8:
                return pressKey(
                    pick(std::array{cmd::kAdd, cmd::kSubtract, cmd::kMultiply, cmd::kDivide,
                                    cmd::kHypotenuse, cmd::kPower, cmd::kPercent}));
            case 9:
                return pressKey(cmd::kEquals);
            case 10:
                return pressKey(
                    pick(std::array{cmd::kSquareRoot, cmd::kSquare, cmd::kReciprocal, cmd::kPi,
                                    cmd::kSin, cmd::kCos, cmd::kTan, cmd::kCsc, cmd::kSec,
                                    cmd::kCot, cmd::kLog, cmd::kTwoToX, cmd::kTenToX, cmd::kEToX}));
            case 11:
                // MC rarely, so that a held memory is usually there to watch.
                return pressKey(below(8) == 0
                                    ? cmd::kMemoryClear
                                    : pick(std::array{cmd::kMemoryRecall, cmd::kMemoryStore,
                                                      cmd::kMemoryAdd, cmd::kMemorySubtract}));
            case 12:
                return windowCommand(
                    pick(std::array{cmd::kBackSpace, cmd::kClearEntry, cmd::kClearAll}));
            case 13:
                return clickBase();
            case 14:
                return clickSwitch();
            case 15:
            case 16:
                return paste();
            case 17:
            case 18:
                return type();
            default:
                return cutOrCopy();
        }
    }

    void pressKey(std::uint32_t id) {
        note("key:" + std::to_string(id));
        const Promise promise = promiseForKey(id);
        const MemorySnapshot before = memory();
        dispatchKeypadCommand(s_, ws_, id);
        check(promise, before);
    }

    void windowCommand(std::uint32_t id) {
        note("command:" + std::to_string(id));
        const MemorySnapshot before = memory();
        runWindowCommand(s_, ws_, id);
        check(Promise{}, before);
    }

    void clickBase() {
        struct Base {
            Switch control;
            std::uint32_t id;
        };
        const Base base = pick(std::array{
            Base{Switch::Decimal, cmd::kDecimal}, Base{Switch::Hexadecimal, cmd::kHexadecimal},
            Base{Switch::Octal, cmd::kOctal}, Base{Switch::Binary, cmd::kBinary}});
        ws_.clickRadio(base.control);
        windowCommand(base.id);
    }

    void clickSwitch() {
        struct Box {
            Switch control;
            std::uint32_t id;
        };
        const Box box = pick(
            std::array{Box{Switch::FloatingPoint, cmd::kFloatingPoint}, Box{Switch::Arc, cmd::kArc},
                       Box{Switch::Degrees, cmd::kDegrees}, Box{Switch::Radians, cmd::kRadians}});
        ws_.clickCheckBox(box.control);
        windowCommand(box.id);
    }

    // Mostly digits of the base in force (so many pastes are taken), with
    // letters, punctuation and bytes above 0x7F mixed in.
    std::string randomPasteText() {
        static constexpr std::string_view kDigits = "0123456789ABCDEF";
        static constexpr std::string_view kOthers = "abcdefxyzXYZ.-+*/=;%!\"' \t\r\n*";
        const bool clean = below(2) == 0;
        std::string text(below(41), '0');
        for (char& c : text) {
            const std::uint32_t kind = clean ? 0 : below(6);
            if (kind <= 2) {
                c = kDigits[below(s_.radix)];
            } else if (kind <= 4) {
                c = kOthers[below(static_cast<std::uint32_t>(kOthers.size()))];
            } else {
                c = static_cast<char>(0x80 + below(0x80));
            }
        }
        return text;
    }

    void paste() {
        const std::string text = randomPasteText();
        note("paste:" + text);
        const MemorySnapshot before = memory();
        const std::size_t messagesBefore = ws_.messages().size();
        ws_.setClipboard(text);
        pasteCommand(s_, ws_);
        Promise promise;
        // A paste that was taken went through the append step, after the
        // clear-all that ended any pending operation.
        if (ws_.messages().size() == messagesBefore) {
            promise.entryLimit = appendLimit();
        }
        check(promise, before);
    }

    // Typed characters, one key each, with the focus on the main window.
    void type() {
        static constexpr std::string_view kTyped = "0123456789abcdefABCDEF.+-*/=;%gqzGZ! ,\x80\xe9";
        const std::uint32_t count = 1 + below(5);
        for (std::uint32_t i = 0; i < count && !::testing::Test::HasFailure(); ++i) {
            typeCharacter(kTyped[below(static_cast<std::uint32_t>(kTyped.size()))]);
        }
    }

    void typeCharacter(char character) {
        constexpr std::uint32_t kNoKey = 0xFF;
        const std::uint32_t key = virtualKeyForCharacter(character).value_or(kNoKey);
        const std::optional<std::uint32_t> command = keyCommand(key);
        note(std::string("type:") + character);
        // The release cut runs before any command. An accepted digit then
        // appends within its own limits; a refused or blocked one changes
        // nothing more, and neither does a key without a command.
        Promise promise = command ? promiseForKey(*command) : Promise{};
        if ((!command || *command <= cmd::kPoint) && !promise.entryLimit && releaseLimit()) {
            promise.entryLimit = std::max(*releaseLimit(), ws_.entryText().size());
        }
        const MemorySnapshot before = memory();
        mainWindowKeyDown(ws_);
        entryKeyUp(s_, ws_, key);
        check(promise, before);
    }

    void cutOrCopy() {
        const auto size = static_cast<std::uint32_t>(ws_.entryText().size());
        const std::uint32_t start = below(size + 2);
        const std::uint32_t end = start + below(size + 2);
        ws_.select(start, end);
        // Cut and Copy act only while text is selected (greyed otherwise).
        if (!cutCopyEnabled(s_, ws_)) {
            return;
        }
        windowCommand(below(2) == 0 ? cmd::kCut : cmd::kCopy);
    }

    void check(const Promise& promise, const MemorySnapshot& before) {
        if (!promise.memoryMayChange) {
            EXPECT_TRUE(memory() == before) << "memory changed after: " << recent();
        }
        const std::string entry = ws_.entryText();
        if (promise.entryLimit) {
            EXPECT_LE(entry.size(), *promise.entryLimit)
                << "entry \"" << entry << "\" after: " << recent();
        }
        if (promise.showsResult && !entry.starts_with('*')) {
            checkResult(entry);
        }
        checkBetweenCommands();
    }

    // After a shown result both numbers are what the text says, and nothing
    // is pending.
    void checkResult(const std::string& shown) {
        CalculatorState scratch;
        scratch.radix = s_.radix;
        scratch.workText = shown;
        parseNumber(scratch);
        EXPECT_EQ(scratch.limbResult, s_.limbResult) << "\"" << shown << "\" after: " << recent();
        scratch.workText = shown;
        parseReal(scratch);
        EXPECT_EQ(scratch.realValue, s_.realValue) << "\"" << shown << "\" after: " << recent();
        EXPECT_EQ(s_.pendingOp, 0U) << recent();
        EXPECT_EQ(s_.firstOperandSet, 0U) << recent();
        EXPECT_EQ(s_.powerPending + s_.hypotenusePending + s_.reciprocalMode, 0U) << recent();
    }

    void checkBetweenCommands() {
        EXPECT_EQ(s_.formatRadix, 0U) << recent();
        EXPECT_EQ(s_.readoutPainting, 0U) << recent();
        EXPECT_EQ(s_.pendingKeyCommand, 0U) << recent();
        EXPECT_TRUE(s_.radix == 10 || s_.radix == 16 || s_.radix == 8 || s_.radix == 2);
        const std::string& indicator = ws_.operatorIndicator();
        const std::size_t end = indicator.find_last_not_of(' ');
        const std::string shown = end == std::string::npos ? "" : indicator.substr(0, end + 1);
        EXPECT_TRUE(shown.empty() || shown == "+" || shown == "-" || shown == "x" || shown == "/" ||
                    shown == "=")
            << "operator box \"" << indicator << "\" after: " << recent();
        if (ws_.readoutPainted()) {
            EXPECT_LE(ws_.readout().binary.size(), 7U) << recent();
        }
    }
};

class RandomSequence : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(RandomSequence, KeepsItsPromisesAfterEveryKey) {
    RandomSession session(GetParam());
    session.run(kTokensPerRun);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequence,
                         ::testing::Values(0x4B4F5256U, 20240611U, 77U, 0xC0FFEEU));

}  // namespace
}  // namespace korvo
