// Replay command lines print the fuzzers' inputs with this escaping.
#pragma once

#include <string>
#include <string_view>

namespace korvo::fuzz {

// Bytes but plain printable ones as octal escapes, which printf's format and
// bash's $'...' both read.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F &&
            std::string_view("'\\%").find(c) == std::string_view::npos) {
            out += c;
            continue;
        }
        out += {'\\', static_cast<char>('0' + (byte >> 6U)),
                static_cast<char>('0' + ((byte >> 3U) & 7U)), static_cast<char>('0' + (byte & 7U))};
    }
    return out;
}

}  // namespace korvo::fuzz
