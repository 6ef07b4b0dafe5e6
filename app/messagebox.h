// The calculator's message boxes ("KORVO CALCULATOR").
#pragma once

#include <cstdint>
#include <string_view>

namespace korvo::app {

// Shows a box with an OK button and returns when it is closed. A task-modal
// box blocks the whole program; any other box has no owner and leaves the
// main window usable while it is open.
void showMessageBox(std::string_view text, std::string_view caption, std::uint32_t flags);

}  // namespace korvo::app
