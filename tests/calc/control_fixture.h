// A calculator in a headless window, worked the way a person works the
// window: keypad clicks, typed keys, window commands.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
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

namespace korvo::control_test {

// The numbers a text stands for, parsed on a calculator of its own.
inline LimbNumber limbsOf(std::string_view text, std::uint32_t radix = 10) {
    CalculatorState other;
    other.radix = radix;
    other.workText = text;
    parseNumber(other);
    return other.limbResult;
}

inline Real80 realOf(std::string_view text, std::uint32_t radix = 10) {
    CalculatorState other;
    other.radix = radix;
    other.workText = text;
    parseReal(other);
    return other.realValue;
}

// Names the cases of a parameterised test by their `name` field.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

class ControlTest : public ::testing::Test {
  protected:
    CalculatorState s;
    HeadlessWindow ws;

    void press(std::uint32_t id) { dispatchKeypadCommand(s, ws, id); }

    // Clicks the keypad keys of `keys`: digits 0-9 and A-F, and ".".
    void click(std::string_view keys) {
        for (const char key : keys) {
            if (key == '.') {
                press(cmd::kPoint);
            } else if (key >= 'A' && key <= 'F') {
                press(cmd::kDigit0 + 10 + static_cast<std::uint32_t>(key - 'A'));
            } else {
                ASSERT_TRUE(key >= '0' && key <= '9') << "no keypad key " << key;
                press(cmd::kDigit0 + static_cast<std::uint32_t>(key - '0'));
            }
        }
    }

    // Types `keys` in the normal flow: each key-down reaches the main
    // window, each release the entry field.
    void type(std::string_view keys) {
        for (const char key : keys) {
            const auto virtualKey = virtualKeyForCharacter(key);
            ASSERT_TRUE(virtualKey.has_value()) << "no key for " << key;
            mainWindowKeyDown(ws);
            entryKeyUp(s, ws, *virtualKey);
        }
    }

    void paste(std::string text) {
        ws.setClipboard(std::move(text));
        pasteCommand(s, ws);
    }

    [[nodiscard]] std::string entry() { return ws.entryText(); }
    [[nodiscard]] const std::string& decimalLine() const { return ws.readout().decimal.text; }
};

}  // namespace korvo::control_test
