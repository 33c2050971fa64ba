// The school's notation in the working's formulas: the discriminant's letter, the roots' names,
// a point's name and separator, and one root of a ± written on its own. Only the working's own
// files use them.
#pragma once

#include "engine/formula/formula.hpp"
#include "engine/working/schools.hpp"

namespace veltrix::steps {

// D, Δ, or b² − 4ac itself.
Formula DiscriminantName(const School& school);

// The discriminant's name over 4, or D₁, as the school's half-b formula writes it.
Formula QuarterDiscriminantName(const School& school);

// Which root a name is for: both at once (x₁,₂; x), the first or the second (x₁, x′), or a
// double root (x₀ where each root has a formula of its own, x₁ = x₂ or x′ = x″ where the roots
// are named apart, x₁,₂ or x otherwise).
enum class RootName { Both, First, Second, Double };
Formula RootNameOf(const School& school, RootName which);

// name = the sides, a name that is itself a chain (x₁ = x₂) going on into them.
Formula Called(Formula name, std::vector<math::Link> sides);

// Whether the school writes two roots apart, by name, rather than as x = … or x = ….
bool NamesEachRoot(const School& school);

// A point (x, y) with the school's separator: a comma, or a semicolon where the decimal separator
// is a comma; the school's bar or semicolon otherwise. The turning point with its name: S(2 | 3).
Formula SchoolPoint(const School& school, Formula x, Formula y, char16_t sep);
Formula TurningPoint(const School& school, Formula x, Formula y, char16_t sep);

// The formula with each ± in it written as + (sign > 0) or − (sign < 0): one root of two.
Formula WithSign(const Formula& formula, int sign);

} // namespace veltrix::steps
