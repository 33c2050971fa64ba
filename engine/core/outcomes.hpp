// Why a command of the engine gives no result. Each entry point returns its result or one of
// these, as a value in a std::variant; nothing is thrown.
#pragma once

#include <cstddef>

namespace veltrix {

// The x markers were not found where an equation of this form has them.
struct InvalidQuadratic {
    friend bool operator==(InvalidQuadratic, InvalidQuadratic) = default;
};

// The markers were found, but the second one stands right after the "^2" slot of the first, so
// there is no room for the x coefficient. A command reports it as EvaluationFailed
// (SplitEquation); only ParseQuadratic tells it apart.
struct MalformedTerm {
    friend bool operator==(MalformedTerm, MalformedTerm) = default;
};

// A conversion, range or arithmetic failure anywhere after the equation was split, or a text that
// split without room for the x coefficient.
struct EvaluationFailed {
    friend bool operator==(EvaluationFailed, EvaluationFailed) = default;
};

// The discriminant is negative: Calculate has no real roots to show.
struct NoRealRoots {
    friend bool operator==(NoRealRoots, NoRealRoots) = default;
};

// How many decimal digits the exact value of a coefficient may take when it is written out: its
// significant digits and the zeros before the point, or its places after the point. Beyond it
// the working would take too long to compute and to read.
inline constexpr std::size_t kMaxExactDigits = 400;

// The working: a coefficient's exact value would take more digits than kMaxExactDigits, so the
// equation is shown with its decimals only.
struct TooLong {
    friend bool operator==(TooLong, TooLong) = default;
};

} // namespace veltrix
