// The working a student writes down for a quadratic: the equation as read, the discriminant, the
// roots by the formula and in their simplest exact form, the roots rounded, the turning point,
// where the curve crosses the y axis, and the vertex and factored forms. Each line is one step
// with its formulas; the words around them belong to the windows, which say them in the user's
// language.
#pragma once

#include "engine/conversions.hpp"
#include "engine/formula.hpp"
#include "engine/outcomes.hpp"

#include <string_view>
#include <variant>
#include <vector>

namespace veltrix {

// The steps, each with the formulas it is written with.
enum class WorkingStep {
    Equation, // the equation (y = 10x² − 2x − 3), its coefficients (a = 10, b = -2, c = -3)
    NotAQuadratic, // a = 0: the curve is a straight line
    Discriminant,  // b² − 4ac = (-2)² − 4·10·(-3) = 124
    Roots,         // x = (−b ± √(b² − 4ac))/(2a) = (2 ± √124)/20 = (1 ± √31)/10
    TwoRoots,      // x = … = 2, and x = -0.5
    DoubleRoot,    // x = … = 1
    ComplexRoots,  // x = … = -1 ± 2i
    RoundedRoots,  // x ≈ 0.66, and x ≈ -0.46; x = 3 where rounding leaves a root as it is
    RoundedRoot,   // x ≈ 0.33: a double root, a line's root, or complex roots (x ≈ 1 ± 2.4i)
    // x ≈ -1 ± 0i, where the imaginary part rounds to 0: the roots are not real all the same
    ImaginaryPartRoundsToZero,
    Minimum,         // the turning point (0.1, -3.1), and the axis of symmetry x = 0.1
    Maximum,         // the same where a < 0
    CrossesYAxis,    // (0, -3)
    VertexForm,      // y = 10(x − 0.1)² − 3.1
    FactoredForm,    // y = 2(x − 2)(x + 0.5), where the roots are rational
    LineRoot,        // x = −c/b = 2
    LineWithoutRoot, // b = 0 too, and c is not: no x gives y = 0
    EveryXIsARoot,   // a, b and c are all 0
    TooLongToWorkOut // the coefficients, shown as decimals only, are too long to work with exactly
};

struct WorkingLine {
    WorkingStep step;
    std::vector<Formula> formulas;
    friend bool operator==(const WorkingLine&, const WorkingLine&) = default;
};

using Working = std::vector<WorkingLine>;

// The working of an equation at `places` decimal places, its numbers written with `separator`;
// or why there is none: an equation that does not split, or a coefficient that does not convert,
// as Calculate reports them.
using WorkingOutcome = std::variant<Working, InvalidQuadratic, EvaluationFailed>;
WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator = kPoint);

} // namespace veltrix
