// Throughput of the engine on the default equation, and of the parser on a very long text.
#include "engine/core/engine.hpp"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr std::u16string_view kDefaultEquation = u"10X^2-2X-3";

void BM_SolveQuadratic(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::SolveQuadratic(kDefaultEquation, u"2"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SolveQuadratic);

void BM_ValueOfYAtX(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::ValueOfYAtX(kDefaultEquation, u"1.234", u"2"));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ValueOfYAtX);

// An equation of `length` UTF-16 units whose coefficients are long digit runs: the markers sit at
// a third and two thirds, so every search and copy walks the whole text.
std::u16string LongEquation(std::size_t length) {
    const std::size_t third = length / 3;
    std::u16string text(third - 3, u'7');
    text += u"X^2";
    text += std::u16string(third - 1, u'5');
    text += u'X';
    text += std::u16string(length - text.size(), u'3');
    return text;
}

void BM_ParseQuadratic(benchmark::State& state) {
    const std::u16string equation = LongEquation(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::ParseQuadratic(equation));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(equation.size() * 2));
    state.SetComplexityN(state.range(0));
}
// 1 MB of text is 512 Ki UTF-16 units; the smaller sizes show that the time grows linearly.
BENCHMARK(BM_ParseQuadratic)
    ->RangeMultiplier(4)
    ->Range(8 << 10, 512 << 10)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);

void BM_SolveQuadraticLong(benchmark::State& state) {
    const std::u16string equation = LongEquation(512 << 10);
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::SolveQuadratic(equation, u"2"));
    }
}
BENCHMARK(BM_SolveQuadraticLong)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
