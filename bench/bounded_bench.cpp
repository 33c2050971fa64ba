// The bounded working's numbers as the window would recompute them on a keystroke: the default
// equation, coefficients of 400 and more digits, exponents of ±10^9, and a megabyte of digits.
// One 60 Hz frame is 16 ms.
#include "engine/working/bounded_quadratic.hpp"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

// `count` digits that look random, the same on every run, the first not 0.
std::u16string Digits(std::size_t count, std::uint32_t seed) {
    std::u16string digits(count, u'0');
    for (char16_t& d : digits) {
        seed = seed * 1664525u + 1013904223u;
        d = static_cast<char16_t>(u'0' + (seed >> 24) % 10);
    }
    digits[0] = u'7';
    return digits;
}

void Run(benchmark::State& state, const std::u16string& equation) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::WorkOutBounded(equation, 2));
    }
    state.SetLabel(std::to_string(equation.size()) + " characters");
}

void BM_BoundedDefault(benchmark::State& state) {
    Run(state, u"10X^2-2X-3");
}
BENCHMARK(BM_BoundedDefault)->Unit(benchmark::kMicrosecond);

void BM_BoundedLongDigits(benchmark::State& state) {
    Run(state, u"0." + Digits(450, 1) + u"x^2-" + Digits(420, 2) + u"." + Digits(30, 3) + u"x+" +
                   Digits(401, 4));
}
BENCHMARK(BM_BoundedLongDigits)->Unit(benchmark::kMicrosecond);

void BM_BoundedBillionExponents(benchmark::State& state) {
    Run(state, u"1.234567e1000000000x^2-7.654321x+2.5e-999999999");
}
BENCHMARK(BM_BoundedBillionExponents)->Unit(benchmark::kMicrosecond);

// Roots halfway between two places, moved off the half by a term 10^-1000000000 in size: the
// exact signs decide.
void BM_BoundedHalfMovedByABillionthPower(benchmark::State& state) {
    Run(state, u"1e-1000000000x^2+x+0.125");
}
BENCHMARK(BM_BoundedHalfMovedByABillionthPower)->Unit(benchmark::kMicrosecond);

void BM_BoundedMegabyte(benchmark::State& state) {
    Run(state, u"3x^2+" + Digits(1 << 20, 5) + u"x-2");
}
BENCHMARK(BM_BoundedMegabyte)->Unit(benchmark::kMillisecond);

// A double root of 200 digits, m = 10^199 + 1 (b = 2m, c = m² of 399 digits): the discriminant
// is exactly 0, which only the exact sign tells.
void BM_BoundedLongDoubleRoot(benchmark::State& state) {
    const std::u16string zeros(198, u'0');
    Run(state, u"x^2+2" + zeros + u"2x+1" + zeros + u"2" + zeros + u"1");
}
BENCHMARK(BM_BoundedLongDoubleRoot)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
