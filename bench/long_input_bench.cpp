// Engine time of each command on a megabyte of pasted equation (1,048,576 characters), in the
// shapes that make the engine walk, copy or convert all of it. Each command must stay well under
// 100 ms on such a text.
#include "engine/core/engine.hpp"
#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/working.hpp"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

std::u16string Padded(std::u16string text, char16_t padding, std::size_t length) {
    text.resize(length, padding);
    return text;
}

std::u16string Repeated(std::u16string text, std::u16string_view digits, std::size_t length) {
    while (text.size() < length) {
        text += digits.substr(0, length - text.size());
    }
    return text;
}

// The shapes, in the order of the Args below.
std::u16string Equation(std::int64_t shape) {
    const std::size_t third = kMegabyte / 3;
    switch (shape) {
    case 0: // blanks after the constant: a valid equation
        return Padded(u"10X^2-2X-3", u' ', kMegabyte);
    case 1: // three coefficients of a third of a megabyte each, mostly zeros after the point
        return Padded(u"10.", u'0', third) + u"X^2" + Padded(u"-2.", u'0', third - 3) + u"X" +
               Padded(u"-3.", u'0', kMegabyte - 2 * third - 1);
    case 2: // coefficients of a third of a megabyte of digits each, beyond the double range
        return std::u16string(third, u'7') + u"X^2" + std::u16string(third, u'5') + u"X" +
               std::u16string(kMegabyte - 2 * third - 4, u'3');
    case 3: // coefficients of a third of a megabyte of significant digits, which a correctly
            // rounded conversion must weigh
        return Repeated(u"1.", u"428571", third) + u"X^2" + Repeated(u"-2.", u"857142", third - 3) +
               u"X" + Repeated(u"-3.", u"285714", kMegabyte - 2 * third - 1);
    case 4: // no X at all
        return std::u16string(kMegabyte, u'9');
    default: // nothing but X
        return std::u16string(kMegabyte, u'X');
    }
}

void Shapes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("shape")->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
}

void SetLabel(benchmark::State& state) {
    static const char* const kNames[] = {
        "blanks after the constant", "long fractions", "digits beyond the double range",
        "significant digits",        "no X",           "only X"};
    state.SetLabel(kNames[state.range(0)]);
}

void BM_CalculateMegabyte(benchmark::State& state) {
    const std::u16string equation = Equation(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::SolveQuadratic(equation, u"2"));
    }
    SetLabel(state);
}
BENCHMARK(BM_CalculateMegabyte)->Apply(Shapes);

void BM_FindValueMegabyte(benchmark::State& state) {
    const std::u16string equation = Equation(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::ValueOfYAtX(equation, u"1.234", u"2"));
    }
    SetLabel(state);
}
BENCHMARK(BM_FindValueMegabyte)->Apply(Shapes);

// Plot's engine work: the split, then the coefficients' conversion and the 1,991 curve points.
void BM_PlotMegabyte(benchmark::State& state) {
    const std::u16string equation = Equation(state.range(0));
    for (auto _ : state) {
        const veltrix::ParseOutcome parsed = veltrix::ParseQuadratic(equation);
        if (const auto* coefficients = std::get_if<veltrix::QuadraticCoefficients>(&parsed)) {
            benchmark::DoNotOptimize(veltrix::PlotCurve(*coefficients));
        }
        benchmark::DoNotOptimize(parsed);
    }
    SetLabel(state);
}
BENCHMARK(BM_PlotMegabyte)->Apply(Shapes);

// An x text of 10,000 digits, and of 10,000 digits after "0.".
void BM_FindValueTenThousandDigitX(benchmark::State& state) {
    const std::u16string x =
        state.range(0) == 0 ? std::u16string(10'000, u'7') : u"0." + std::u16string(10'000, u'3');
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::ValueOfYAtX(u"10X^2-2X-3", x, u"2"));
    }
    state.SetLabel(state.range(0) == 0 ? "10,000 digits" : "0. and 10,000 digits");
}
BENCHMARK(BM_FindValueTenThousandDigitX)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

