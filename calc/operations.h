// Pending two-operand operations, "=", percent, and the result step.
#pragma once

#include <cstdint>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

// "+", "-", "x", "/", "=", HYP and x to the N (ids 218..222, 231, 233).
void operatorKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId);
void percentKey(CalculatorState& s, WindowSystem& ws);

// Who runs the operator step: an operator key, or MS, M+ and M- (which,
// right after an operator key, take the running result as it stands).
enum class StepKey { Operator, Memory };

// Finishes the pending operation, makes its result (or the entry) the first
// operand and empties the entry.
void operatorStep(CalculatorState& s, WindowSystem& ws, StepKey key);
// Finishes the pending operation and shows the result.
void evaluatePending(CalculatorState& s, WindowSystem& ws);
// Shows entryText, returns to Fresh and re-derives both numbers from it.
void showResult(CalculatorState& s, WindowSystem& ws);
// Ends the calculation with the out-of-range message (a zero divisor).
void showOutOfRangeResult(CalculatorState& s, WindowSystem& ws);

}  // namespace korvo
