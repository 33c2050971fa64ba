// The lines by which each method finds a quadratic's roots, from its Equation line to the roots in
// their simplest exact form, and the check of the roots by Vieta's formulas. Each method is one
// strategy in a table: whether it applies, the line that says why where it does not, and its
// lines. Only the working's own files use them.
#pragma once

#include "engine/working/exact/quadratic.hpp"
#include "engine/working/working.hpp"

#include <optional>
#include <utility>
#include <vector>

namespace veltrix::steps {

struct MethodInput {
    const ExactQuadratic& q; // a ≠ 0
    const ExactRoots& roots;
    bool givenAtOnce; // the exercise is a product = 0 or a square = k, its roots read off already
    char16_t sep;
    const School& school; // whose notation the lines are written in
};

// Whether b halves to a number as short as itself, as the half-b formula asks.
bool HalvesShort(const mpq_class& b);

// The method's lines; where it does not apply, the line that says why, then the formula's.
std::vector<WorkingLine> MethodLines(WorkingMethod method, const MethodInput& input);

// The school's answer after the roots, if it writes one: L = {2; 3}. Where the roots are not real
// and the school has not met complex numbers, the method's lines have said it already.
std::optional<WorkingLine> AnswerLine(const MethodInput& input);

// The roots in their simplest form where they are not rational: 1 ± √2, -1 ± 2i.
Formula SimplestRoots(const ExactRoots& roots, char16_t sep);

// x₁ + x₂ = −b/a and x₁·x₂ = c/a with the roots put in.
WorkingLine VietaLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep);

// The two rational roots, the one Calculate shows first first; and a double root.
std::pair<mpq_class, mpq_class> RationalRoots(const ExactRoots& roots);
mpq_class DoubleRoot(const ExactRoots& roots);

// a(x − r₁)(x − r₂) with whole numbers in its brackets where it can, for rational roots.
Formula FactoredProduct(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep);

} // namespace veltrix::steps
