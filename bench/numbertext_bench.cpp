// Number text conversion: the readout formats the current number four times
// per paint, and every digit key parses the entry again.
#include <benchmark/benchmark.h>

#include "intmath/numbertext.h"

namespace {

void parseAndFormat32DecimalDigits(benchmark::State& state) {
    for (auto _ : state) {
        const korvo::LimbNumber n = korvo::parseNumber("12345678901234567890123456789012", 10);
        benchmark::DoNotOptimize(korvo::numberText(n, 10).data());
    }
}
BENCHMARK(parseAndFormat32DecimalDigits);

void formatFull128BitsInBinary(benchmark::State& state) {
    korvo::LimbNumber n;
    n.integer = {~0ULL, ~0ULL};
    for (auto _ : state) {
        benchmark::DoNotOptimize(korvo::numberText(n, 2).data());
    }
}
BENCHMARK(formatFull128BitsInBinary);

}  // namespace
