// Splits an equation typed as "ax^2+bx+c" into its three coefficients.
#pragma once

#include "engine/core/outcomes.hpp"

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

using ParseOutcome = std::variant<QuadraticCoefficients, InvalidQuadratic, MalformedTerm>;

// Positions are UTF-16 units, as the equation box counts its characters (a character outside the
// Basic Multilingual Plane, such as an emoji, is two). Upper-case "X" markers are tried first,
// then lower-case "x". The power after the first marker is skipped unread: the two units of "^2"
// (whatever they hold), or a single superscript two "²" when that follows the marker.
ParseOutcome ParseQuadratic(std::u16string_view equation);

// The equation split as every command takes it: a malformed term fails the command, as a
// coefficient that does not convert does.
using SplitOutcome = std::variant<QuadraticCoefficients, InvalidQuadratic, EvaluationFailed>;
SplitOutcome SplitEquation(std::u16string_view equation);

// The number a coefficient stands for, or nothing when its text does not convert (TextToNumber,
// with `separator` as the decimal separator beside ".").
std::optional<double> CoefficientValue(const Coefficient& coefficient, char16_t separator = u'.');

} // namespace veltrix
