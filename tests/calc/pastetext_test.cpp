// What a paste reads as a number, beyond what korvocalc-cli's paste: token can
// carry (white space, blanks between digits, line breaks).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/pastetext.h"

namespace korvo {
namespace {

struct Paste {
    std::uint32_t radix;
    const char* text;
    std::optional<std::string> number;  // nullopt: the paste message
};

TEST(PastedNumber, TakesWhatIsShownAndCopied) {
    const Paste pastes[] = {
        {10, " 42\r\n", "42"},
        {10, "\t-12.5 ", "-12.5"},
        {10, "1 000 000", "1000000"},
        {10, "12,345.5", "12345.5"},
        {16, "0XfF", "FF"},
        {16, "-0x1f", "-1F"},
        {16, "0B", "0B"},
        {2, "0b1_0_1", "101"},
        {10, "  ", ""},
        {10, "1  000", std::nullopt},
        {10, "1\t000", std::nullopt},
        {10, "12\n34", std::nullopt},
        {10, "_1", std::nullopt},
        {10, "1_", std::nullopt},
        {10, "1234,567", std::nullopt},
        {10, "1,23", std::nullopt},
        {10, ",123", std::nullopt},
        {10, "1,234,", std::nullopt},
        {16, "1,234", std::nullopt},
        {10, "1.5,000", std::nullopt},
        {16, "0b1010", std::nullopt},
        {8, "0x17", std::nullopt},
        {10, "1.2.3", std::nullopt},
        {10, "-", std::nullopt},
        {10, ".", std::nullopt},
        {10, "5-", std::nullopt},
        {10, "--5", std::nullopt},
        {8, "18", std::nullopt},
    };
    for (const Paste& paste : pastes) {
        EXPECT_EQ(pastedNumber(paste.text, paste.radix), paste.number)
            << "\"" << paste.text << "\" in radix " << paste.radix;
    }
}

}  // namespace
}  // namespace korvo
