// The sketch's input from the working: the turning point, the real roots and the y-intercept,
// labelled with their values as the working's lines round them.
#pragma once

#include "engine/sketch/sketch.hpp"
#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/exact/quadratic.hpp"
#include "engine/working/working.hpp"

#include <string>
#include <vector>

namespace veltrix::steps {

// The sketch's points from the bounded values, labelled as the lines round them. `rootLabels`
// replace the rounded roots' texts where the lines wrote them from exact values, in the order
// plus, minus, or the other way round where a school names the minus root first: each goes to the
// root it is nearer. The points are written as the school writes them: S(2,5 | -0,25).
SketchInput SketchOf(const BoundedWorking& bounded, const std::vector<std::u16string>& rootLabels,
                     const School& school, char16_t sep);

// The real roots as the exact lines round them, in the bounded working's order, plus, minus, for
// the general school: two rational roots are listed plus first; two irrational ones larger first,
// which is the plus root where a > 0.
std::vector<std::u16string> ExactRootLabels(const Working& working, const ExactQuadratic& q);

} // namespace veltrix::steps
