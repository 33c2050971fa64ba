// What exact roots must satisfy, checked apart from the engine's own arithmetic: put back into
// a·x² + b·x + c they give exactly 0 (√d and i kept as symbols), their sum is -b/a and their
// product c/a, their radicand has no square factor below 10^6, their simplest form shares no
// factor, and each rounded root is the exact value rounded half to even. Shared by the engine's
// tests and its fuzz target; each broken rule is one line of the returned list.
#pragma once

#include "engine/exact/working.hpp"

#include <string>
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

} // namespace veltrix::fuzz
