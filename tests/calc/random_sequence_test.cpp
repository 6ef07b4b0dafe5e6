// Seeded random key sequences, checking after every key what must always
// hold: the memory changes only by its own keys, typed digits stay within the
// entry limit, and in integer mode the readout shows the number the entry stands for.
#include <array>
#include <random>
#include <string>

#include "control_fixture.h"
#include "intmath/numbertext.h"
#include "state/fixedtexts.h"

namespace korvo::control_test {
namespace {

bool changesMemory(std::uint32_t id) {
    return id == cmd::kMemoryClear || id == cmd::kMemoryStore || id == cmd::kMemoryAdd ||
           id == cmd::kMemorySubtract;
}

// A typed text as the number it stands for: at most 19 fraction digits.
std::string asNumber(const std::string& text) {
    CalculatorState s;
    s.workText = text;
    parseNumber(s);
    formatNumber(s);
    return s.entryText;
}

class RandomSequence : public ControlTest, public ::testing::WithParamInterface<unsigned> {
  protected:
    // Window commands are given as ids below the keypad's.
    void run(std::uint32_t id) {
        if (id >= cmd::kDigit0) {
            press(id);
        } else if (id == cmd::kFloatingPoint) {
            ws.clickCheckBox(Switch::FloatingPoint);
            floatingPointClicked(s, ws);
        } else if (id == cmd::kHexadecimal || id == cmd::kDecimal) {
            ws.clickRadio(id == cmd::kDecimal ? Switch::Decimal : Switch::Hexadecimal);
            selectRadix(s, ws, id == cmd::kDecimal ? 10 : 16);
        } else {
            runWindowCommand(s, ws, id);
        }
    }
};

TEST_P(RandomSequence, KeepsItsPromises) {
    std::mt19937 random(GetParam());
    const std::array<std::uint32_t, 6> commands = {cmd::kBackSpace, cmd::kClearEntry,
                                                   cmd::kClearAll,  cmd::kFloatingPoint,
                                                   cmd::kDecimal,   cmd::kHexadecimal};
    for (int step = 0; step < 4000; ++step) {
        const std::uint32_t pick = random() % 60;
        // Digits and the point most often, so that numbers grow long.
        const std::uint32_t id = pick < 24   ? cmd::kDigit0 + pick % 10
                                 : pick < 27 ? cmd::kPoint
                                 : pick < 54 ? cmd::kSign + (pick - 27)
                                             : commands[pick - 54];
        const LimbNumber memory = s.memoryNumber;
        const Real80 memoryReal = s.memoryReal;
        const std::string indicator = ws.memoryIndicator();
        run(id);
        SCOPED_TRACE("seed " + std::to_string(GetParam()) + " step " + std::to_string(step) +
                     " key " + std::to_string(id));
        if (!changesMemory(id)) {
            ASSERT_EQ(s.memoryNumber, memory);
            ASSERT_EQ(s.memoryReal, memoryReal);
            ASSERT_EQ(ws.memoryIndicator(), indicator);
        }
        const std::string shown = entry();
        if (id <= cmd::kPoint && shown != text::kOutOfRange) {
            ASSERT_LE(shown.size(), s.radix == 16 ? 28U : 34U) << shown;
        }
        if (id == cmd::kEquals && s.radix == 10 && s.floatMode == 0 && !shown.empty() &&
            shown != text::kOutOfRange) {
            const std::string& line = ws.readout().decimal.text;
            ASSERT_TRUE(line == shown || line == asNumber(shown)) << line << " for " << shown;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSequence, ::testing::Values(1U, 2U, 3U));

}  // namespace
}  // namespace korvo::control_test
