// One key's worth of real conversion: parse the entry, format it back.
#include <benchmark/benchmark.h>

#include "floatmath/realtext.h"

namespace {

void parseAndFormatReal(benchmark::State& state) {
    for (auto _ : state) {
        const auto texts = korvo::formatReal(korvo::parseReal("3.14159", 10), 10);
        benchmark::DoNotOptimize(texts->integer.data());
    }
}
BENCHMARK(parseAndFormatReal);

}  // namespace
