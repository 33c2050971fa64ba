// The two commands of the engine: the roots of the equation, and the value of y at a given x.
#pragma once

#include "engine/core/outcomes.hpp"
#include "engine/core/parser.hpp"

#include <string>
#include <string_view>
#include <variant>

namespace veltrix {

// The two rounded roots as shown: plus is (-b + sqrt D) / 2a and comes first, whatever its size.
struct Roots {
    std::u16string plus, minus;
    friend bool operator==(const Roots&, const Roots&) = default;
};

using SolveOutcome = std::variant<Roots, InvalidQuadratic, NoRealRoots, EvaluationFailed>;

// Solves a·x² + b·x + c = 0 and rounds both roots to `accuracy` decimal places (a number as text,
// read before the equation is looked at). Numbers are read and written with `separator` as the
// decimal separator ("." is read as well).
SolveOutcome SolveQuadratic(std::u16string_view equation, std::u16string_view accuracy,
                            char16_t separator = u'.');

struct ValueFound {
    std::u16string text;
    friend bool operator==(const ValueFound&, const ValueFound&) = default;
};

using ValueOutcome = std::variant<ValueFound, InvalidQuadratic, EvaluationFailed>;

// y = a·x² + b·x + c at the typed x, rounded to `accuracy` decimal places; numbers with
// `separator`, as for SolveQuadratic.
ValueOutcome ValueOfYAtX(std::u16string_view equation, std::u16string_view x,
                         std::u16string_view accuracy, char16_t separator = u'.');

} // namespace veltrix
