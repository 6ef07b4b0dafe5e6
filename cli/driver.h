// Carries out the driver's actions with the calculator's own procedures, as
// the window would call them.
#pragma once

#include "cli/headlesswindow.h"
#include "cli/tokens.h"
#include "state/calculatorstate.h"

namespace korvo::cli {

void perform(const Action& action, CalculatorState& s, HeadlessWindow& ws);

}  // namespace korvo::cli
