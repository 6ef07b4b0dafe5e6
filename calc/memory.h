// MC, MR, MS, M+ and M-.
#pragma once

#include <cstdint>

#include "calc/windowsystem.h"
#include "state/calculatorstate.h"

namespace korvo {

void memoryKey(CalculatorState& s, WindowSystem& ws, std::uint32_t commandId);

}  // namespace korvo