// `first`, then `term` as many whole times as fit in a megabyte, then blanks.
std::u16string Terms(std::u16string first, std::u16string_view term) {
    while (first.size() + term.size() <= kMegabyte) {
        first += term;
    }
    return Padded(std::move(first), u' ', kMegabyte);
}

// The working's reader on a megabyte, in the shapes that make it keep the most terms or weigh the
// longest numbers.
std::u16string StudentText(std::int64_t shape) {
    const std::size_t third = kMegabyte / 3;
    switch (shape) {
    case 0: // one equation, then blanks
        return Padded(u"y = 10x\u00B2 \u2212 2x \u2212 3", u' ', kMegabyte);
    case 1: // a term every two characters, all of them x
        return Terms(u"x", u"+x");
    case 2: // terms of every power, with fractions
        return Terms(u"0", u"+1.5x^2-2.25x+3");
    case 3: // terms of 400 significant digits, the most an exact value takes
        return Terms(u"0", u"+0." + std::u16string(399, u'7') + u"x");
    case 4: // sums of 800 digits: each term's value is exact, their sum is too long
        return Terms(u"0", u"+1e399x+1e-399x");
    case 5: // one number of a megabyte of digits, too long for an exact value
        return Padded(u"x^2+", u'7', kMegabyte);
    case 6: // a third of a megabyte of digits in each coefficient, beyond the double range
        return std::u16string(third, u'7') + u"x^2+" + std::u16string(third, u'5') + u"x+" +
               std::u16string(kMegabyte - 2 * third - 5, u'3');
    case 8: // a bracket every four characters
        return Terms(u"(x)", u"+(x)");
    case 9: // products of brackets and fractions, each multiplied out
        return Terms(u"0", u"+(x+1)(x-1)/2");
    default: { // a term every two characters, refused at the sign that ends it
        std::u16string text = Terms(u"x", u"+x");
        text.back() = u'+';
        return text;
    }
    }
}

void StudentShapes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("shape")->DenseRange(0, 9)->Unit(benchmark::kMillisecond);
}

void SetStudentLabel(benchmark::State& state) {
    static const char* const kNames[] = {"blanks after the equation",
                                         "x+x+...",
                                         "every power",
                                         "400-digit terms",
                                         "800-digit sums",
                                         "one long number",
                                         "digits beyond the double range",
                                         "refused at its end",
                                         "(x)+(x)+...",
                                         "(x+1)(x-1)/2+..."};
    state.SetLabel(kNames[state.range(0)]);
}

void BM_StudentReadMegabyte(benchmark::State& state) {
    const std::u16string text = StudentText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::ReadStudentEquation(text));
    }
    SetStudentLabel(state);
}
BENCHMARK(BM_StudentReadMegabyte)->Apply(StudentShapes);

// All the working's reading needs: the terms, their exact sums, and Calculate's side of it.
void BM_StudentReadExactAndCompareMegabyte(benchmark::State& state) {
    const std::u16string text = StudentText(state.range(0));
    for (auto _ : state) {
        const veltrix::StudentReadOutcome read = veltrix::ReadStudentEquation(text);
        if (const auto* equation = std::get_if<veltrix::StudentEquation>(&read)) {
            benchmark::DoNotOptimize(veltrix::ExactStudentQuadratic(*equation));
            benchmark::DoNotOptimize(veltrix::CompareWithCalculate(text, *equation));
        }
    }
    SetStudentLabel(state);
}
BENCHMARK(BM_StudentReadExactAndCompareMegabyte)->Apply(StudentShapes);

// The whole working of a megabyte, brackets multiplied out where it has them.
void BM_WorkOutMegabyte(benchmark::State& state) {
    const std::u16string text = StudentText(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::WorkOut(text, 2));
    }
    SetStudentLabel(state);
}
BENCHMARK(BM_WorkOutMegabyte)->Apply(StudentShapes);

} // namespace

BENCHMARK_MAIN();
