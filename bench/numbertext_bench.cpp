// Number text conversion: the readout formats the current number four times
// per paint, and every digit key parses the entry again.
#include <benchmark/benchmark.h>

#include "intmath/numbertext.h"

namespace {

void parseAndFormat32DecimalDigits(benchmark::State& state) {
    korvo::CalculatorState s;
    for (auto _ : state) {
        s.workText = "12345678901234567890123456789012";
        korvo::parseNumber(s);
        korvo::formatNumber(s);
        benchmark::DoNotOptimize(s.formatText.data());
    }
}
BENCHMARK(parseAndFormat32DecimalDigits);

void formatFull128BitsInBinary(benchmark::State& state) {
    korvo::CalculatorState s;
    s.limbResult.limbs = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0, 0, 0, 0};
    s.formatRadix = 2;
    for (auto _ : state) {
        korvo::formatNumber(s);
        benchmark::DoNotOptimize(s.formatText.data());
    }
}
BENCHMARK(formatFull128BitsInBinary);

}  // namespace
