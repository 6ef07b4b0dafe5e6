// The exact engine's slowest operations, set up per iteration as the
// calculator's operator step sets them up: both texts parsed and formatted,
// the first operand taken, the operands aligned, then the operation.
#include <benchmark/benchmark.h>

#include "intmath/muldiv.h"
#include "tests/intmath/arith_fixture.h"

namespace {

using korvo::CalculatorState;
using korvo::arith::ArithCase;
using korvo::arith::Op;

void integerPowerLargestExponent(benchmark::State& state) {
    CalculatorState s;
    const ArithCase power{10, "3", Op::Power, "4294967295", ""};
    for (auto _ : state) {
        korvo::arith::prepare(s, power);
        korvo::integerPower(s);
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(integerPowerLargestExponent);

void scaledMultiplySixteenDigits(benchmark::State& state) {
    CalculatorState s;
    const ArithCase product{10, "12345678.12345678", Op::Multiply, "87654321.8765432", ""};
    for (auto _ : state) {
        korvo::arith::prepare(s, product);
        korvo::scaledMultiplyDivide(s);
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(scaledMultiplySixteenDigits);

void divideHundredBySeven(benchmark::State& state) {
    CalculatorState s;
    const ArithCase quotient{10, "100", Op::Divide, "7", ""};
    for (auto _ : state) {
        korvo::arith::prepare(s, quotient);
        benchmark::DoNotOptimize(korvo::divideNumbers(s));
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(divideHundredBySeven);

}  // namespace
