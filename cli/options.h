// The driver's command line: options, then key tokens.
#pragma once

#include <string>
#include <vector>

namespace korvo::cli {

struct Options {
    enum class Request { Run, Help, Version, Unrecognized };
    Request request = Request::Run;
    bool trace = false;
    bool json = false;
    // The tokens given as arguments; empty when none were.
    std::vector<std::string> tokens;
    // With Request::Unrecognized: the argument that is not an option.
    std::string unrecognized;
};

// Options may stand anywhere before "--"; everything after "--" is a token.
// An argument starting with "-" is a token only when it is one ("-", "+/-"
// does not start so), otherwise it is an unrecognized option.
Options readOptions(const std::vector<std::string>& arguments);

}  // namespace korvo::cli
