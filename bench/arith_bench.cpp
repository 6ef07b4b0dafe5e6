// The exact engine's slowest operations, set up per iteration as the
// calculator's operator step sets them up: both texts parsed and formatted,
// the first operand taken, the operands aligned, then the operation.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "floatmath/realtext.h"
#include "intmath/muldiv.h"
#include "intmath/numbertext.h"
#include "intmath/signedarith.h"

namespace {

using korvo::CalculatorState;

void enter(CalculatorState& s, const std::string& text) {
    s.workText = text;
    korvo::parseNumber(s);
    korvo::formatNumber(s);
    s.workText = text;
    korvo::parseReal(s);
}

// Everything the operator step does before the operation; None for a power.
void prepare(CalculatorState& s, const std::string& first, korvo::PendingOperation pendingOp,
             const std::string& second) {
    enter(s, first);
    s.firstIntText = s.intText;
    s.firstFracText = s.fracText;
    s.fracWidth = static_cast<std::uint32_t>(s.fracText.size());
    s.firstOperand = s.limbResult;
    s.firstReal = s.realValue;
    enter(s, second);
    s.pendingOp = pendingOp;
    korvo::alignOperands(s);
}

void integerPowerLargestExponent(benchmark::State& state) {
    CalculatorState s;
    for (auto _ : state) {
        prepare(s, "3", korvo::PendingOperation::None, "4294967295");
        korvo::integerPower(s);
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(integerPowerLargestExponent);

void scaledMultiplySixteenDigits(benchmark::State& state) {
    CalculatorState s;
    for (auto _ : state) {
        prepare(s, "12345678.12345678", korvo::PendingOperation::Multiply, "87654321.8765432");
        korvo::scaledMultiplyDivide(s);
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(scaledMultiplySixteenDigits);

void divideHundredBySeven(benchmark::State& state) {
    CalculatorState s;
    for (auto _ : state) {
        prepare(s, "100", korvo::PendingOperation::Divide, "7");
        benchmark::DoNotOptimize(korvo::divideNumbers(s));
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(divideHundredBySeven);

}  // namespace
