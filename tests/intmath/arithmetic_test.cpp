// Integer-mode arithmetic as the operator keys run it: "radix first op second
// = entry", with op one of + - x / ^ (x to the N).
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "intmath/limboperation.h"
#include "intmath/numbertext.h"

namespace korvo {
namespace {

// "radix first op second": the result's text as "=" shows it.
std::string calculate(const std::string& row) {
    std::istringstream in(row);
    std::uint32_t radix = 10;
    std::string first;
    std::string op;
    std::string second;
    in >> radix >> first >> op >> second;
    const LimbNumber a = parseNumber(first, radix);
    const LimbNumber b = parseNumber(second, radix);
    if (op == "^") {
        return powerOfLimbs(a, b, radix).text;
    }
    const auto operation = static_cast<PendingOperation>(std::string("+-x/").find(op) + 1);
    const LimbOutcome outcome = operateOnLimbs(operation, a, b, radix);
    EXPECT_EQ(outcome.outcome, Outcome::Number);
    return outcome.text;
}

class Arithmetic : public ::testing::TestWithParam<const char*> {};

TEST_P(Arithmetic, GivesTheEntry) {
    const std::string row = GetParam();
    const std::size_t equals = row.rfind(" = ");
    EXPECT_EQ(calculate(row.substr(0, equals)), row.substr(equals + 3));
}

INSTANTIATE_TEST_SUITE_P(
    AddSubtract, Arithmetic,
    ::testing::Values(
        // A zero result carries no sign.
        "10 -3 + 3 = 0",
        // The carry from the fraction; a surplus leading zero is not one.
        "10 0.05 + 0.05 = 0.10", "10 10.00 + 1.3 = 11.30", "10 1.3 + 10.00 = 11.30",
        "10 4294967295.5 + 0.5 = 4294967296",
        // The borrow and the zeros it leaves in front of the fraction.
        "10 1.5 - 0.50 = 1", "10 10.00 - 1.3 = 8.7", "10 4294967296.25 - 0.5 = 4294967295.75",
        // Fractions between radices are whole numbers of digits.
        "16 FF + 1 = 100", "16 0.8 + 0.8 = 1", "16 0.F + 0.1 = 1", "16 0.08 + 0.08 = 0.10",
        "16 1.4 - 0.8 = 0.C", "16 1.01 - 0.FF = 0.02", "16 a.8 + 0.c = B.4", "8 7 + 1 = 10",
        "8 0.7 + 0.7 = 1.6", "8 1.2 - 0.4 = 0.6", "2 0.1 + 0.1 = 1", "2 1.01 - 0.1 = 0.11",
        "2 101 - 111 = -10", "2 0.001 - 0.1 = -0.011",
        // Up to 76 fraction bits in hex; and the 128-bit wrap.
        "16 0.12345678901234567 + 0.0000000000000000001 = 0.1234567890123456701",
        "16 0.0000000000000000001 + 0.12345678901234567 = 0.1234567890123456701",
        "16 0.12345678901234567 - 0.0000000000000000001 = 0.12345678901234566FF",
        "16 80000000000000000000000000000000 + 80000000000000000000000000000000 = 0"));

INSTANTIATE_TEST_SUITE_P(
    MultiplyDivide, Arithmetic,
    ::testing::Values(
        "10 18446744073709551616 x 4294967296 = 79228162514264337593543950336",
        "16 10000000000000000000000000 x 10000000000 = 0",
        "10 12345678.12345678 x 87654321.8765432 = 1082152044017678.432251181002896",
        // The other bases.
        "16 FF x FF = FE01", "16 0.8 x 0.8 = 0.4", "8 7 x 7 = 61", "2 -1.1 x 10 = -11",
        // Long operands are multiplied whole; the integer part keeps the low 128 bits.
        "10 12345678901234567890123 x 1.5 = 18518518351851851835184.5",
        "10 1234567890123456789.5 x 1.5 = 1851851835185185184.25",
        "10 12345678901234567895123 x 0.5 = 6172839450617283947561.5",
        "16 FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF x 1.8 = 7FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFE.8",
        // Quotients: 19 digits, the last raised when more would follow.
        "10 12345678901.5 / 0.25 = 49382715606", "10 4294967.295 / 4294967.295 = 1",
        "2 11111111111111111111 / 100000000000000000000 = 1",
        "2 1 / 10000000000000000000000000 = 0.0000000000000000001",
        "16 1 / 0.0000000000000001 = 10000000000000000",
        "16 0.1 / 0.0000000000000000001 = 1000000000000000000",
        // A quotient word first guessed one too large: the divisor goes back once.
        "16 FFE7FFFFFFFFFFFFFFF7DE9A1BC7FFFF.FFF4D5BAD49404E493D / "
        "FFFFFFFFFFFFFFFFFF.FFEBBB2656C448FA6F5 = FFE7FFFFFFFFFF.FFFFF7F2DD0EFCD3D97"));

INSTANTIATE_TEST_SUITE_P(
    Powers, Arithmetic,
    ::testing::Values("10 7 ^ 0 = 1", "10 0 ^ 0 = 1", "10 0 ^ 5 = 0", "10 2 ^ 128 = 0",
                      "10 18446744073709551617 ^ 2 = 36893488147419103233", "10 -2 ^ 3 = -8",
                      "10 -2 ^ 2 = 4", "10 2 ^ -3 = 8",
                      "10 3 ^ 4294967295 = 18887249260562353308671802171401611947",
                      "10 3 ^ 18446744073709551617 = 448822581369349854671301902294056963",
                      "2 11 ^ 11 = 11011"));

}  // namespace
}  // namespace korvo
