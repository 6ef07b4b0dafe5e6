#include "cli/options.h"

#include <string_view>

#include "cli/tokens.h"

namespace korvo::cli {

Options readOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool tokensOnly = false;
    for (const std::string& argument : arguments) {
        if (!tokensOnly) {
            if (argument == "--") {
                tokensOnly = true;
                continue;
            }
            if (argument == "--trace") {
                options.trace = true;
                continue;
            }
            if (argument == "--json") {
                options.json = true;
                continue;
            }
            if (argument == "--help" || argument == "-h" || argument == "--version") {
                options.request =
                    argument == "--version" ? Options::Request::Version : Options::Request::Help;
                continue;
            }
            if (argument.starts_with('-') && !parseToken(argument)) {
                // The first one is reported; nothing after it matters.
                options.request = Options::Request::Unrecognized;
                options.unrecognized = argument;
                return options;
            }
        }
        options.tokens.push_back(argument);
    }
    return options;
}

}  // namespace korvo::cli
