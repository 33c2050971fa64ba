#include "engine/working/exact_working.hpp"
#include "fuzz/fuzz_input.hpp"
#include "test_text.hpp"
#include "tests/support/working_checks.hpp"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <string>

namespace veltrix {
namespace {

using testing::U16;
using testing::Utf8;

// The name of each of a method's own steps, as the rows below and the computer-algebra check
// (tools/check_working_steps.py) read them.
std::string MethodStepName(WorkingStep step) {
    using enum WorkingStep;
    static const std::map<WorkingStep, std::string> names = {
        {DivideBothSides, "divided"},
        {ConstantToRight, "moved"},
        {AddToBothSides, "added"},
        {LeftSideAsSquare, "square"},
        {SquareRootOfBothSides, "root"},
        {MultiplyBothSides, "times"},
        {FactorSplitNumbers, "split numbers"},
        {FactorSplitMiddle, "factored"},
        {FactorGrouping, "factored"},
        {FactorProduct, "factored"},
        {FactorTakeOutX, "factored"},
        {FactorPerfectSquare, "factored"},
        {FactorDifferenceOfSquares, "factored"},
        {ProductIsZero, "product"},
        {PqValues, "pq"},
        {HalfBValues, "half-b"},
        {Discriminant, "discriminant"},
        {Roots, "roots"},
        {TwoRoots, "roots"},
        {DoubleRoot, "roots"},
        {ComplexRoots, "roots"},
        {VietaCheck, "vieta"},
        {NoRationalFactors, "not by this method"},
        {HalfBNeedsEvenB, "not by this method"},
        {AtOnceNeedsProductOrSquare, "not by this method"},
        {MinimumFromSquare, "from the square"},
        {MaximumFromSquare, "from the square"},
        {DiscriminantAndRoot, "discriminant"},
        {RootsThenEach, "roots"},
        {RootsEach, "roots"},
        {NoRealSolution, "no real solution"},
        {ComplexAside, "aside"},
        {SolutionSet, "answer"},
        {SolutionSetInWords, "answer"},
        {Answer, "answer"},
        {AnswerNoRealRoot, "answer"}};
    const auto name = names.find(step);
    return name == names.end() ? "" : name->second;
}

// A line as the rows below write it: its step's name, then its formulas with " | " between them.
std::string LineText(const std::string& name, const WorkingLine& line) {
    std::string text;
    for (const Formula& formula : line.formulas) {
        text += (text.empty() ? "" : " | ") + Utf8(math::PlainText(formula));
    }
    return name + ": " + text;
}

// A method's lines for an equation, from the Equation line to the check of the roots.
struct MethodCase {
    const char* equation;
    const char* method;
    std::vector<std::string> lines;
};

void PrintTo(const MethodCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" by " << c.method;
}

std::vector<std::string> MethodLinesOf(const char* equation, WorkingMethod method) {
    const Working working = std::get<Working>(WorkOut(U16(equation), 2, kPoint, method));
    std::vector<std::string> lines;
    for (const WorkingLine& line : working) {
        if (const std::string name = MethodStepName(line.step); !name.empty()) {
            lines.push_back(LineText(name, line));
        }
        if (!lines.empty() && lines.back().starts_with("not by this method")) {
            break; // the formula's working follows, as the property below checks
        }
    }
    return lines;
}

class MethodTest : public ::testing::TestWithParam<MethodCase> {};

TEST_P(MethodTest, WritesItsLines) {
    const MethodCase& c = GetParam();
    EXPECT_EQ(MethodLinesOf(c.equation, *MethodNamed(c.method)), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Methods, MethodTest,
    ::testing::Values(
        // rational roots
        MethodCase{"x^2-5x+6",
                   "square",
                   {"moved: x² − 5x = -6", "added: (-2.5)² | x² − 5x + (-2.5)² = -6 + (-2.5)²",
                    "square: (x − 2.5)² = 0.25", "root: x − 2.5 = ±0.5",
                    "roots: x = 2.5 ± 0.5 = 3 | x = 2", "vieta: 3 + 2 = 5 = −b/a | 3·2 = 6 = c/a",
                    "from the square: (2.5, -0.25) | x = 2.5"}},
        // the formula checked by Vieta's formulas too, its roots bracketed where they are sums
        MethodCase{"x^2-2x-1",
                   "formula",
                   {"discriminant: b² − 4ac = (-2)² − 4·1·(-1) = 8",
                    "roots: x = (−b ± √(b² − 4ac))/(2a) = (2 ± √8)/2 = 1 ± √2",
                    "vieta: (1 + √2) + (1 − √2) = 2 = −b/a | (1 + √2)·(1 − √2) = -1 = c/a"}},
        // surd
        MethodCase{"10x^2-2x-3",
                   "square",
                   {"divided: 10 | x² − 0.2x − 0.3 = 0", "moved: x² − 0.2x = 0.3",
                    "added: (-0.1)² | x² − 0.2x + (-0.1)² = 0.3 + (-0.1)²",
                    "square: (x − 0.1)² = 0.31", "root: x − 0.1 = ±√0.31",
                    "roots: x = 0.1 ± √0.31 = (1 ± √31)/10",
                    "vieta: (1 + √31)/10 + (1 − √31)/10 = 0.2 = −b/a | ((1 + √31)/10)·((1 − "
                    "√31)/10) = -0.3 = c/a",
                    "from the square: (0.1, -3.1) | x = 0.1"}},
        // complex
        MethodCase{"x^2+x+1",
                   "square",
                   {"moved: x² + x = -1", "added: 0.5² | x² + x + 0.5² = -1 + 0.5²",
                    "square: (x + 0.5)² = -0.75", "root: x + 0.5 = ±i√0.75",
                    "roots: x = -0.5 ± i√0.75 = (-1 ± i√3)/2",
                    "vieta: (-1 + i√3)/2 + (-1 − i√3)/2 = -1 = −b/a | ((-1 + i√3)/2)·((-1 − "
                    "i√3)/2) = 1 = c/a",
                    "from the square: (-0.5, 0.75) | x = -0.5"}},
        // a double root, a = -1
        MethodCase{"-x^2+4x-4",
                   "square",
                   {"divided: -1 | x² − 4x + 4 = 0", "moved: x² − 4x = -4",
                    "added: (-2)² | x² − 4x + (-2)² = -4 + (-2)²", "square: (x − 2)² = 0",
                    "root: x − 2 = 0", "roots: x = 2", "vieta: 2 + 2 = 4 = −b/a | 2·2 = 4 = c/a",
                    "from the square: (2, 0) | x = 2"}},
        // a fraction, b = 0: x² = −q is a square already
        MethodCase{"x^2-1/3",
                   "square",
                   {"moved: x² = 1/3", "root: x = ±√(1/3)", "roots: x = ±√3/3",
                    "vieta: √3/3 + (−√3/3) = 0 = −b/a | (√3/3)·(−√3/3) = -1/3 = c/a",
                    "from the square: (0, -1/3) | x = 0"}},
        // a = -1
        MethodCase{"-x^2+2x+3",
                   "factor",
                   {"split numbers: -3 | 2 | 3 | -1", "factored: -x² + 3x − x + 3 = 0",
                    "factored: -x(x − 3) − (x − 3) = 0", "factored: -(x + 1)(x − 3) = 0",
                    "product: x = -1 | x = 3", "vieta: -1 + 3 = 2 = −b/a | (-1)·3 = -3 = c/a"}},
        // decimals multiplied to whole numbers first
        MethodCase{"0.5x^2+1.25x-3",
                   "factor",
                   {"times: 4 | 2x² + 5x − 12 = 0", "split numbers: -24 | 5 | 8 | -3",
                    "factored: 2x² + 8x − 3x − 12 = 0", "factored: 2x(x + 4) − 3(x + 4) = 0",
                    "factored: (2x − 3)(x + 4) = 0", "product: x = 1.5 | x = -4",
                    "vieta: 1.5 + (-4) = -2.5 = −b/a | 1.5·(-4) = -6 = c/a"}},
        // a perfect square
        MethodCase{
            "x^2-6x+9",
            "factor",
            {"factored: (x − 3)² = 0", "roots: x = 3", "vieta: 3 + 3 = 6 = −b/a | 3·3 = 9 = c/a"}},
        // c = 0: x taken out
        MethodCase{"2x^2-7x",
                   "factor",
                   {"factored: x(2x − 7) = 0", "product: x = 0 | x = 3.5",
                    "vieta: 3.5 + 0 = 3.5 = −b/a | 3.5·0 = 0 = c/a"}},
        // b = 0: a difference of squares
        MethodCase{"4x^2-9",
                   "factor",
                   {"factored: (2x − 3)(2x + 3) = 0", "product: x = 1.5 | x = -1.5",
                    "vieta: 1.5 + (-1.5) = 0 = −b/a | 1.5·(-1.5) = -2.25 = c/a"}},
        // roots not rational: why, then the formula
        MethodCase{"10x^2-2x-3", "factor", {"not by this method: "}},
        MethodCase{
            "x^2-5x+6",
            "pq",
            {"pq: p = -5, q = 6",
             "roots: x = −p/2 ± √((p/2)² − q) = 2.5 ± √((-2.5)² − 6) = 2.5 ± 0.5 = 3 | x = 2",
             "vieta: 3 + 2 = 5 = −b/a | 3·2 = 6 = c/a"}},
        // divided by a first
        MethodCase{"10x^2-2x-3",
                   "pq",
                   {"divided: 10 | x² − 0.2x − 0.3 = 0", "pq: p = -0.2, q = -0.3",
                    "roots: x = −p/2 ± √((p/2)² − q) = 0.1 ± √((-0.1)² − (-0.3)) = 0.1 ± √0.31 = "
                    "(1 ± √31)/10",
                    "vieta: (1 + √31)/10 + (1 − √31)/10 = 0.2 = −b/a | ((1 + √31)/10)·((1 − "
                    "√31)/10) = -0.3 = c/a"}},
        MethodCase{"x^2+2x+5",
                   "pq",
                   {"pq: p = 2, q = 5",
                    "roots: x = −p/2 ± √((p/2)² − q) = -1 ± √(1² − 5) = -1 ± √(-4) = -1 ± 2i",
                    "vieta: (-1 + 2i) + (-1 − 2i) = -2 = −b/a | (-1 + 2i)·(-1 − 2i) = 5 = c/a"}},
        MethodCase{"10x^2-2x-3",
                   "half-b",
                   {"half-b: k = b/2 = -1 | D/4 = k² − ac = (-1)² − 10·(-3) = 31",
                    "roots: x = (−k ± √(D/4))/a = (1 ± √31)/10",
                    "vieta: (1 + √31)/10 + (1 − √31)/10 = 0.2 = −b/a | ((1 + √31)/10)·((1 − "
                    "√31)/10) = -0.3 = c/a"}},
        MethodCase{"x^2+2x+5",
                   "half-b",
                   {"half-b: k = b/2 = 1 | D/4 = k² − ac = 1² − 1·5 = -4",
                    "roots: x = (−k ± √(D/4))/a = -1 ± √(-4) = -1 ± 2i",
                    "vieta: (-1 + 2i) + (-1 − 2i) = -2 = −b/a | (-1 + 2i)·(-1 − 2i) = 5 = c/a"}},
        MethodCase{"-x^2+2x+3",
                   "half-b",
                   {"half-b: k = b/2 = 1 | D/4 = k² − ac = 1² − (-1)·3 = 4",
                    "roots: x = (−k ± √(D/4))/a = (-1 ± 2)/(-1) = -1 | x = 3",
                    "vieta: -1 + 3 = 2 = −b/a | (-1)·3 = -3 = c/a"}},
        // a decimal b whose half is as short
        MethodCase{"x^2+0.6x-0.16",
                   "half-b",
                   {"half-b: k = b/2 = 0.3 | D/4 = k² − ac = 0.3² − 1·(-0.16) = 0.25",
                    "roots: x = (−k ± √(D/4))/a = -0.3 ± 0.5 = 0.2 | x = -0.8",
                    "vieta: 0.2 + (-0.8) = -0.6 = −b/a | 0.2·(-0.8) = -0.16 = c/a"}},
        // an odd b: why, then the formula
        MethodCase{"x^2-5x+6", "half-b", {"not by this method: b = -5"}},
        MethodCase{"(x+2)(x-3)=0",
                   "at-once",
                   {"product: x = -2 | x = 3", "roots: x = 3 | x = -2",
                    "vieta: 3 + (-2) = 1 = −b/a | 3·(-2) = -6 = c/a"}},
        MethodCase{"(x-1)^2=4",
                   "at-once",
                   {"root: x − 1 = ±2", "roots: x = 3 | x = -1",
                    "vieta: 3 + (-1) = 2 = −b/a | 3·(-1) = -3 = c/a"}},
        // no product or square given
        MethodCase{"x^2-5x+6", "at-once", {"not by this method: "}}),
    [](const auto& row) {
        return testing::RowName(row.index, {row.param.method, row.param.equation});
    });

// Each school's working, by its own method, for the equations its textbooks solve first: every
// line from the discriminant to the factored form, as a reader from that country checks it.
struct SchoolCase {
    const char* school;
    const char* equation;
    std::vector<std::string> lines;
};

void PrintTo(const SchoolCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" in " << c.school;
}

std::string SchoolStepName(WorkingStep step) {
    using enum WorkingStep;
    static const std::map<WorkingStep, std::string> names = {{RoundedRoots, "rounded"},
                                                             {RoundedRoot, "rounded"},
                                                             {Minimum, "turning point"},
                                                             {Maximum, "turning point"}};
    const auto name = names.find(step);
    return name == names.end() ? MethodStepName(step) : name->second;
}

// The lines a school writes, but for the check by Vieta's formulas, which the methods' rows show.
std::vector<std::string> SchoolLines(const Working& working) {
    std::vector<std::string> lines;
    for (const WorkingLine& line : working) {
        if (const std::string name = SchoolStepName(line.step); !name.empty() && name != "vieta") {
            lines.push_back(LineText(name, line));
        }
    }
    return lines;
}

std::vector<std::string> SchoolLinesOf(const SchoolCase& c) {
    // The decimal comma where the school's country writes one.
    const std::string_view language = SchoolNamed(c.school)->language.substr(0, 2);
    const bool comma =
        !language.empty() &&
        std::string_view("de fr es it pt pl ru").find(language) != std::string_view::npos;
    return SchoolLines(std::get<Working>(
        WorkOut(U16(c.equation), 2, comma ? u',' : kPoint, {std::nullopt, c.school})));
}

class SchoolTest : public ::testing::TestWithParam<SchoolCase> {};

TEST_P(SchoolTest, WritesItsNotation) {
    EXPECT_EQ(SchoolLinesOf(GetParam()), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Schools, SchoolTest,
    ::testing::Values(
        // with no method chosen, the roots read off at once where the exercise gives them so
        SchoolCase{"general",
                   "(x-1)^2=4",
                   {"root: x − 1 = ±2", "roots: x = 3 | x = -1", "rounded: x = 3 | x = -1",
                    "turning point: (1, -4) | x = 1"}},
        // a double root, its two names one
        SchoolCase{"br",
                   "x^2-4x+4",
                   {"discriminant: Δ = b² − 4ac = (-4)² − 4·1·4 = 0",
                    "roots: x′ = x″ = (−b ± √Δ)/(2a) = (4 ± 0)/2 = 2", "rounded: x′ = x″ = 2",
                    "answer: S = {2}", "turning point: V(2; 0) | x = 2"}},
        // √Δ in its simplest form
        SchoolCase{"pl",
                   "x^2-2x-1",
                   {"discriminant: Δ = b² − 4ac = (-2)² − 4·1·(-1) = 8 | √Δ = √8 = 2√2",
                    "roots: x₁ = (−b − √Δ)/(2a) = (2 − √8)/2 = 1 − √2 | x₂ = (−b + √Δ)/(2a) = "
                    "(2 + √8)/2 = 1 + √2",
                    "rounded: x₁ ≈ -0,41 | x₂ ≈ 2,41", "turning point: W(1; -2) | x = 1"}},
        SchoolCase{"de",
                   "x^2-5x+6",
                   {"pq: p = -5; q = 6",
                    "roots: x₁,₂ = −p/2 ± √((p/2)² − q) = 2,5 ± √((-2,5)² − 6) = 2,5 ± 0,5 | x₁ = "
                    "2,5 + 0,5 = 3 | x₂ = 2,5 − 0,5 = 2",
                    "rounded: x₁ = 3 | x₂ = 2", "answer: L = {2; 3}",
                    "turning point: S(2,5 | -0,25) | x = 2,5"}},
        SchoolCase{"de",
                   "2x^2+3x-2=0",
                   {"discriminant: D = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x₁,₂ = (−b ± √D)/(2a) = (-3 ± 5)/4 | x₁ = (-3 + 5)/4 = 0,5 | x₂ = (-3 "
                    "− 5)/4 = -2",
                    "rounded: x₁ = 0,5 | x₂ = -2", "answer: L = {-2; 0,5}",
                    "turning point: S(-0,75 | -3,125) | x = -0,75"}},
        SchoolCase{"de",
                   "x^2+2x+5",
                   {"pq: p = 2; q = 5", "no real solution: (p/2)² − q = 1² − 5 = -4 < 0",
                    "answer: L = { }", "aside: ",
                    "roots: x₁,₂ = −p/2 ± √((p/2)² − q) = -1 ± √(1² − 5) = -1 ± √(-4) = -1 ± 2i",
                    "rounded: x₁,₂ = -1 ± 2i", "turning point: S(-1 | 4) | x = -1"}},
        SchoolCase{
            "fr",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x₁ = (−b − √Δ)/(2a) = (5 − 1)/2 = 2 | x₂ = (−b + √Δ)/(2a) = (5 + 1)/2 = 3",
             "rounded: x₁ = 2 | x₂ = 3", "answer: S = {2; 3}",
             "turning point: S(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"fr",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-3 − 5)/4 = -2 | x₂ = (−b + √Δ)/(2a) = (-3 + "
                    "5)/4 = 0,5",
                    "rounded: x₁ = -2 | x₂ = 0,5", "answer: S = {-2; 0,5}",
                    "turning point: S(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"fr",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "answer: S = ∅", "aside: ",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-2 − √(-16))/2 = -1 − 2i | x₂ = (−b + √Δ)/(2a) "
                    "= (-2 + √(-16))/2 = -1 + 2i",
                    "rounded: x = -1 ± 2i", "turning point: S(-1; 4) | x = -1"}},
        SchoolCase{"es",
                   "x^2-5x+6",
                   {"roots: x = (−b ± √(b² − 4ac))/(2a) = (5 ± √((-5)² − 4·1·6))/2 = (5 ± 1)/2 | "
                    "x₁ = (5 + 1)/2 = 3 | x₂ = (5 − 1)/2 = 2",
                    "rounded: x₁ = 3 | x₂ = 2", "turning point: V(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"es",
                   "2x^2+3x-2=0",
                   {"roots: x = (−b ± √(b² − 4ac))/(2a) = (-3 ± √(3² − 4·2·(-2)))/4 = (-3 ± 5)/4 | "
                    "x₁ = (-3 + 5)/4 = 0,5 | x₂ = (-3 − 5)/4 = -2",
                    "rounded: x₁ = 0,5 | x₂ = -2", "turning point: V(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"es",
                   "x^2+2x+5",
                   {"no real solution: Δ = b² − 4ac = 2² − 4·1·5 = -16 < 0", "aside: ",
                    "roots: x = (−b ± √(b² − 4ac))/(2a) = (-2 ± √(2² − 4·1·5))/2 = (-2 ± √(-16))/2 "
                    "= -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: V(-1; 4) | x = -1"}},
        SchoolCase{
            "it",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x₁,₂ = (−b ± √Δ)/(2a) = (5 ± 1)/2 | x₁ = (5 + 1)/2 = 3 | x₂ = (5 − 1)/2 = 2",
             "rounded: x₁ = 3 | x₂ = 2", "answer: S = {2; 3}",
             "turning point: V(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"it",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x₁,₂ = (−b ± √Δ)/(2a) = (-3 ± 5)/4 | x₁ = (-3 + 5)/4 = 0,5 | x₂ = (-3 "
                    "− 5)/4 = -2",
                    "rounded: x₁ = 0,5 | x₂ = -2", "answer: S = {-2; 0,5}",
                    "turning point: V(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"it",
                   "x^2+2x+5",
                   {"half-b: b/2 = 1 | Δ/4 = (b/2)² − ac = 1² − 1·5 = -4",
                    "no real solution: Δ/4 < 0", "answer: S = ∅",
                    "aside: ", "roots: x₁,₂ = (−b/2 ± √(Δ/4))/a = -1 ± √(-4) = -1 ± 2i",
                    "rounded: x₁,₂ = -1 ± 2i", "turning point: V(-1; 4) | x = -1"}},
        SchoolCase{
            "br",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x = (−b ± √Δ)/(2a) = (5 ± 1)/2 | x′ = (5 + 1)/2 = 3 | x″ = (5 − 1)/2 = 2",
             "rounded: x′ = 3 | x″ = 2", "answer: S = {2; 3}",
             "turning point: V(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"br",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x = (−b ± √Δ)/(2a) = (-3 ± 5)/4 | x′ = (-3 + 5)/4 = 0,5 | x″ = (-3 − "
                    "5)/4 = -2",
                    "rounded: x′ = 0,5 | x″ = -2", "answer: S = {-2; 0,5}",
                    "turning point: V(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"br",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "answer: S = ∅",
                    "aside: ", "roots: x = (−b ± √Δ)/(2a) = (-2 ± √(-16))/2 = -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: V(-1; 4) | x = -1"}},
        SchoolCase{
            "pl",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1 | √Δ = √1 = 1",
             "roots: x₁ = (−b − √Δ)/(2a) = (5 − 1)/2 = 2 | x₂ = (−b + √Δ)/(2a) = (5 + 1)/2 = 3",
             "rounded: x₁ = 2 | x₂ = 3", "turning point: W(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"pl",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25 | √Δ = √25 = 5",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-3 − 5)/4 = -2 | x₂ = (−b + √Δ)/(2a) = (-3 + "
                    "5)/4 = 0,5",
                    "rounded: x₁ = -2 | x₂ = 0,5", "turning point: W(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"pl",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "aside: ",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-2 − √(-16))/2 = -1 − 2i | x₂ = (−b + √Δ)/(2a) "
                    "= (-2 + √(-16))/2 = -1 + 2i",
                    "rounded: x = -1 ± 2i", "turning point: W(-1; 4) | x = -1"}},
        SchoolCase{
            "ru",
            "x^2-5x+6",
            {"discriminant: D = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x₁,₂ = (−b ± √D)/(2a) = (5 ± 1)/2 | x₁ = (5 + 1)/2 = 3 | x₂ = (5 − 1)/2 = 2",
             "rounded: x₁ = 3 | x₂ = 2", "answer: 2; 3", "turning point: (2,5; -0,25) | x = 2,5"}},
        SchoolCase{"ru",
                   "2x^2+3x-2=0",
                   {"discriminant: D = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x₁,₂ = (−b ± √D)/(2a) = (-3 ± 5)/4 | x₁ = (-3 + 5)/4 = 0,5 | x₂ = (-3 "
                    "− 5)/4 = -2",
                    "rounded: x₁ = 0,5 | x₂ = -2", "answer: -2; 0,5",
                    "turning point: (-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"ru",
                   "x^2+2x+5",
                   {"half-b: k = b/2 = 1 | D₁ = k² − ac = 1² − 1·5 = -4",
                    "no real solution: D₁ < 0",
                    "answer: ", "aside: ", "roots: x₁,₂ = (−k ± √D₁)/a = -1 ± √(-4) = -1 ± 2i",
                    "rounded: x₁,₂ = -1 ± 2i", "turning point: (-1; 4) | x = -1"}},
        SchoolCase{
            "cn",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x = (−b ± √Δ)/(2a) = (5 ± 1)/2 | x₁ = (5 + 1)/2 = 3 | x₂ = (5 − 1)/2 = 2",
             "rounded: x₁ = 3 | x₂ = 2", "turning point: (2.5, -0.25) | x = 2.5"}},
        SchoolCase{"cn",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x = (−b ± √Δ)/(2a) = (-3 ± 5)/4 | x₁ = (-3 + 5)/4 = 0.5 | x₂ = (-3 − "
                    "5)/4 = -2",
                    "rounded: x₁ = 0.5 | x₂ = -2", "turning point: (-0.75, -3.125) | x = -0.75"}},
        SchoolCase{"cn",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "aside: ", "roots: x = (−b ± √Δ)/(2a) = (-2 ± √(-16))/2 = -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: (-1, 4) | x = -1"}},
        SchoolCase{"jp",
                   "x^2-5x+6",
                   {"discriminant: D = b² − 4ac = (-5)² − 4·1·6 = 1",
                    "roots: x = (−b ± √D)/(2a) = (5 ± 1)/2 = 3 | x = 2", "rounded: x = 3 | x = 2",
                    "turning point: (2.5, -0.25) | x = 2.5"}},
        SchoolCase{"jp",
                   "2x^2+3x-2=0",
                   {"discriminant: D = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x = (−b ± √D)/(2a) = (-3 ± 5)/4 = 0.5 | x = -2",
                    "rounded: x = 0.5 | x = -2", "turning point: (-0.75, -3.125) | x = -0.75"}},
        SchoolCase{"jp",
                   "x^2+2x+5",
                   {"half-b: b′ = b/2 = 1 | D/4 = b′² − ac = 1² − 1·5 = -4",
                    "no real solution: D/4 < 0",
                    "aside: ", "roots: x = (−b′ ± √(D/4))/a = -1 ± √(-4) = -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: (-1, 4) | x = -1"}},
        SchoolCase{
            "mashriq",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x = (−b ± √Δ)/(2a) = (5 ± 1)/2 | x₁ = (5 + 1)/2 = 3 | x₂ = (5 − 1)/2 = 2",
             "rounded: x₁ = 3 | x₂ = 2", "answer: {2, 3}",
             "turning point: (2.5, -0.25) | x = 2.5"}},
        SchoolCase{"mashriq",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x = (−b ± √Δ)/(2a) = (-3 ± 5)/4 | x₁ = (-3 + 5)/4 = 0.5 | x₂ = (-3 − "
                    "5)/4 = -2",
                    "rounded: x₁ = 0.5 | x₂ = -2", "answer: {-2, 0.5}",
                    "turning point: (-0.75, -3.125) | x = -0.75"}},
        SchoolCase{"mashriq",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "answer: ∅", "aside: ", "roots: x = (−b ± √Δ)/(2a) = (-2 ± √(-16))/2 = -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: (-1, 4) | x = -1"}},
        SchoolCase{
            "maghreb",
            "x^2-5x+6",
            {"discriminant: Δ = b² − 4ac = (-5)² − 4·1·6 = 1",
             "roots: x₁ = (−b − √Δ)/(2a) = (5 − 1)/2 = 2 | x₂ = (−b + √Δ)/(2a) = (5 + 1)/2 = 3",
             "rounded: x₁ = 2 | x₂ = 3", "answer: S = {2; 3}",
             "turning point: S(2,5; -0,25) | x = 2,5"}},
        SchoolCase{"maghreb",
                   "2x^2+3x-2=0",
                   {"discriminant: Δ = b² − 4ac = 3² − 4·2·(-2) = 25",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-3 − 5)/4 = -2 | x₂ = (−b + √Δ)/(2a) = (-3 + "
                    "5)/4 = 0,5",
                    "rounded: x₁ = -2 | x₂ = 0,5", "answer: S = {-2; 0,5}",
                    "turning point: S(-0,75; -3,125) | x = -0,75"}},
        SchoolCase{"maghreb",
                   "x^2+2x+5",
                   {"discriminant: Δ = b² − 4ac = 2² − 4·1·5 = -16", "no real solution: Δ < 0",
                    "answer: S = ∅", "aside: ",
                    "roots: x₁ = (−b − √Δ)/(2a) = (-2 − √(-16))/2 = -1 − 2i | x₂ = (−b + √Δ)/(2a) "
                    "= (-2 + √(-16))/2 = -1 + 2i",
                    "rounded: x = -1 ± 2i", "turning point: S(-1; 4) | x = -1"}},
        SchoolCase{"uk",
                   "x^2-5x+6",
                   {"split numbers: 6 | -5 | -2 | -3", "factored: x² − 2x − 3x + 6 = 0",
                    "factored: x(x − 2) − 3(x − 2) = 0", "factored: (x − 3)(x − 2) = 0",
                    "product: x = 3 | x = 2", "rounded: x = 3 | x = 2",
                    "turning point: (2.5, -0.25) | x = 2.5"}},
        SchoolCase{"uk",
                   "2x^2+3x-2=0",
                   {"split numbers: -4 | 3 | 4 | -1", "factored: 2x² + 4x − x − 2 = 0",
                    "factored: 2x(x + 2) − (x + 2) = 0", "factored: (2x − 1)(x + 2) = 0",
                    "product: x = 0.5 | x = -2", "rounded: x = 0.5 | x = -2",
                    "turning point: (-0.75, -3.125) | x = -0.75"}},
        SchoolCase{"uk",
                   "x^2+2x+5",
                   {"not by this method: ", "no real solution: b² − 4ac = 2² − 4·1·5 = -16 < 0",
                    "aside: ",
                    "roots: x = (−b ± √(b² − 4ac))/(2a) = (-2 ± √(2² − 4·1·5))/2 = (-2 ± √(-16))/2 "
                    "= -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: (-1, 4) | x = -1"}},
        SchoolCase{"us",
                   "x^2-5x+6",
                   {"split numbers: 6 | -5 | -2 | -3", "factored: x² − 2x − 3x + 6 = 0",
                    "factored: x(x − 2) − 3(x − 2) = 0", "factored: (x − 3)(x − 2) = 0",
                    "product: x = 3 | x = 2", "rounded: x = 3 | x = 2",
                    "turning point: (2.5, -0.25) | x = 2.5"}},
        SchoolCase{"us",
                   "2x^2+3x-2=0",
                   {"split numbers: -4 | 3 | 4 | -1", "factored: 2x² + 4x − x − 2 = 0",
                    "factored: 2x(x + 2) − (x + 2) = 0", "factored: (2x − 1)(x + 2) = 0",
                    "product: x = 0.5 | x = -2", "rounded: x = 0.5 | x = -2",
                    "turning point: (-0.75, -3.125) | x = -0.75"}},
        SchoolCase{"us",
                   "x^2+2x+5",
                   {"not by this method: ", "no real solution: b² − 4ac = 2² − 4·1·5 = -16 < 0",
                    "aside: ",
                    "roots: x = (−b ± √(b² − 4ac))/(2a) = (-2 ± √(2² − 4·1·5))/2 = (-2 ± √(-16))/2 "
                    "= -1 ± 2i",
                    "rounded: x = -1 ± 2i", "turning point: (-1, 4) | x = -1"}}),
    [](const auto& row) {
        return testing::RowName(row.index, {row.param.school, row.param.equation});
    });

