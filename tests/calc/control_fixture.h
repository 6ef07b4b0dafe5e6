// A calculator in a headless window, for what only a caller of the window
// can do: set the field's text, select, move the focus, send one key.
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
#include "state/calculatorstate.h"

namespace korvo::control_test {

class ControlTest : public ::testing::Test {
  protected:
    CalculatorState s;
    HeadlessWindow ws;
    void press(std::uint32_t id) { dispatchKeypadCommand(s, ws, id); }
    // Clicks keypad keys: 0-9, A-F and ".".
    void click(std::string_view keys) {
        for (const char key : keys) {
            const auto at = std::string_view("0123456789ABCDEF.").find(key);
            ASSERT_NE(at, std::string_view::npos) << key;
            press(cmd::kDigit0 + static_cast<std::uint32_t>(at));
        }
    }
    [[nodiscard]] std::string entry() { return ws.entryText(); }
    [[nodiscard]] bool fieldHasFocus() const {
        return ws.focus() == HeadlessWindow::Focus::EntryField;
    }
};

}  // namespace korvo::control_test
