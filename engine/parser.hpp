// Splits an equation typed as "ax^2+bx+c" into its three coefficients.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace veltrix {

// A coefficient is either a number the split supplied (1 for a missing a, ±1 for a lone sign
// before the x term, 0 for a missing c) or the piece of the equation text still to be converted.
using Coefficient = std::variant<double, std::u16string>;

struct QuadraticCoefficients {
    Coefficient a, b, c;
    friend bool operator==(const QuadraticCoefficients&, const QuadraticCoefficients&) = default;
};

// The x markers were not found where an equation of this form has them.
struct InvalidQuadratic {
    friend bool operator==(InvalidQuadratic, InvalidQuadratic) = default;
};

// The markers were found, but the second one stands right after the "^2" slot of the first, so
// there is no room for the x coefficient.
struct MalformedTerm {
    friend bool operator==(MalformedTerm, MalformedTerm) = default;
};

using ParseOutcome = std::variant<QuadraticCoefficients, InvalidQuadratic, MalformedTerm>;

// Positions are UTF-16 units, as the equation box counts its characters (a character outside the
// Basic Multilingual Plane, such as an emoji, is two). Upper-case "X" markers are tried first,
// then lower-case "x". The power after the first marker is skipped unread: the two units of "^2"
// (whatever they hold), or a single superscript two "²" when that follows the marker.
ParseOutcome ParseQuadratic(std::u16string_view equation);

// The number a coefficient stands for, or nothing when its text does not convert (TextToNumber,
// with `separator` as the decimal separator beside ".").
std::optional<double> CoefficientValue(const Coefficient& coefficient, char16_t separator = u'.');

} // namespace veltrix
