// Plain restatements of the engine's rules, written independently of engine/ so that a fuzz
// target can compare what the engine does with what it should do. Simplicity over speed.
#pragma once

#include "engine/core/engine.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veltrix::fuzz {

// The number grammar (blanks, sign, blanks, digits with "." and an optional exponent, blanks) as a
// small state machine, and the C library's strtod for the value of what it accepts: nothing when
// the text is not such a number or its value lies beyond the double range.
std::optional<double> ReferenceNumber(std::u16string_view text);

// C's "%.15G", with "0" for both zeros.
std::u16string ReferenceNumberText(double value);

// The rounding of a result: half to even with floor(), then the 16-bit range, then the division.
std::optional<double> ReferenceRound(double value, double powerOfTen);

enum class SplitKind { Parsed, Invalid, Malformed };

// What the marker searches decide, with 1-based marker positions as the user counts them.
struct ReferenceSplit {
    SplitKind kind = SplitKind::Invalid;
    std::size_t first = 0, second = 0;  // the markers used, for Parsed and Malformed
    QuadraticCoefficients coefficients; // for Parsed
};

ReferenceSplit ReferenceParse(std::u16string_view equation);

// The whole evaluation step by step in plain doubles, each step checked for the double range.
SolveOutcome ReferenceSolve(std::u16string_view equation, std::u16string_view accuracy);
ValueOutcome ReferenceValue(std::u16string_view equation, std::u16string_view x,
                            std::u16string_view accuracy);

} // namespace veltrix::fuzz
