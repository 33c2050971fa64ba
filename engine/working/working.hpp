// The working a student writes down for a quadratic: the equation as read, the discriminant, the
// roots by the formula and in their simplest exact form, the roots rounded, the turning point,
// where the curve crosses the y axis, and the vertex and factored forms. Each line is one step
// with its formulas; the words around them belong to the windows, which say them in the user's
// language.
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/core/outcomes.hpp"
#include "engine/formula/formula.hpp"
#include "engine/reader/student_reader.hpp"
#include "engine/sketch/sketch.hpp"
#include "engine/working/schools.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrix {

// The steps, each with the formulas it is written with.
enum class WorkingStep {
    // How Calculate, Plot and Find a value read the same text, where that differs from the
    // working's reading; the text to type for them is the line's `typed`.
    CalculateReadsAs,         // y = x² + 5x + 6, for a text the working reads otherwise or not
    CalculateReadsOtherwise,  // y = 0x² + 5x + 3, and the text to type for the working's equation
    CalculateCannotRead,      // only the text to type: X^2+0X-4
    CalculateCannotReadAtAll, // no text of Calculate's gives the equation: beyond its range
    // The equation as the text gives it, and the steps a student writes to bring it to
    // ax² + bx + c = 0, each an equation equivalent to the one before.
    GivenEquation,         // (x − 1)² = 4, where the text is not already ax² + bx + c = 0
    FractionTimesFactor,   // 1/2x^2 is read as (1/2)x²; the text as typed is the line's `typed`
    ProductIsZero,         // (x + 2)(x − 3) = 0: x = -2, and x = 3
    SquareRootOfBothSides, // (x − 1)² = 4: x − 1 = ±2
    MultiplyBothSides,     // by the common denominator: 2, and x + 1 = 2x²
    ExpandBrackets,        // x² − 2x + 1 = 4
    BringToOneSide,        // x² − 2x + 1 − 4 = 0, where like terms are still to be collected
    // The equation solved (x² − 2x − 3 = 0), or the function given (y = 10x² − 2x − 3), and its
    // coefficients (a = 10, b = -2, c = -3)
    Equation,
    ZerosOfFunction, // the function's zeros are the solutions of 10x² − 2x − 3 = 0
    NotAQuadratic,   // a = 0: the curve is a straight line
    Discriminant,    // b² − 4ac = (-2)² − 4·10·(-3) = 124
    Roots,           // x = (−b ± √(b² − 4ac))/(2a) = (2 ± √124)/20 = (1 ± √31)/10
    TwoRoots,        // x = … = 2, and x = -0.5
    DoubleRoot,      // x = … = 1
    ComplexRoots,    // x = … = -1 ± 2i
    RoundedRoots,    // x ≈ 0.66, and x ≈ -0.46; x = 3 where rounding leaves a root as it is
    RoundedRoot,     // x ≈ 0.33: a double root, a line's root, or complex roots (x ≈ 1 ± 2.4i)
    // x ≈ -1 ± 0i, where the imaginary part rounds to 0: the roots are not real all the same
    ImaginaryPartRoundsToZero,
    Minimum,         // the turning point (0.1, -3.1), and the axis of symmetry x = 0.1
    Maximum,         // the same where a < 0
    CrossesYAxis,    // (0, -3)
    VertexForm,      // y = 10(x − 0.1)² − 3.1
    FactoredForm,    // y = (x − 2)(2x + 1), where the roots are rational
    LineRoot,        // x = −c/b = 2
    LineWithoutRoot, // b = 0 too, and c is not: no x gives y = 0
    EveryXIsARoot,   // a, b and c are all 0
    // The coefficients are too long to work with exactly: the exact forms are left out, and the
    // working goes on with values to 15 significant digits and rounded at the accuracy.
    TooLongToWorkOut,
    MinimumNear, // the turning point and its axis, rounded: (-5E+400, -2.5E+400); x ≈ -5E+400
    MaximumNear, // the same where a < 0
    CrossesYAxisNear, // (0, 0.33), c rounded where its digits are more than are shown
    // The methods' own steps, between the Equation line and the roots.
    DivideBothSides,   // by a: 10, and x² − 0.2x − 0.3 = 0
    ConstantToRight,   // x² − 0.2x = 0.3
    AddToBothSides,    // (-0.1)², and x² − 0.2x + (-0.1)² = 0.3 + (-0.1)²
    LeftSideAsSquare,  // (x − 0.1)² = 0.31
    MinimumFromSquare, // the turning point, as the completed square gives it
    MaximumFromSquare,
    FactorPerfectSquare,       // (x − 1)² = 0
    FactorTakeOutX,            // x(2x − 7) = 0
    FactorDifferenceOfSquares, // (x − 2)(x + 2) = 0
    FactorSplitNumbers,        // ac = -8, b = 7: the numbers 8 and -1
    FactorSplitMiddle,         // 2x² + 8x − x − 4 = 0
    FactorGrouping,            // 2x(x + 4) − (x + 4) = 0
    FactorProduct,             // (2x − 1)(x + 4) = 0
    PqValues,                  // p = -0.2, q = -0.3
    HalfBValues,               // k = b/2 = -1, and D/4 = k² − ac = (-1)² − 10·(-3) = 31
    VietaCheck,                // 3 + 2 = 5 = −b/a, and 3·2 = 6 = c/a
    // The school's notation: the discriminant with its root (Δ = 1, and √Δ = 1); both roots by
    // one formula, then each (x₁,₂ = (5 ± 1)/2, x₁ = (5 + 1)/2 = 3, x₂ = (5 − 1)/2 = 2); each
    // root by its own formula (x₁ = (−b − √Δ)/(2a) = … = 2, and x₂ = … = 3).
    DiscriminantAndRoot,
    RootsThenEach,
    RootsEach,
    // Where the discriminant is negative and the school has not met complex numbers: D < 0, no
    // real solution; then the complex roots as an aside.
    NoRealSolution,
    ComplexAside,
    // The answer as the school writes it: L = {2; 3}; "Solution set: {2; 3}"; "Answer: 2; 3";
    // "Answer: no real roots".
    SolutionSet,
    SolutionSetInWords,
    Answer,
    AnswerNoRealRoot,
    // Where the method chosen does not apply, the line that says why; the formula's follow.
    NoRationalFactors,          // the roots are not rational
    HalfBNeedsEvenB,            // b = 3
    AtOnceNeedsProductOrSquare, // the equation is not given as a product = 0 or a square = k
    MethodNeedsExactValues      // the coefficients are too long to work with exactly
};

