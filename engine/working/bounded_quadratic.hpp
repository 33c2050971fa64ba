// The working's numbers for an equation whose coefficients are too long to work with exactly
// (kMaxExactDigits): each coefficient, the discriminant and its sign, the roots, the turning
// point and where the curve crosses the y axis, every digit shown correct. They are computed from
// the digits as typed, however many there are and however large the exponent, in interval
// arithmetic at a precision raised until each shown value is settled; a value on a rounding
// boundary, or nearer to it than the precision can tell, is settled by exact signs instead.
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/core/parser.hpp"
#include "engine/core/solver.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace veltrix {

// A value as the working shows it.
struct ShownValue {
    // 15 significant digits rounded half to even, in NumberToText's shape: "0.66", "1.5E+20",
    // "1E-401". Never "0" for a value that is not 0.
    std::u16string significant;
    // Rounded half to even at the accuracy's places ("0.66", "-1", "400", "0"); where that figure
    // would have more than 15 digits before the point (10^15 and more in size), the 15
    // significant digits instead ("-1E+401").
    std::u16string rounded;
    // 17 significant digits with "." and "E" ("-3.1622768203369817E-08"), for drawing: within
    // a unit of the 15th digit of the value (where the terms of b² − 4ac cancel, the value is
    // known no closer than that), not rounded exactly.
    std::string approximate;
    friend bool operator==(const ShownValue&, const ShownValue&) = default;
};

struct ShownCoefficient {
    ShownValue value;
    bool exact = false; // the 15 significant digits are the whole value
    int sign = 0;       // -1, 0 or 1
    friend bool operator==(const ShownCoefficient&, const ShownCoefficient&) = default;
};

// The y of the point where the curve crosses the y axis, (0, c), at the places: c rounded, or its
// significant digits where the rounding leaves no digit but 0 of a c that is not 0, for a point
// written (0, 0) would say the curve passes through the origin.
const std::u16string& InterceptText(const ShownCoefficient& c);

// Two real roots: `plus` is (−b + √(b² − 4ac))/2a, which Calculate shows first; `minus` the other.
struct BoundedRealRoots {
    ShownValue plus, minus;
};

// One double root, −b/2a.
struct BoundedDoubleRoot {
    ShownValue root;
};

// Two complex roots, real ± imaginary·i; the imaginary part is above 0.
struct BoundedComplexRoots {
    ShownValue real, imaginary;
};

using BoundedRoots = std::variant<BoundedRealRoots, BoundedDoubleRoot, BoundedComplexRoots>;

// a ≠ 0. The turning point is (−b/2a, c − b²/4a), a minimum where a > 0.
struct BoundedParabola {
    ShownValue discriminant; // b² − 4ac
    int discriminantSign = 0;
    BoundedRoots roots;
    ShownValue turningX, turningY;
};

// a = 0: the root −c/b where b ≠ 0; none where b = 0 (every x where c is 0 too).
struct BoundedLine {
    std::optional<ShownValue> root;
};

struct BoundedWorking {
    // a, b and c; the curve crosses the y axis at (0, c).
    std::array<ShownCoefficient, 3> coefficients;
    std::variant<BoundedParabola, BoundedLine> curve;
};

// The working's numbers for the coefficients a, b and c as typed, rounded at `places` decimal
// places, written with `separator` before a fraction. The parts' texts are read during the call.
BoundedWorking WorkOutBounded(const std::array<DecimalParts, 3>& coefficients, unsigned places,
                              char16_t separator = kPoint);

// The parts of a coefficient as the split gives it: its text taken apart (viewing that text), or
// the 1, -1 or 0 that the split supplied; nothing for a text that is not a number, or another
// supplied value.
std::optional<DecimalParts> PartsOf(const Coefficient& coefficient, char16_t separator = kPoint);

// The equation split as Calculate splits it, then worked out as above; invalid where it does not
// split, failed where a coefficient is not a number. Unlike Calculate's, no coefficient is too
// large or too small here.
using BoundedOutcome = std::variant<BoundedWorking, InvalidQuadratic, EvaluationFailed>;
BoundedOutcome WorkOutBounded(std::u16string_view equation, unsigned places,
                              char16_t separator = kPoint);

} // namespace veltrix
