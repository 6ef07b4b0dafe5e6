// The window's command line: it takes no arguments but the usual questions,
// answered without opening a window.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace korvo::app {

// Answers --help, -h and --version on standard output (exit status 0) and
// refuses anything else with the usage on standard error (exit status 2).
// Nothing: no arguments, open the window.
std::optional<int> answerCommandLine(std::span<const char* const> arguments);

}  // namespace korvo::app
