// korvocalc-cli: the calculator without a window. Reads key tokens from the
// command line (or standard input), runs them, prints what the window shows.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/clearall.h"
#include "cli/driver.h"
#include "cli/headlesswindow.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/tokens.h"
#include "state/calculatorstate.h"

namespace {

constexpr std::string_view kUsage =
    "usage: korvocalc-cli [--trace] [--json] [--] [TOKEN ...]\n"
    "       korvocalc-cli --help | -h | --version\n"
    "  Without TOKEN arguments the tokens are read from standard input.\n"
    "  --trace  print the state after every token\n"
    "  --json   print the state as JSON (with --trace: one JSON object a line)\n"
    "  --       every argument after it is a token\n"
    "  Tokens: 0..9 A..F . +/- + - x / = sqrt % x^2 MC MR MS M+ M- HYP 1/x x^N pi\n"
    "          Sin Cos Tan Csc Sec Cot Log 2^x 10^x e^x BS CE Clear Dec Hex Oct Bin\n"
    "          Deg Rad Float Arc paste:TEXT type:TEXT\n";

constexpr int kWriteError = 1;
constexpr int kUsageError = 2;

// Everything goes through stdout's one buffer; a failed write (a full disk, a
// closed pipe) shows when it is flushed.
int finish() {
    errno = 0;
    if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0 && std::cout.good()) {
        return 0;
    }
    const int error = errno;
    std::cerr << "korvocalc-cli: cannot write the output: "
              << (error != 0 ? std::strerror(error) : "write error") << "\n";
    return kWriteError;
}

int run(const korvo::cli::Options& options) {
    std::vector<std::string> tokens = options.tokens;
    if (tokens.empty()) {
        std::string token;
        while (std::cin >> token) {
            tokens.push_back(token);
        }
    }
    // Every token is checked before the first one runs.
    std::vector<korvo::cli::Action> actions;
    for (const std::string& token : tokens) {
        const auto action = korvo::cli::parseToken(token);
        if (!action) {
            std::cerr << "korvocalc-cli: unknown token \"" << token << "\"\n" << kUsage;
            return kUsageError;
        }
        actions.push_back(*action);
    }

    korvo::CalculatorState state;
    korvo::HeadlessWindow window;
    korvo::showStartReadout(state, window);
    if (!options.json) {
        window.onMessage([](const korvo::HeadlessWindow::Message& message) {
            std::cout << korvo::cli::messageLine(message);
        });
    }
    const auto printBlock = [&](const std::string* token) {
        if (!options.json) {
            std::cout << korvo::cli::textBlock(window);
        } else if (options.trace) {
            std::cout << korvo::cli::jsonTraceLine(window, token);
        } else {
            std::cout << korvo::cli::jsonBlock(window);
        }
    };

    for (std::size_t i = 0; i < actions.size(); ++i) {
        if (options.trace && !options.json) {
            std::cout << "> " << tokens[i] << "\n";
        }
        korvo::cli::perform(actions[i], state, window);
        // The block after the last token is the final one, printed below.
        if (options.trace && i + 1 < actions.size()) {
            printBlock(&tokens[i]);
        }
    }
    printBlock(tokens.empty() ? nullptr : &tokens.back());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    using korvo::cli::Options;
    const Options options =
        korvo::cli::readOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    int status = 0;
    switch (options.request) {
        case Options::Request::Help:
            std::cout << kUsage;
            break;
        case Options::Request::Version:
            std::cout << "korvocalc-cli " << KORVO_VERSION << "\n";
            break;
        case Options::Request::Unrecognized:
            std::cerr << "korvocalc-cli: unrecognized option \"" << options.unrecognized << "\"\n"
                      << kUsage;
            return kUsageError;
        case Options::Request::Run:
            status = run(options);
            break;
    }
    const int written = finish();
    return status != 0 ? status : written;
}
