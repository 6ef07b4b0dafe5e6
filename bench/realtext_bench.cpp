// One key's worth of real conversion: parse the entry, format it back.
#include <benchmark/benchmark.h>

#include "floatmath/realtext.h"

namespace {

void parseAndFormatReal(benchmark::State& state) {
    korvo::CalculatorState s;
    s.floatMode = 1;
    for (auto _ : state) {
        s.workText = "3.14159";
        korvo::parseReal(s);
        korvo::formatReal(s, s.realValue);
        benchmark::DoNotOptimize(s.entryText.data());
    }
}
BENCHMARK(parseAndFormatReal);

}  // namespace