struct WorkingLine {
    WorkingStep step;
    std::vector<Formula> formulas;
    std::u16string typed = {}; // a text for the user to type, as it is typed: "X^2+0X-4"
    friend bool operator==(const WorkingLine&, const WorkingLine&) = default;
};

using Working = std::vector<WorkingLine>;

// A text the working's reader refuses: why and where, and how Calculate reads it, where it can.
struct UnreadableText {
    Refusal refusal;
    std::optional<WorkingLine> calculate;
};

// A coefficient written as several terms, one of them too long for an exact value: they cannot
// be added up into the one number the working needs.
struct TermsTooLongToAdd {
    friend bool operator==(TermsTooLongToAdd, TermsTooLongToAdd) = default;
};

// The working of an equation as students write it (ReadStudentEquation) at `places` decimal
// places, its numbers written with `separator`; or why there is none. Where Calculate reads the
// text otherwise, the working ends with a line that says so.
using WorkingOutcome = std::variant<Working, UnreadableText, TermsTooLongToAdd>;
WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator = kPoint,
                       const WorkingChoice& choice = {});

// The working and its curve's sketch: the turning point, the real roots and the y-intercept,
// labelled with their values rounded at the places as the lines round them.
struct SketchedWorking {
    WorkingOutcome outcome;
    std::optional<SketchInput> sketch;
};
SketchedWorking WorkOutWithSketch(std::u16string_view equation, unsigned places,
                                  char16_t separator = kPoint, const WorkingChoice& choice = {});

} // namespace veltrix
