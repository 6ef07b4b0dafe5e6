#include "app/commandline.h"

#include <cstdio>

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
            std::fprintf(stderr, "korvocalc: unrecognized argument \"%.*s\"\n%s",
                         static_cast<int>(text.size()), text.data(), kUsage);
            return kUsageError;
        }
    }
    if (help) {
        std::fputs(kUsage, stdout);
    } else {
        std::printf("korvocalc %s\n", KORVO_VERSION);
    }
    return 0;
}

}  // namespace korvo::app