// A school no country has, made of the table's fields alone: the working follows the row with no
// code of its own, as a new school's would.
TEST(SchoolTest, FollowsARowMadeOfDataAlone) {
    School row = *SchoolNamed("de");
    row.id = "made up";
    row.rootOfDiscriminantLine = true;
    row.rootNames = RootNames::Primes;
    row.rootsWritten = RootsWritten::EachByItsOwnFormula;
    row.firstRoot = FirstRoot::Minus;
    row.variantWhen = VariantWhen::Never;
    row.vertexName = u"T";
    row.pointSeparator = PointSeparator::Semicolon;
    row.answer = AnswerLine::SetS;
    row.negative = NegativeDiscriminant::ComplexRoots;
    const auto lines = [&row](const char* equation) {
        const auto read = ReadExactQuadratic(U16(equation));
        return SchoolLines(
            WorkOut(std::get<ExactQuadratic>(read), 2, u',', {std::nullopt, false, &row}));
    };
    EXPECT_EQ(
        lines("x^2-5x+6"),
        (std::vector<std::string>{
            "discriminant: D = b² − 4ac = (-5)² − 4·1·6 = 1 | √D = √1 = 1",
            "roots: x′ = (−b − √D)/(2a) = (5 − 1)/2 = 2 | x″ = (−b + √D)/(2a) = (5 + 1)/2 = 3",
            "rounded: x′ = 2 | x″ = 3", "answer: S = {2; 3}",
            "turning point: T(2,5; -0,25) | x = 2,5"}));
    EXPECT_EQ(lines("x^2+2x+5"),
              (std::vector<std::string>{
                  "discriminant: D = b² − 4ac = 2² − 4·1·5 = -16",
                  "roots: x′ = (−b − √D)/(2a) = (-2 − √(-16))/2 = -1 − 2i | x″ = (−b + √D)/(2a) = "
                  "(-2 + √(-16))/2 = -1 + 2i",
                  "rounded: x = -1 ± 2i", "answer: S = {-1 − 2i; -1 + 2i}",
                  "turning point: T(-1; 4) | x = -1"}));
}

