// What a paste reads as a number, beyond what korvocalc-cli's paste: token can
// carry (white space, blanks between digits, line breaks).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/pastetext.h"

namespace korvo {
namespace {

// "radix:text": the text pasted in that radix.
std::optional<std::string> pasted(const std::string& row) {
    const std::size_t colon = row.find(':');
    return pastedNumber(row.substr(colon + 1),
                        static_cast<std::uint32_t>(std::stoul(row.substr(0, colon))));
}

// "radix:text|number".
TEST(PastedNumber, TakesWhatIsShownAndCopied) {
    for (const std::string row :
         {"10: 42\r\n|42", "10:\t-12.5 |-12.5", "10:1 000 000|1000000", "10:12,345.5|12345.5",
          "16:0XfF|FF", "16:-0x1f|-1F", "16:0B|0B", "2:0b1_0_1|101", "10:  |"}) {
        const std::size_t bar = row.find('|');
        EXPECT_EQ(pasted(row.substr(0, bar)), row.substr(bar + 1)) << row;
    }
}

TEST(PastedNumber, RefusesWhatIsNoNumberOfTheBase) {
    for (const std::string row :
         {"10:1  000",   "10:1\t000",  "10:12\n34", "10:_1",       "10:1_",
          "10:1234,567", "10:1,23",    "10:,123",   "10:1,23,456", "10:1,234,",
          "16:1,234",    "10:1.5,000", "16:0b1010", "8:0x17",      "10:1.2.3",
          "10:-",        "10:.",       "10:5-",     "10:--5",      "8:18"}) {
        EXPECT_EQ(pasted(row), std::nullopt) << row;
    }
}

}  // namespace
}  // namespace korvo
