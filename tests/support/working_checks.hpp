// What exact roots must satisfy, checked apart from the engine's own arithmetic: put back into
// a·x² + b·x + c they give exactly 0 (√d and i kept as symbols), their sum is -b/a and their
// product c/a, their radicand has no square factor below 10^6, their simplest form shares no
// factor, and each rounded root is the exact value rounded half to even. Shared by the engine's
// tests and its fuzz target; each broken rule is one line of the returned list.
#pragma once

#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/exact_working.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::fuzz {

std::vector<std::string> ExactRootFaults(const ExactQuadratic& quadratic, const ExactRoots& roots);

// Every number in the working's formulas is one number as it is written ("-3.1", "0,4",
// "1.5E+20") and every letter one of x, y, a, b and c: what a formula says is in its nodes, for
// a window that lays them out, and not in text pasted into one.
std::vector<std::string> FormulaFaults(const Working& working);

// The lines of the rounded roots, as RoundedRootLines writes them with ".", against the exact
// roots.
std::vector<std::string> RoundedRootFaults(const ExactRoots& roots,
                                           const std::vector<WorkingLine>& lines, unsigned places);

// The bounded working's numbers (engine/bounded_quadratic.hpp) against the exact values, for an
// equation that is read exactly: each shown value is its exact value rounded half to even, to 15
// significant digits in NumberToText's shape and at the places as ScaledText writes RoundScaled's
// and RoundScaledSurd's results; each approximate value lies within 10^-14 of it; the signs and
// whether a coefficient is shown exactly are right. Nothing for an equation not read exactly.
std::vector<std::string> BoundedFaults(std::u16string_view equation, unsigned places);

// The bounded working of the equation against that of the same equation with a, b and c each
// times 10^power: the same roots and turning point x, and the same digits of the coefficients,
// the discriminant and the turning point y, their exponents moved by power, 2·power and power.
std::vector<std::string> ScaledFaults(std::u16string_view equation, unsigned places,
                                      std::int64_t power);

// Every method's working of the equation against the formula's: the same kind of outcome; the
// same roots at the end of its roots' line; and from the check by Vieta's formulas on, the same
// lines (the turning point read off the square where the method completes it). Where the
// coefficients are too long to work with exactly, the formula's working after the line that
// says so.
std::vector<std::string> MethodFaults(std::u16string_view equation, unsigned places);

// Every school's working, by its own method and by the formula, ends with the roots of the
// general formula's working, whatever its names for them and its layout; or only the school
// `only` names, where it names one (the fuzzer takes one a run, to keep its pace).
std::vector<std::string> SchoolFaults(std::u16string_view equation, unsigned places,
                                      std::optional<std::size_t> only = std::nullopt);

} // namespace veltrix::fuzz
