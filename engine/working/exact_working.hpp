// The working of a quadratic read exactly, for the engine and for the tests and checks that look
// at its exact roots.
#pragma once

#include "engine/working/exact/quadratic.hpp"
#include "engine/working/working.hpp"

#include <vector>

namespace veltrix {

// The method the roots are found by, or none for the school's own; whether the exercise, as the
// text gives it, is a product set to 0 or a square set to a number, whose roots are read off at
// once; and the school whose notation the lines are written in.
struct ExactMethod {
    std::optional<WorkingMethod> method = std::nullopt;
    bool givenAtOnce = false;
    const School* school = &GeneralSchool();
};

Working WorkOut(const ExactQuadratic& quadratic, unsigned places, char16_t separator = kPoint,
                const ExactMethod& method = {});

// The roots, each rounded to `places` from its exact value, with "=" where that is the exact
// value and "≈" otherwise, in the order the exact line writes them: two rational roots as it
// lists them, the root of (p + q√d)/r before that of (p − q√d)/r; one for a double root; the
// real and imaginary parts of complex roots (x ≈ -0.5 ± 0.87i, x ≈ 0 ± 0.9i, x = -1 ± 2i),
// followed by ImaginaryPartRoundsToZero where that part rounds to 0.
std::vector<WorkingLine> RoundedRootLines(const ExactRoots& roots, unsigned places,
                                          char16_t separator = kPoint);

} // namespace veltrix
