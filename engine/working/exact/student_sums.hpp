// Engine-internal: the exact values of an equation read by ReadStudentEquation, for the working.
// It carries GMP, which the engine's public headers keep out; only the engine's own units, its
// tests and its fuzz targets include it.
#pragma once

#include "engine/reader/student_reader.hpp"
#include "engine/working/exact/quadratic.hpp"
#include "engine/working/exact/rationals.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace veltrix {

// The exact sum of a coefficient's terms; TooLong where one of them would take more than
// kMaxExactDigits digits written out. The sum itself may take twice as many.
ExactOutcome ExactSum(std::span<const DecimalParts> terms);

// The three coefficients exactly, for the working: TooLong where a term or a sum would take
// more than kMaxExactDigits digits written out. Those coefficients are left to a working at
// bounded precision, which sums their terms itself.
std::variant<ExactQuadratic, TooLong> ExactStudentQuadratic(const StudentEquation& equation);

// A rational whose decimal expansion ends, as its significant digits and the power of ten they
// are scaled by: ±digits × 10^exponent, with neither a leading nor a trailing zero in `digits`;
// "0" and 0 for zero.
struct ScaledDigits {
    bool negative = false;
    std::u16string digits;
    std::int64_t exponent = 0;
};
ScaledDigits ScaledDigitsOf(const mpq_class& decimal);

} // namespace veltrix
