// A calculator in a headless window worked by a line of key names, the way a
// person clicks through a calculation: "200 + 10 % =", "Float 3 HYP 4 =".
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/windowcommands.h"
#include "cli/headlesswindow.h"
#include "control_fixture.h"
#include "state/calculatorstate.h"
#include "state/fixedtexts.h"

namespace korvo::keys_test {

using control_test::limbsOf;
using control_test::realOf;

inline const std::string kOutOfRange{text::kOutOfRange};

struct Calculator {
    CalculatorState s;
    HeadlessWindow ws;

    // Runs the words of `line`: a number such as 12.5 or 1F is clicked digit
    // by digit, other words name keys and switches ("Clear" is C, since C is
    // a hexadecimal digit).
    void run(std::string_view line) {
        static const std::map<std::string, std::uint32_t, std::less<>> kKeys = {
            {"+/-", cmd::kSign},        {"+", cmd::kAdd},
            {"-", cmd::kSubtract},      {"x", cmd::kMultiply},
            {"/", cmd::kDivide},        {"=", cmd::kEquals},
            {"sqrt", cmd::kSquareRoot}, {"%", cmd::kPercent},
            {"x^2", cmd::kSquare},      {"MC", cmd::kMemoryClear},
            {"MR", cmd::kMemoryRecall}, {"MS", cmd::kMemoryStore},
            {"M+", cmd::kMemoryAdd},    {"M-", cmd::kMemorySubtract},
            {"HYP", cmd::kHypotenuse},  {"1/x", cmd::kReciprocal},
            {"x^N", cmd::kPower},       {"Sin", cmd::kSin},
            {"Cos", cmd::kCos},         {"Tan", cmd::kTan},
            {"Csc", cmd::kCsc},         {"Sec", cmd::kSec},
            {"Cot", cmd::kCot},         {"Log", cmd::kLog},
            {"2^x", cmd::kTwoToX},      {"10^x", cmd::kTenToX},
            {"e^x", cmd::kEToX},        {"Clear", cmd::kClearAll},
            {"CE", cmd::kClearEntry},   {"BS", cmd::kBackSpace},
        };
        std::istringstream words{std::string(line)};
        std::string word;
        while (words >> word) {
            const auto key = kKeys.find(word);
            if (key == kKeys.end()) {
                runSwitchOrNumber(word);
            } else if (key->second >= cmd::kDigit0) {
                dispatchKeypadCommand(s, ws, key->second);
            } else {
                runWindowCommand(s, ws, key->second);
            }
        }
    }

    [[nodiscard]] std::string entry() { return ws.entryText(); }

  private:
    void runSwitchOrNumber(const std::string& word) {
        if (word == "Hex") {
            ws.clickRadio(Switch::Hexadecimal);
            selectRadix(s, ws, 16);
        } else if (word == "Bin") {
            ws.clickRadio(Switch::Binary);
            selectRadix(s, ws, 2);
        } else if (word == "Float") {
            ws.clickCheckBox(Switch::FloatingPoint);
            floatingPointClicked(s, ws);
        } else if (word == "Arc") {
            ws.clickCheckBox(Switch::Arc);
            arcClicked(s, ws);
        } else if (word == "Rad") {
            ws.clickCheckBox(Switch::Radians);
            radiansClicked(s, ws);
        } else {
            for (const char digit : word) {
                const auto at = std::string_view("0123456789ABCDEF.").find(digit);
                ASSERT_NE(at, std::string_view::npos) << "no key named " << word;
                dispatchKeypadCommand(s, ws, cmd::kDigit0 + static_cast<std::uint32_t>(at));
            }
        }
    }
};

// One calculation and the entry it must leave.
struct KeyCase {
    const char* name;
    const char* keys;
    std::string entry;
};

// Failures name the keys, not the bytes of the case.
inline void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << '"' << c.keys << '"';
}

inline std::string caseName(const ::testing::TestParamInfo<KeyCase>& info) {
    return info.param.name;
}

// Runs `keys` in integer mode and again with "Floating Point" switched on.
template <class Check>
void inBothModes(std::string_view keys, Check check) {
    for (const std::string mode : {"", "Float "}) {
        SCOPED_TRACE(mode + std::string(keys));
        Calculator calc;
        calc.run(mode + std::string(keys));
        check(calc);
    }
}

class SameInBothModes : public ::testing::TestWithParam<KeyCase> {};
class OneMode : public ::testing::TestWithParam<KeyCase> {};

}  // namespace korvo::keys_test
