#include "calc/pastetext.h"

#include <cctype>
#include <cstddef>

#include "intmath/digits.h"

namespace korvo {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The digit's value, or 16 for a character that is no digit of any base.
std::uint32_t valueOf(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0 ? digitValue(c) : 16;
}

// The base a prefix letter names: x, o and b in either case.
std::uint32_t prefixRadix(char letter) {
    switch (std::tolower(static_cast<unsigned char>(letter))) {
        case 'x':
            return 16;
        case 'o':
            return 8;
        case 'b':
            return 2;
        default:
            return 0;
    }
}

// Commas group the integer part's digits by three from the point, the first
// group one to three digits long.
bool groupedByThousands(std::string_view integerPart) {
    std::size_t run = 0;
    bool first = true;
    for (const char c : integerPart) {
        if (c != ',') {
            ++run;
            continue;
        }
        if (run == 0 || run > 3 || (!first && run != 3)) {
            return false;
        }
        first = false;
        run = 0;
    }
    return first || run == 3;
}

}  // namespace

std::optional<std::string> pastedNumber(std::string_view text, std::uint32_t radix) {
    text = trimmed(text);
    std::string number;
    if (text.empty()) {
        return number;
    }
    if (text.front() == '-') {
        number.push_back('-');
        text.remove_prefix(1);
    }
    if (text.size() > 2 && text[0] == '0' && prefixRadix(text[1]) != 0) {
        if (prefixRadix(text[1]) != radix) {
            return std::nullopt;
        }
        text.remove_prefix(2);
    }
    const std::string_view integerPart = text.substr(0, text.find('.'));
    const bool commas = integerPart.find(',') != std::string_view::npos;
    if (commas && (radix != 10 || !groupedByThousands(integerPart))) {
        return std::nullopt;
    }
    bool digits = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool betweenDigits = i > 0 && i + 1 < text.size() && valueOf(text[i - 1]) < radix &&
                                   valueOf(text[i + 1]) < radix;
        if (c == ',' && i < integerPart.size()) {
            continue;  // checked above
        }
        if (c == '_' || c == ' ') {
            if (!betweenDigits) {
                return std::nullopt;
            }
            continue;
        }
        if (c == '.') {
            if (number.find('.') != std::string::npos) {
                return std::nullopt;
            }
            number.push_back('.');
            continue;
        }
        const std::uint32_t value = valueOf(c);
        if (value >= radix) {
            return std::nullopt;
        }
        number.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
        digits = true;
    }
    if (!digits) {
        return std::nullopt;
    }
    return number;
}

}  // namespace korvo
