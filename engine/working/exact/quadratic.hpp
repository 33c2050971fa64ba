// The quadratic a·x² + b·x + c read exactly, and its roots in their simplest exact form.
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/core/outcomes.hpp"

#include <gmpxx.h>
#include <string_view>
#include <variant>

namespace veltrix {

struct ExactQuadratic {
    mpq_class a, b, c;
};

// The coefficients as doubles, for an equation whose exact values would be too long.
struct DecimalQuadratic {
    double a, b, c;
};

// The equation split as Calculate splits it, each coefficient text taken at its exact value. A
// text that does not split is invalid; one whose coefficients do not all convert (TextToNumber:
// not a number, or beyond the double range) fails; one with a coefficient longer than
// kMaxExactDigits gives its doubles only.
using ExactReadOutcome =
    std::variant<ExactQuadratic, DecimalQuadratic, InvalidQuadratic, EvaluationFailed>;
ExactReadOutcome ReadExactQuadratic(std::u16string_view equation, char16_t separator = kPoint);

// The two roots of a quadratic (a ≠ 0) as (p ± q·√d)/r, with p, q and r without a common factor,
// q ≥ 0 and r > 0, and d without a square factor as far as SplitSquareFactors takes it out:
//   d = 0: one double root p/r (q is 0);
//   d = 1: two rational roots (p ± q)/r;
//   d < 0: two complex roots, √d standing for i·√(-d);
//   otherwise two irrational roots.
// The root (-b + √(b² − 4ac))/2a, which Calculate shows first, is (p + plusSign·q·√d)/r.
struct ExactRoots {
    mpz_class p, q, d, r;
    int plusSign = 1;
};
ExactRoots SolveExactly(const ExactQuadratic& quadratic);

// Whether the roots are rational: a double root, or two where the discriminant is a square.
inline bool AreRational(const ExactRoots& roots) {
    return roots.d == 0 || roots.d == 1;
}

// The discriminant b² − 4ac.
mpq_class Discriminant(const ExactQuadratic& quadratic);

} // namespace veltrix
