#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact_working.hpp"
#include "test_text.hpp"
#include "tests/support/working_checks.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace veltrix {
namespace {

using testing::U16;
using testing::Utf8;

// The text after the last " = " of a formula: where a chain of working ends.
std::u16string Result(const Formula& formula) {
    const std::u16string plain = math::PlainText(formula);
    const std::size_t equals = plain.rfind(u" = ");
    return equals == std::u16string::npos ? plain : plain.substr(equals + 3);
}

const WorkingLine* Find(const Working& working, std::initializer_list<WorkingStep> steps) {
    for (const WorkingLine& line : working) {
        if (std::find(steps.begin(), steps.end(), line.step) != steps.end()) {
            return &line;
        }
    }
    return nullptr;
}

struct WorkingCase {
    const char* equation;
    unsigned places;
    std::u16string exact;                // the roots' simplest form; " | " between two
    std::vector<std::u16string> rounded; // the Rounded line's formulas
    char16_t separator = u'.';
};

void PrintTo(const WorkingCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" at " << c.places;
}

class WorkingTest : public ::testing::TestWithParam<WorkingCase> {};

TEST_P(WorkingTest, GivesExactRootsThatSolveTheEquationAndRoundThem) {
    const WorkingCase& c = GetParam();
    const SketchedWorking worked = WorkOutWithSketch(U16(c.equation), c.places, c.separator);
    ASSERT_TRUE(std::holds_alternative<Working>(worked.outcome)) << worked.outcome.index();
    const Working& working = std::get<Working>(worked.outcome);
    for (const std::string& fault : fuzz::FormulaFaults(working)) {
        ADD_FAILURE() << fault;
    }

    const WorkingLine* roots =
        Find(working, {WorkingStep::Roots, WorkingStep::TwoRoots, WorkingStep::DoubleRoot,
                       WorkingStep::ComplexRoots, WorkingStep::LineRoot});
    ASSERT_NE(roots, nullptr);
    std::u16string exact = Result(roots->formulas[0]);
    if (roots->formulas.size() == 2) {
        exact += u" | " + Result(roots->formulas[1]);
    }
    EXPECT_EQ(Utf8(exact), Utf8(c.exact));

    const WorkingLine* rounded =
        Find(working, {WorkingStep::RoundedRoots, WorkingStep::RoundedRoot});
    ASSERT_NE(rounded, nullptr);
    std::vector<std::u16string> shown, values;
    for (const Formula& root : rounded->formulas) {
        shown.push_back(math::PlainText(root));
        values.push_back(shown.back().substr(std::u16string_view(u"x = ").size()));
    }
    EXPECT_EQ(shown, c.rounded);

    // The sketch labels each real root with its line's text, beside that root's own place.
    ASSERT_TRUE(worked.sketch.has_value());
    for (const SketchPoint& point : worked.sketch->points) {
        const bool root = point.kind == SketchPointKind::Root ||
                          point.kind == SketchPointKind::DoubleRoot ||
                          point.kind == SketchPointKind::LineRoot;
        if (root && c.separator == u'.') {
            EXPECT_NE(std::ranges::find(values, point.label), values.end()) << Utf8(point.label);
            EXPECT_LE(std::fabs(std::stod(Utf8(point.label)) - std::stod(Utf8(point.x))),
                      0.5 * std::pow(10.0, -static_cast<double>(c.places)) + 1e-9)
                << Utf8(point.label);
        }
    }

    // Where the Solution window shows the roots, it shows these texts, in its own order.
    const SolveOutcome solved =
        SolveQuadratic(U16(c.equation), U16(std::to_string(c.places)), c.separator);
    if (const auto* solution = std::get_if<Roots>(&solved)) {
        std::vector<std::u16string> solutionTexts = {solution->plus, solution->minus};
        values.resize(2, values.front());
        std::ranges::sort(solutionTexts);
        std::ranges::sort(values);
        EXPECT_EQ(solutionTexts, values);
    }

    const std::u16string text = U16(c.equation); // which the equation read views
    const StudentReadOutcome read = ReadStudentEquation(text, c.separator);
    const auto exactRead = ExactStudentQuadratic(std::get<StudentEquation>(read));
    const auto& quadratic = std::get<ExactQuadratic>(exactRead);
    if (quadratic.a != 0 && c.separator == u'.') {
        const ExactRoots exactRoots = SolveExactly(quadratic);
        for (const std::string& fault : fuzz::ExactRootFaults(quadratic, exactRoots)) {
            ADD_FAILURE() << fault;
        }
        for (const std::string& fault : fuzz::RoundedRootFaults(
                 exactRoots, RoundedRootLines(exactRoots, c.places), c.places)) {
            ADD_FAILURE() << fault;
        }
    }
}

std::string WorkingCaseName(const ::testing::TestParamInfo<WorkingCase>& row) {
    return testing::RowName(row.index,
                            {row.param.equation, "at", std::to_string(row.param.places)});
}

INSTANTIATE_TEST_SUITE_P(
    Students, WorkingTest,
    ::testing::Values(
        WorkingCase{
            "10X^2-2X-3", 2, u"(1 \u00B1 \u221A31)/10", {u"x \u2248 0.66", u"x \u2248 -0.46"}},
        WorkingCase{
            "10X^2-2X-3", 3, u"(1 \u00B1 \u221A31)/10", {u"x \u2248 0.657", u"x \u2248 -0.457"}},
        WorkingCase{"2X^2-3X-2", 2, u"2 | -0.5", {u"x = 2", u"x = -0.5"}},
        // "=" where rounding leaves a root as it is, root by root.
        WorkingCase{"x^2-5x+6", 2, u"3 | 2", {u"x = 3", u"x = 2"}},
        WorkingCase{"3X^2+5X-2", 2, u"1/3 | -2", {u"x \u2248 0.33", u"x = -2"}},
        WorkingCase{"X^2-2X-1", 2, u"1 \u00B1 \u221A2", {u"x \u2248 2.41", u"x \u2248 -0.41"}},
        WorkingCase{"X^2+0X-3", 2, u"\u00B1\u221A3", {u"x \u2248 1.73", u"x \u2248 -1.73"}},
        WorkingCase{
            "16X^2+24X-41", 2, u"(-3 \u00B1 5\u221A2)/4", {u"x \u2248 1.02", u"x \u2248 -2.52"}},
        WorkingCase{"X^2+2X+5", 2, u"-1 \u00B1 2i", {u"x = -1 \u00B1 2i"}},
        // Rational parts are written as they are, p ± qi, not over a common denominator.
        WorkingCase{"X^2+2X+1.01", 2, u"-1 \u00B1 0.1i", {u"x = -1 \u00B1 0.1i"}},
        WorkingCase{"2X^2-2X+5", 2, u"0.5 \u00B1 1.5i", {u"x = 0.5 \u00B1 1.5i"}},
        WorkingCase{"X^2+X+1", 2, u"(-1 \u00B1 i\u221A3)/2", {u"x \u2248 -0.5 \u00B1 0.87i"}},
        // Rounded complex roots keep their real part, and an imaginary part that rounds to 0
        // is said not to be 0, half to even as the real part: -1 ± 0.1i, -0.5 ± 0.5i.
        WorkingCase{"4X^2+0X+3", 1, u"\u00B1i\u221A3/2", {u"x \u2248 0 \u00B1 0.9i"}},
        WorkingCase{"X^2+2X+1.01", 0, u"-1 \u00B1 0.1i", {u"x \u2248 -1 \u00B1 0i"}},
        WorkingCase{"4X^2+4X+2", 0, u"-0.5 \u00B1 0.5i", {u"x \u2248 0 \u00B1 0i"}},
        WorkingCase{"X^2-2X+1", 2, u"1", {u"x = 1"}},
        // The square of a prime 6k + 1 taken out from beside a prime above 10^6.
        WorkingCase{"X^2+0X-49000147",
                    2,
                    u"\u00B17\u221A1000003",
                    {u"x \u2248 7000.01", u"x \u2248 -7000.01"}},
        // An imaginary part of exactly 0.25 rounds to the even 0.2, not up to 0.3.
        WorkingCase{"X^2+2X+1.0625", 1, u"-1 \u00B1 0.25i", {u"x \u2248 -1 \u00B1 0.2i"}},
        // A double root exactly halfway rounds to the even neighbour, as Calculate rounds it.
        WorkingCase{"X^2-5X+6.25", 0, u"2.5", {u"x \u2248 2"}},
        // The rounded roots in the order of the exact line's ±: with a negative a, the one
        // written first there, (p + q√d)/r, is the larger irrational root, and of two rational
        // roots the smaller, as the exact line lists them.
        WorkingCase{
            "-3x^2+x+1", 2, u"(1 \u00B1 \u221A13)/6", {u"x \u2248 0.77", u"x \u2248 -0.43"}},
        WorkingCase{"-2X^2+3X+2", 2, u"-0.5 | 2", {u"x = -0.5", u"x = 2"}},
        WorkingCase{"0.5X^2+1.25X-3", 2, u"1.5 | -4", {u"x = 1.5", u"x = -4"}},
        WorkingCase{"1e3X^2+1X-1",
                    3,
                    u"(-1 \u00B1 \u221A4001)/2000",
                    {u"x \u2248 0.031", u"x \u2248 -0.032"}},
        // Beyond the 16 bits that Calculate rounds through.
        WorkingCase{"X^2-400X+1", 2, u"200 \u00B1 \u221A39999", {u"x \u2248 400", u"x \u2248 0"}},
        WorkingCase{"0X^2+2X-4", 2, u"2", {u"x = 2"}},
        WorkingCase{"2,5X^2-2X-3",
                    2,
                    u"(2 \u00B1 \u221A34)/5",
                    {u"x \u2248 1,57", u"x \u2248 -0,77"},
                    u','},
        // As students write them: x in either case, terms in any order, "y =", "= 0", blanks,
        // the superscript two and the minus sign of web pages.
        WorkingCase{"x^2-4", 2, u"2 | -2", {u"x = 2", u"x = -2"}},
        WorkingCase{"2x^2", 2, u"0", {u"x = 0"}}, WorkingCase{"-x^2+4x-4", 2, u"2", {u"x = 2"}},
        WorkingCase{"y=x^2-5x+6", 2, u"3 | 2", {u"x = 3", u"x = 2"}},
        WorkingCase{"x^2-5x+6=0", 2, u"3 | 2", {u"x = 3", u"x = 2"}},
        WorkingCase{"6-5x+x^2", 2, u"3 | 2", {u"x = 3", u"x = 2"}},
        WorkingCase{" x^2+2x-3", 2, u"1 | -3", {u"x = 1", u"x = -3"}},
        WorkingCase{"x^2 + x + 1", 2, u"(-1 \u00B1 i\u221A3)/2", {u"x \u2248 -0.5 \u00B1 0.87i"}}),
    WorkingCaseName);

// The whole working of the equation Veltrix starts with, as a student would write it.
TEST(WorkingLinesTest, WriteTheDefaultEquationOut) {
    const Working working = std::get<Working>(WorkOut(u"10X^2-2X-3", 2));
    std::vector<std::string> plain;
    for (const WorkingLine& line : working) {
        std::string text;
        for (const Formula& formula : line.formulas) {
            text += (text.empty() ? "" : " | ") + Utf8(math::PlainText(formula));
        }
        plain.push_back(text);
    }
    EXPECT_EQ(plain, (std::vector<std::string>{
                         "y = 10x² − 2x − 3 | a = 10, b = -2, c = -3",
                         "b² − 4ac = (-2)² − 4·10·(-3) = 124",
                         "x = (−b ± √(b² − 4ac))/(2a) = (2 ± √124)/20 = (1 ± √31)/10",
                         "(1 + √31)/10 + (1 − √31)/10 = 0.2 = −b/a | "
                         "((1 + √31)/10)·((1 − √31)/10) = -0.3 = c/a",
                         "x ≈ 0.66 | x ≈ -0.46",
                         "(0.1, -3.1) | x = 0.1",
                         "(0, -3)",
                         "y = 10(x − 0.1)² − 3.1",
                     }));
    EXPECT_EQ(math::Latex(working[2].formulas[0]),
              u"x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{2 \\pm \\sqrt{124}}{20} = "
              u"\\frac{1 \\pm \\sqrt{31}}{10}");
}

// A line's formulas and its text to type, " | " between them.
std::string Shown(const WorkingLine& line) {
    std::string shown;
    for (const Formula& formula : line.formulas) {
        shown += (shown.empty() ? "" : " | ") + Utf8(math::PlainText(formula));
    }
    return line.typed.empty() ? shown : shown + (shown.empty() ? "" : " | ") + Utf8(line.typed);
}

// The working's first lines, from the equation as given to the Equation line: each step's name
// and its formulas. Every line is an equation equivalent to the one before.
struct StepsCase {
    const char* equation;
    std::vector<std::string> lines;
};

void PrintTo(const StepsCase& c, std::ostream* os) {
    *os << '"' << c.equation << '"';
}

std::string StepName(WorkingStep step) {
    switch (step) {
    case WorkingStep::GivenEquation:
        return "given";
    case WorkingStep::FractionTimesFactor:
        return "read as";
    case WorkingStep::ProductIsZero:
        return "product";
    case WorkingStep::SquareRootOfBothSides:
        return "root";
    case WorkingStep::MultiplyBothSides:
        return "times";
    case WorkingStep::ExpandBrackets:
        return "expanded";
    case WorkingStep::BringToOneSide:
        return "brought";
    case WorkingStep::Equation:
        return "equation";
    case WorkingStep::ZerosOfFunction:
        return "zeros";
    default:
        return "";
    }
}

class WorkingStepsTest : public ::testing::TestWithParam<StepsCase> {};

TEST_P(WorkingStepsTest, StartsFromTheEquationAsGiven) {
    const Working working = std::get<Working>(WorkOut(U16(GetParam().equation), 2));
    std::vector<std::string> lines;
    for (const WorkingLine& line : working) {
        if (const std::string name = StepName(line.step); !name.empty()) {
            lines.push_back(name + ": " + Shown(line));
        }
    }
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, WorkingStepsTest,
    ::testing::Values(
        StepsCase{"(x-1)^2=4",
                  {"given: (x − 1)² = 4", "root: x − 1 = ±2", "expanded: x² − 2x + 1 = 4",
                   "brought: x² − 2x + 1 − 4 = 0",
                   "equation: x² − 2x − 3 = 0 | a = 1, b = -2, c = -3"}},
        StepsCase{"2*(x - 1)*(x + 1) = 6",
                  {"given: 2(x − 1)(x + 1) = 6", "expanded: 2x² + 2x − 2x − 2 = 6",
                   "brought: 2x² + 2x − 2x − 2 − 6 = 0",
                   "equation: 2x² − 8 = 0 | a = 2, b = 0, c = -8"}},
        StepsCase{"10X^2-2X-3", {"equation: y = 10x² − 2x − 3 | a = 10, b = -2, c = -3"}},
        StepsCase{"(x+2)(x-3)=0",
                  {"given: (x + 2)(x − 3) = 0", "product: x = -2 | x = 3",
                   "expanded: x² − 3x + 2x − 6 = 0",
                   "equation: x² − x − 6 = 0 | a = 1, b = -1, c = -6"}},
        StepsCase{"x(x-3)=0",
                  {"given: x(x − 3) = 0", "product: x = 0 | x = 3", "expanded: x² − 3x = 0",
                   "equation: x² − 3x = 0 | a = 1, b = -3, c = 0"}},
        StepsCase{"2(x+1)^2-8=0",
                  {"given: 2(x + 1)² − 8 = 0", "expanded: 2x² + 4x + 2 − 8 = 0",
                   "equation: 2x² + 4x − 6 = 0 | a = 2, b = 4, c = -6"}},
        StepsCase{"x^2/2 - 3 = 0",
                  {"given: x²/2 − 3 = 0", "times: 2 | x² − 6 = 0",
                   "equation: x² − 6 = 0 | a = 1, b = 0, c = -6"}},
        StepsCase{"1/2x^2 - 2",
                  {"given: y = (1/2)x² − 2", "read as: (1/2)x² | 1/2x^2",
                   "equation: y = 0.5x² − 2 | a = 0.5, b = 0, c = -2", "zeros: 0.5x² − 2 = 0"}},
        StepsCase{"(x+1)/2 = x^2",
                  {"given: (x + 1)/2 = x²", "times: 2 | x + 1 = 2x²", "brought: x + 1 − 2x² = 0",
                   "equation: -2x² + x + 1 = 0 | a = -2, b = 1, c = 1"}},
        StepsCase{"x^2 - 3/4",
                  {"given: y = x² − 3/4", "equation: y = x² − 0.75 | a = 1, b = 0, c = -0.75",
                   "zeros: x² − 0.75 = 0"}},
        StepsCase{"x^2 = 2x + 3",
                  {"given: x² = 2x + 3", "equation: x² − 2x − 3 = 0 | a = 1, b = -2, c = -3"}},
        StepsCase{"-(x-2) = x^2",
                  {"given: -(x − 2) = x²", "expanded: -x + 2 = x²", "brought: -x + 2 − x² = 0",
                   "equation: -x² − x + 2 = 0 | a = -1, b = -1, c = 2"}},
        StepsCase{"(2x-1)(x+4)=0",
                  {"given: (2x − 1)(x + 4) = 0", "product: x = 0.5 | x = -4",
                   "expanded: 2x² + 8x − x − 4 = 0",
                   "equation: 2x² + 7x − 4 = 0 | a = 2, b = 7, c = -4"}},
        StepsCase{"6 = x^2 + x",
                  {"given: 6 = x² + x", "equation: x² + x − 6 = 0 | a = 1, b = 1, c = -6"}},
        StepsCase{"y = (x-1)^2-4",
                  {"given: y = (x − 1)² − 4", "expanded: y = x² − 2x + 1 − 4",
                   "equation: y = x² − 2x − 3 | a = 1, b = -2, c = -3", "zeros: x² − 2x − 3 = 0"}},
        StepsCase{"f(x) = (x+1)(x-1)",
                  {"given: f(x) = (x + 1)(x − 1)", "expanded: f(x) = x² − x + x − 1",
                   "equation: y = x² − 1 | a = 1, b = 0, c = -1", "zeros: x² − 1 = 0"}},
        StepsCase{"x/2 + x/3 = 1",
                  {"given: x/2 + x/3 = 1", "times: 6 | 3x + 2x = 6", "brought: 3x + 2x − 6 = 0",
                   "equation: 5x − 6 = 0 | a = 0, b = 5, c = -6"}},
        StepsCase{"(x-1)^2/2 = 2",
                  {"given: (x − 1)²/2 = 2", "times: 2 | (x − 1)² = 4", "expanded: x² − 2x + 1 = 4",
                   "brought: x² − 2x + 1 − 4 = 0",
                   "equation: x² − 2x − 3 = 0 | a = 1, b = -2, c = -3"}},
        StepsCase{"[x+3]^2 = 5",
                  {"given: (x + 3)² = 5", "root: x + 3 = ±√5", "expanded: x² + 6x + 9 = 5",
                   "brought: x² + 6x + 9 − 5 = 0",
                   "equation: x² + 6x + 4 = 0 | a = 1, b = 6, c = 4"}},
        StepsCase{"2x(x-3) = x",
                  {"given: 2x(x − 3) = x", "expanded: 2x² − 6x = x", "brought: 2x² − 6x − x = 0",
                   "equation: 2x² − 7x = 0 | a = 2, b = -7, c = 0"}},
        StepsCase{"x^2 + 2x + 3x = 0",
                  {"given: x² + 2x + 3x = 0", "equation: x² + 5x = 0 | a = 1, b = 5, c = 0"}},
        StepsCase{"3x^2/4 + x/6 - 1/3 = x^2",
                  {"given: 3x²/4 + x/6 − 1/3 = x²", "times: 12 | 9x² + 2x − 4 = 12x²",
                   "brought: 9x² + 2x − 4 − 12x² = 0",
                   "equation: -3x² + 2x − 4 = 0 | a = -3, b = 2, c = -4"}},
        StepsCase{"(x+1)^2 = (x-1)^2 + x^2",
                  {"given: (x + 1)² = (x − 1)² + x²", "expanded: x² + 2x + 1 = x² − 2x + 1 + x²",
                   "brought: x² + 2x + 1 − x² + 2x − 1 − x² = 0",
                   "equation: -x² + 4x = 0 | a = -1, b = 4, c = 0"}}),
    [](const auto& row) { return std::to_string(row.index); });

// A coefficient a fraction gives has no decimal that ends; the sketch draws and labels the curve
// at its value all the same.
TEST(WorkingSketchTest, DrawsAFractionsCoefficientAtItsValue) {
    const SketchedWorking worked = WorkOutWithSketch(u"x^2 - 1/3", 2);
    ASSERT_TRUE(worked.sketch.has_value());
    EXPECT_NEAR(std::stod(Utf8(worked.sketch->c)), -1.0 / 3, 1e-12);
    EXPECT_TRUE(std::ranges::any_of(worked.sketch->points, [](const SketchPoint& point) {
        return point.label == u"(0, -0.33)";
    }));
}

struct FormCase {
    const char* equation;
    WorkingStep step;
    std::string plain, latex;
    char16_t separator = u'.';
};

void PrintTo(const FormCase& c, std::ostream* os) {
    *os << '"' << c.equation << '"';
}

class WorkingFormTest : public ::testing::TestWithParam<FormCase> {};

// Turning points, forms and fractions as they are written, in both renderings.
TEST_P(WorkingFormTest, WritesTheStep) {
    const FormCase& c = GetParam();
    const Working working = std::get<Working>(WorkOut(U16(c.equation), 2, c.separator));
    const WorkingLine* line = Find(working, {c.step});
    ASSERT_NE(line, nullptr);
    std::string plain, latex;
    for (const Formula& formula : line->formulas) {
        plain += (plain.empty() ? "" : " | ") + Utf8(math::PlainText(formula));
        latex += (latex.empty() ? "" : " | ") + Utf8(math::Latex(formula));
    }
    EXPECT_EQ(plain, c.plain);
    EXPECT_EQ(latex, c.latex);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, WorkingFormTest,
    ::testing::Values(
        FormCase{"3X^2+5X-2", WorkingStep::Minimum, "(-5/6, -49/12) | x = -5/6",
                 "\\left(-\\frac{5}{6}, -\\frac{49}{12}\\right) | x = -\\frac{5}{6}"},
        FormCase{"-2X^2+3X+2", WorkingStep::Maximum, "(0.75, 3.125) | x = 0.75",
                 "(0.75, 3.125) | x = 0.75"},
        FormCase{"3X^2+5X-2", WorkingStep::VertexForm, "y = 3(x + 5/6)² − 49/12",
                 "y = 3\\left(x + \\frac{5}{6}\\right)^2 - \\frac{49}{12}"},
        // Whole numbers in the brackets, a/(q₁q₂) before them for the roots p/q, where it is whole.
        FormCase{"-2X^2+3X+2", WorkingStep::FactoredForm, "y = -(2x + 1)(x − 2)",
                 "y = -(2x + 1)(x - 2)"},
        FormCase{"6x^2+x-2", WorkingStep::FactoredForm, "y = (2x − 1)(3x + 2)",
                 "y = (2x - 1)(3x + 2)"},
        FormCase{"-6x^2-x+2", WorkingStep::FactoredForm, "y = -(3x + 2)(2x − 1)",
                 "y = -(3x + 2)(2x - 1)"},
        FormCase{"9x^2-1", WorkingStep::FactoredForm, "y = (3x − 1)(3x + 1)",
                 "y = (3x - 1)(3x + 1)"},
        FormCase{"4x^2-4x+1", WorkingStep::FactoredForm, "y = (2x − 1)²", "y = (2x - 1)^2"},
        // Where a/(q₁q₂) is not whole, a before the roots themselves.
        FormCase{"0.5x^2+1.25x-3", WorkingStep::FactoredForm, "y = 0.5(x − 1.5)(x + 4)",
                 "y = 0.5(x - 1.5)(x + 4)"},
        FormCase{"X^2-5X+6.25", WorkingStep::FactoredForm, "y = (x − 2.5)²", "y = (x - 2.5)^2"},
        // Under the bar in a line of text, 2a and a negative number are in parentheses.
        FormCase{"-2X^2+3X+2", WorkingStep::TwoRoots,
                 "x = (−b ± √(b² − 4ac))/(2a) = (-3 ± 5)/(-4) = -0.5 | x = 2",
                 "x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{-3 \\pm 5}{-4} = -0.5 | "
                 "x = 2"},
        // A discriminant that is a square, of a whole number or a fraction, has its root taken.
        FormCase{"2x^2+3x-2", WorkingStep::TwoRoots,
                 "x = (−b ± √(b² − 4ac))/(2a) = (-3 ± 5)/4 = 0.5 | x = -2",
                 "x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{-3 \\pm 5}{4} = 0.5 | x = -2"},
        FormCase{
            "x^2-x+0.1875", WorkingStep::TwoRoots,
            "x = (−b ± √(b² − 4ac))/(2a) = (1 ± 0.5)/2 = 0.75 | x = 0.25",
            "x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{1 \\pm 0.5}{2} = 0.75 | x = 0.25"},
        FormCase{"2X^2-6X+0", WorkingStep::FactoredForm, "y = 2x(x − 3)", "y = 2x(x - 3)"},
        FormCase{"X^2-2X+1", WorkingStep::FactoredForm, "y = (x − 1)²", "y = (x - 1)^2"},
        FormCase{"-1X^2+0X+0", WorkingStep::Equation, "y = -x² | a = -1, b = 0, c = 0",
                 "y = -x^2 | a = -1, b = 0, c = 0"},
        FormCase{"X^2+2X+5", WorkingStep::ComplexRoots,
                 "x = (−b ± √(b² − 4ac))/(2a) = (-2 ± √(-16))/2 = -1 ± 2i",
                 "x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{-2 \\pm \\sqrt{-16}}{2} = -1 "
                 "\\pm 2i"},
        FormCase{"9X^2-6X+2", WorkingStep::ComplexRoots,
                 "x = (−b ± √(b² − 4ac))/(2a) = (6 ± √(-36))/18 = 1/3 ± (1/3)i",
                 "x = \\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a} = \\frac{6 \\pm \\sqrt{-36}}{18} = "
                 "\\frac{1}{3} \\pm \\frac{1}{3}i"},
        // Where the decimal separator is a comma, the list separator is a semicolon.
        FormCase{"2,5X^2-2X-3", WorkingStep::Minimum, "(0,4; -3,4) | x = 0,4",
                 "(0{,}4; -3{,}4) | x = 0{,}4", u','},
        // A coefficient beyond the doubles' range in E notation, its power's minus kept.
        FormCase{"1e-401x^2+x+1", WorkingStep::Equation,
                 "y = 1E-401x² + x + 1 | a = 1E-401, b = 1, c = 1",
                 "y = 10^{-401}x^2 + x + 1 | a = 10^{-401}, b = 1, c = 1"},
        FormCase{"1e-401x^2+x+1", WorkingStep::MinimumNear, "(-5E+400, -2.5E+400) | x ≈ -5E+400",
                 "(-5 \\times 10^{400}, -2.5 \\times 10^{400}) | x \\approx -5 \\times 10^{400}"},
        FormCase{"1e-401x-1", WorkingStep::LineRoot, "x = −c/b ≈ 1E+401",
                 "x = -\\frac{c}{b} \\approx 10^{401}"},
        FormCase{"0X^2+2X-4", WorkingStep::LineRoot, "x = −c/b = 2", "x = -\\frac{c}{b} = 2"}),
    [](const auto& row) { return testing::RowName(row.index, {row.param.equation}); });

struct OutcomeCase {
    std::string equation;
    std::optional<WorkingStep> step; // a step the working has, or nothing where it refuses
    std::string shown = {}; // that step's formulas and text to type, or the Calculate line's
    std::optional<Refusal> refusal = std::nullopt;
    unsigned places = 2;
};

void PrintTo(const OutcomeCase& c, std::ostream* os) {
    *os << '"' << c.equation.substr(0, 40) << "\" (" << c.equation.size() << " characters)";
}

class WorkingOutcomeTest : public ::testing::TestWithParam<OutcomeCase> {};

TEST_P(WorkingOutcomeTest, SaysWhatItCanWorkOut) {
    const OutcomeCase& c = GetParam();
    const SketchedWorking worked = WorkOutWithSketch(U16(c.equation), c.places);
    const WorkingOutcome& outcome = worked.outcome;
    if (!c.step) {
        const auto* unreadable = std::get_if<UnreadableText>(&outcome);
        ASSERT_NE(unreadable, nullptr);
        EXPECT_EQ(unreadable->refusal, c.refusal);
        EXPECT_EQ(unreadable->calculate ? Shown(*unreadable->calculate) : "", c.shown);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Working>(outcome));
    for (const std::string& fault : fuzz::FormulaFaults(std::get<Working>(outcome))) {
        ADD_FAILURE() << fault;
    }
    const Working& working = std::get<Working>(outcome);
    const WorkingLine* line = Find(working, {*c.step});
    ASSERT_NE(line, nullptr);
    // How Calculate reads the text is a hint after the working, not a step of it.
    if (*c.step <= WorkingStep::CalculateCannotReadAtAll) {
        EXPECT_EQ(line, &working.back());
    }
    if (!c.shown.empty()) {
        EXPECT_EQ(Shown(*line), c.shown);
    }
    // The sketch puts the curve through the origin only where c is 0.
    const std::vector<SketchPoint> points =
        worked.sketch ? worked.sketch->points : std::vector<SketchPoint>{};
    for (const SketchPoint& point : points) {
        if (point.kind == SketchPointKind::YIntercept) {
            EXPECT_EQ(point.label == u"(0, 0)", std::stod(Utf8(point.y)) == 0) << Utf8(point.label);
        }
    }
}

// As many places as an exact value may have.
const std::string kLongest = "0." + std::string(kMaxExactDigits - 1, '3') + "1";

INSTANTIATE_TEST_SUITE_P(
    Equations, WorkingOutcomeTest,
    ::testing::Values(
        OutcomeCase{"0X^2+0X+3", WorkingStep::LineWithoutRoot},
        OutcomeCase{"0X^2+0X+0", WorkingStep::EveryXIsARoot},
        // How Calculate reads the text, where it reads it otherwise.
        OutcomeCase{"x2-5x+6", std::nullopt, "y = x² + 5x + 6",
                    Refusal{RefusalReason::NumberAfterX, 1}},
        OutcomeCase{"x^2-4", WorkingStep::CalculateCannotRead, "X^2+0X-4"},
        OutcomeCase{"5x+1+3x+4", WorkingStep::CalculateReadsOtherwise,
                    "y = 5x² + 3x + 4 | 0X^2+8X+5"},
        OutcomeCase{"X^2X+1", std::nullopt, "", Refusal{RefusalReason::MissingOperator, 3}},
        OutcomeCase{"1e400X^2+2X-3", WorkingStep::CalculateCannotReadAtAll},
        // Brackets and fractions, which Calculate does not read; what the working refuses of
        // them, it names with its place.
        OutcomeCase{"(x+2)(x-3)=0", WorkingStep::CalculateCannotRead, "X^2-1X-6"},
        OutcomeCase{"(x-1)^3=2", std::nullopt, "", Refusal{RefusalReason::BracketPowerNotTwo, 6}},
        OutcomeCase{"1/x = x", std::nullopt, "", Refusal{RefusalReason::XInDenominator, 2}},
        OutcomeCase{"x(x-1)(x-2)=0", std::nullopt, "", Refusal{RefusalReason::DegreeAboveTwo, 6}},
        // A product as long as the exact values allow, and the working goes on.
        OutcomeCase{"(" + kLongest + "x-1)(x+1)=0", WorkingStep::TwoRoots},
        // Calculate's nearest double to 10^-401 is 0.
        OutcomeCase{"1e-401x^2+x+1", WorkingStep::CalculateReadsAs, "y = x + 1"},
        // Too long for the exact forms: every value rounded, none misstated.
        OutcomeCase{"1e-401x^2+x+1", WorkingStep::Equation,
                    "y = 1E-401x² + x + 1 | a = 1E-401, b = 1, c = 1"},
        OutcomeCase{"1e-401x^2+x+1", WorkingStep::RoundedRoots, "x ≈ -1 | x ≈ -1E+401"},
        OutcomeCase{"1e-401x^2+x+1", WorkingStep::MinimumNear,
                    "(-5E+400, -2.5E+400) | x ≈ -5E+400"},
        OutcomeCase{"1e-401x^2+1", WorkingStep::RoundedRoot, "x ≈ 0 ± 3.16227766016838E+200i"},
        OutcomeCase{"1e-401x-1", WorkingStep::LineRoot, "x = −c/b ≈ 1E+401"},
        OutcomeCase{kLongest + "1x^2-2x-3", WorkingStep::Equation,
                    "y ≈ 0.333333333333333x² − 2x − 3 | a ≈ 0.333333333333333, "
                    "b = -2, c = -3"},
        // A c too small to show at the place is shown in its digits, never as 0.
        OutcomeCase{"3X^2-7X+0.0106849232730370" + std::string(400, '0') + "1",
                    WorkingStep::CrossesYAxisNear, "(0, 0.010684923273037)", std::nullopt, 1},
        OutcomeCase{"1e-1000000000x^2+x+1", WorkingStep::Equation,
                    "y = 1E-1000000000x² + x + 1 | a = 1E-1000000000, b = 1, c = 1"},
        // The longest exact coefficients, and one place more.
        OutcomeCase{kLongest + "X^2-2X-3", WorkingStep::Roots},
        OutcomeCase{"1e-" + std::to_string(kMaxExactDigits) + "X^2-2X-3", WorkingStep::Roots},
        OutcomeCase{kLongest + "1X^2-2X-3", WorkingStep::TooLongToWorkOut},
        OutcomeCase{"1e-" + std::to_string(kMaxExactDigits + 1) + "X^2-2X-3",
                    WorkingStep::TooLongToWorkOut},
        // A megabyte of digits, which the equation box takes.
        OutcomeCase{"0." + std::string(1'000'000, '1') + "X^2-2X-3",
                    WorkingStep::TooLongToWorkOut}),
    [](const auto& row) { return std::to_string(row.index); });

} // namespace
} // namespace veltrix
