#include "app/commandline.h"

#include <iostream>

namespace korvo::app {

namespace {

constexpr const char* kUsage =
    "usage: korvocalc [--help | -h | --version]\n"
    "  Opens the calculator's window. Type or click the keys; korvocalc-cli is the\n"
    "  same calculator for scripts. See korvocalc(1).\n";

constexpr int kUsageError = 2;

}  // namespace

std::optional<int> answerCommandLine(std::span<const char* const> arguments) {
    if (arguments.empty()) {
        return std::nullopt;
    }
    bool help = false;
    for (const char* argument : arguments) {
        const std::string_view text = argument != nullptr ? argument : "";
        if (text == "--help" || text == "-h") {
            help = true;
        } else if (text != "--version") {
            std::cerr << "korvocalc: unrecognized argument \"" << text << "\"\n" << kUsage;
            return kUsageError;
        }
    }
    if (help) {
        std::cout << kUsage;
    } else {
        std::cout << "korvocalc " << KORVO_VERSION << "\n";
    }
    return 0;
}

}  // namespace korvo::app
