// One key through the whole controller: the dispatcher's prologue, the
// handler, the engine and the readout repaint, against the headless window.
// Argument 0 runs in integer mode, 1 in floating-point mode.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "calc/commandids.h"
#include "calc/dispatcher.h"
#include "calc/windowcommands.h"
#include "cli/headlesswindow.h"
#include "state/calculatorstate.h"

namespace {

using korvo::CalculatorState;
using korvo::HeadlessWindow;
namespace cmd = korvo::cmd;

struct Calculator {
    CalculatorState s;
    HeadlessWindow ws;

    explicit Calculator(std::int64_t floatingPoint) {
        if (floatingPoint != 0) {
            ws.clickCheckBox(korvo::Switch::FloatingPoint);
            korvo::floatingPointClicked(s, ws);
        }
    }
    void press(std::uint32_t id) { korvo::dispatchKeypadCommand(s, ws, id); }
    void press(std::initializer_list<std::uint32_t> ids) {
        for (const std::uint32_t id : ids) {
            press(id);
        }
    }
    void typeNumber(std::string_view digits) {
        for (const char digit : digits) {
            press(cmd::kDigit0 + static_cast<std::uint32_t>(digit - '0'));
        }
    }
    void clear() { korvo::runWindowCommand(s, ws, cmd::kClearAll); }
};

// Runs `key` once per iteration; `prepare` sets the calculator up untimed.
template <typename Prepare>
void timeKey(benchmark::State& state, std::uint32_t key, Prepare prepare) {
    Calculator calculator(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        calculator.clear();
        prepare(calculator);
        state.ResumeTiming();
        calculator.press(key);
    }
    benchmark::DoNotOptimize(calculator.ws.entryText());
}

void digitKey(benchmark::State& state) {
    timeKey(state, cmd::kDigit0 + 7, [](Calculator& c) { c.typeNumber("123456"); });
}

void operatorKey(benchmark::State& state) {
    timeKey(state, cmd::kAdd, [](Calculator& c) {
        c.typeNumber("98765");
        c.press(cmd::kMultiply);
        c.typeNumber("4321");
    });
}

void equalsAdd(benchmark::State& state) {
    timeKey(state, cmd::kEquals, [](Calculator& c) {
        c.typeNumber("12345");
        c.press({cmd::kPoint, cmd::kDigit0 + 5, cmd::kAdd});
        c.typeNumber("678");
    });
}

void equalsDivide(benchmark::State& state) {
    timeKey(state, cmd::kEquals, [](Calculator& c) {
        c.typeNumber("100");
        c.press(cmd::kDivide);
        c.typeNumber("7");
    });
}

void sineKey(benchmark::State& state) {
    timeKey(state, cmd::kSin, [](Calculator& c) { c.typeNumber("30"); });
}

void squareRootKey(benchmark::State& state) {
    timeKey(state, cmd::kSquareRoot, [](Calculator& c) { c.typeNumber("2"); });
}

// Each iteration is a real change of base: Hex and Dec in turn.
void baseChange(benchmark::State& state) {
    Calculator calculator(state.range(0));
    calculator.typeNumber("255");
    calculator.press({cmd::kPoint, cmd::kDigit0 + 5});
    bool hex = false;
    for (auto _ : state) {
        hex = !hex;
        const korvo::Switch radio = hex ? korvo::Switch::Hexadecimal : korvo::Switch::Decimal;
        calculator.ws.clickRadio(radio);
        korvo::runWindowCommand(calculator.s, calculator.ws,
                                hex ? cmd::kHexadecimal : cmd::kDecimal);
    }
    benchmark::DoNotOptimize(calculator.ws.entryText());
}

BENCHMARK(digitKey)->Arg(0)->Arg(1);
BENCHMARK(operatorKey)->Arg(0)->Arg(1);
BENCHMARK(equalsAdd)->Arg(0)->Arg(1);
BENCHMARK(equalsDivide)->Arg(0)->Arg(1);
BENCHMARK(sineKey)->Arg(0)->Arg(1);
BENCHMARK(squareRootKey)->Arg(0)->Arg(1);
BENCHMARK(baseChange)->Arg(0)->Arg(1);

}  // namespace
