// The exact engine's slowest operations, from the operands' texts as the
// operator step has them.
#include <benchmark/benchmark.h>

#include <string>

#include "intmath/limboperation.h"
#include "intmath/numbertext.h"

namespace {

using korvo::PendingOperation;

void operate(benchmark::State& state, const char* first, PendingOperation op, const char* second) {
    const korvo::LimbNumber a = korvo::parseNumber(first, 10);
    const korvo::LimbNumber b = korvo::parseNumber(second, 10);
    for (auto _ : state) {
        const korvo::LimbOutcome out = op == PendingOperation::None
                                           ? korvo::powerOfLimbs(a, b, 10)
                                           : korvo::operateOnLimbs(op, a, b, 10);
        benchmark::DoNotOptimize(out.text.data());
    }
}

void integerPowerLargestExponent(benchmark::State& state) {
    operate(state, "3", PendingOperation::None, "4294967295");
}
BENCHMARK(integerPowerLargestExponent);

void scaledMultiplySixteenDigits(benchmark::State& state) {
    operate(state, "12345678.12345678", PendingOperation::Multiply, "87654321.8765432");
}
BENCHMARK(scaledMultiplySixteenDigits);

void divideHundredBySeven(benchmark::State& state) {
    operate(state, "100", PendingOperation::Divide, "7");
}
BENCHMARK(divideHundredBySeven);

void subtractWithBorrow(benchmark::State& state) {
    operate(state, "1234567890.125", PendingOperation::Subtract, "987654321.5");
}
BENCHMARK(subtractWithBorrow);

}  // namespace
