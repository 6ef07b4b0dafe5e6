// The one-operand keys: square root, x squared, 1/x, the angle functions,
// Log, 2^x, 10^x, e^x.
#pragma once

#include <cstdint>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

void functionKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId);

}  // namespace korvo
