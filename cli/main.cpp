// korvocalc-cli: the calculator without a window. Reads key tokens from the
// command line (or standard input), runs them, prints what the window shows.
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/driver.h"
#include "cli/headlesswindow.h"
#include "cli/output.h"
#include "cli/tokens.h"
#include "state/calculatorstate.h"

namespace {

constexpr std::string_view kUsage =
    "usage: korvocalc-cli [--trace] [--json] [TOKEN ...]\n"
    "  Without TOKEN arguments the tokens are read from standard input.\n"
    "  Tokens: 0..9 A..F . +/- + - x / = sqrt % x^2 MC MR MS M+ M- HYP 1/x x^N pi\n"
    "          Sin Cos Tan Csc Sec Cot Log 2^x 10^x e^x BS CE Clear Dec Hex Oct Bin\n"
    "          Deg Rad Float Arc paste:TEXT type:TEXT\n";

constexpr int kUsageError = 2;

struct Options {
    bool trace = false;
    bool json = false;
    bool help = false;
    std::vector<std::string> tokens;
};

Options readOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--trace") {
            options.trace = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--help") {
            options.help = true;
        } else {
            options.tokens.emplace_back(argument);
        }
    }
    if (options.tokens.empty() && !options.help) {
        std::string token;
        while (std::cin >> token) {
            options.tokens.push_back(token);
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = readOptions(argc, argv);
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }

    // Every token is checked before the first one runs.
    std::vector<korvo::cli::Action> actions;
    for (const std::string& token : options.tokens) {
        const auto action = korvo::cli::parseToken(token);
        if (!action) {
            std::cerr << "korvocalc-cli: unknown token \"" << token << "\"\n" << kUsage;
            return kUsageError;
        }
        actions.push_back(*action);
    }

    korvo::CalculatorState state;
    korvo::HeadlessWindow window;
    if (!options.json) {
        window.onMessage([](const korvo::HeadlessWindow::Message& message) {
            std::cout << korvo::cli::messageLine(message);
        });
    }
    const auto printBlock = [&] {
        std::cout << (options.json ? korvo::cli::jsonBlock(window) : korvo::cli::textBlock(window));
    };

    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (options.trace) {
            std::cout << "> " << options.tokens[i] << "\n";
        }
        korvo::cli::perform(actions[i], state, window);
        // The block after the last token is the final one, printed below.
        if (options.trace && i + 1 < actions.size()) {
            printBlock();
        }
    }
    printBlock();
    std::cout.flush();
    return 0;
}
