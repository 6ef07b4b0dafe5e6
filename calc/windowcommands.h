// The main window's commands, as a front end calls them after the control's
// own reaction (a check box has already toggled its mark, a radio button is
// already checked, the edit control has already moved the clipboard text).
#pragma once

#include <cstdint>
#include <string_view>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

void backSpace(CalculatorState& s, WindowSystem& ws);
void clearEntry(CalculatorState& s, WindowSystem& ws);
// `radix` 10, 16, 8 or 2; nothing happens when it is the one in force.
void selectRadix(CalculatorState& s, WindowSystem& ws, std::uint32_t radix);
void degreesClicked(CalculatorState& s, WindowSystem& ws);
void radiansClicked(CalculatorState& s, WindowSystem& ws);
void floatingPointClicked(CalculatorState& s, WindowSystem& ws);
void arcClicked(CalculatorState& s, WindowSystem& ws);
void cutCommand(CalculatorState& s, WindowSystem& ws);
void copyCommand(CalculatorState& s, WindowSystem& ws);
void pasteCommand(CalculatorState& s, WindowSystem& ws);
void infoCommand(WindowSystem& ws);
// Whether Cut and Copy are enabled when a menu opens or their accelerator is
// pressed: only while text is selected in the entry field.
bool cutCopyEnabled(CalculatorState& s, WindowSystem& ws);
// A key pressed while the main window has the focus.
void mainWindowKeyDown(WindowSystem& ws);

// Runs the main window command `commandId` (1, 2, 3, 19..24, 43, 50, 6004..6006,
// 6026); returns false for ids the logic does not handle (Close, About).
bool runWindowCommand(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId);

inline constexpr std::string_view kInfoText =
    "                                      Most of the functions are self explanatory.\r\n"
    "\r\n"
    "There Are Three Two Step Functions.\r\n"
    "(1). X**n  Enter the base number click the X**n button enter the exponent click =.\r\n"
    "(2). HYP  Enter the X number click the HYP button enter the Y number click =.\r\n"
    "(3). %  Enter the first number click the X button enter the second number click %.\r\n"
    "Or Enter the first number click the +,-,x or div button enter the % number click % click =.";

}  // namespace korvo