// A school that names the minus root first still has each root's label beside its own place on
// the sketch.
TEST(SchoolTest, LabelsEachRootAtItsOwnPlace) {
    for (const char* school : {"fr", "pl", "de"}) {
        for (const char16_t* equation : {u"2x^2+3x-2", u"-10x^2+2x+3", u"x^2-x-1"}) {
            const SketchedWorking worked =
                WorkOutWithSketch(equation, 2, kPoint, {std::nullopt, school});
            ASSERT_TRUE(worked.sketch.has_value());
            for (const SketchPoint& point : worked.sketch->points) {
                if (point.kind == SketchPointKind::Root) {
                    EXPECT_NEAR(std::stod(Utf8(point.label)), std::stod(Utf8(point.x)), 0.005)
                        << school << " " << Utf8(equation);
                }
            }
        }
    }
}

// Every method ends with the formula's roots and goes on as the formula's working does, and every
// school ends with them in its own notation, over the exact-working fuzzer's seed inputs and the
// equations that reach each method's own cases.
TEST(MethodPropertyTest, EveryMethodFindsTheFormulasRoots) {
    std::vector<std::u16string> equations = {u"x^2-6x+9",  u"2x^2-7x",   u"4x^2-9",
                                             u"3x^2",      u"x^2-1/3",   u"x^2+0.6x-0.16",
                                             u"-x^2+2x+3", u"(x-1)^2=4", u"0.1x^2+0.2x+0.1"};
    for (const auto& entry : std::filesystem::directory_iterator(VELTRIX_WORKING_CORPUS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
        equations.push_back(fuzz::InputTexts(data, bytes.size(), 2).front());
    }
    for (const std::u16string& equation : equations) {
        for (const std::string& fault : fuzz::MethodFaults(equation, 2)) {
            ADD_FAILURE() << Utf8(equation) << ": " << fault;
        }
        for (const std::string& fault : fuzz::SchoolFaults(equation, 2)) {
            ADD_FAILURE() << Utf8(equation) << ": " << fault;
        }
    }
}

// Coefficients too long to work with exactly: each method says it needs exact values, and the
// formula's working follows.
TEST(MethodPropertyTest, SaysWhyWhereTheCoefficientsAreTooLong) {
    for (const auto& [method, id] : kNamedMethods) {
        const Working working =
            std::get<Working>(WorkOut(u"1e-1000000000x^2+x+0.125", 2, kPoint, method));
        ASSERT_GE(working.size(), 3u);
        EXPECT_EQ(working[1].step == WorkingStep::MethodNeedsExactValues,
                  method != WorkingMethod::Formula)
            << id;
    }
}

} // namespace
} // namespace veltrix
