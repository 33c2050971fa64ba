// Numbers of any size for the sketch, as m·10^e: a root at 1E+700 keeps its size, and each axis
// of the picture counts in its own power of ten, in whose units its points are plain doubles.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace veltrix::sketch {

// m·10^e with 1 <= |m| < 10, or 0.
struct Scaled {
    double significand = 0;
    std::int64_t exponent = 0;
    bool IsZero() const { return significand == 0; }
};

// significand·10^exponent brought to 1 <= |m| < 10; 0 for 0 or what is not a finite number.
Scaled Normalised(double significand, std::int64_t exponent);

// A decimal as the engine writes it ("-5E+399", "0.66"), to seventeen significant digits.
std::optional<Scaled> ReadScaled(std::u16string_view text);

// The value in units of 10^exponent, 0 where it is far smaller.
double In(Scaled value, std::int64_t exponent);

double Log10(Scaled value);
Scaled Sum(Scaled p, Scaled q);
Scaled Twice(Scaled value);

} // namespace veltrix::sketch
