#include "cli/options.h"

#include <string_view>

#include "cli/tokens.h"

namespace korvo::cli {

Options readOptions(const std::vector<std::string>& arguments) {
    Options options;
    bool tokensOnly = false;
    for (const std::string& argument : arguments) {
        if (tokensOnly) {
            options.tokens.push_back(argument);
        } else if (argument == "--") {
            tokensOnly = true;
        } else if (argument == "--trace") {
            options.trace = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--help" || argument == "-h") {
            options.request = Options::Request::Help;
        } else if (argument == "--version") {
            options.request = Options::Request::Version;
        } else if (argument.starts_with('-') && !parseToken(argument)) {
            // The first one is reported; nothing after it matters.
            options.request = Options::Request::Unrecognized;
            options.unrecognized = argument;
            return options;
        } else {
            options.tokens.push_back(argument);
        }
    }
    return options;
}

}  // namespace korvo::cli
