// Conversions between the texts a user types or sees and the doubles the engine computes with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrix {

// The decimal separator of the user's locale, "," where the locale writes "0,66". Numbers are
// read with it or with ".", and written with it; digits, signs and exponents stay ASCII, and no
// digit grouping is written or read.
inline constexpr char16_t kPoint = u'.';

// Reads a decimal number such as " - 2", "5.", ".5" or "1.5e-3" (blanks around it, an optional
// sign that may be followed by blanks, "." or `separator` as its one decimal separator, an
// optional exponent). Fails on anything else, and on a value too large for a double; a value too
// small becomes the nearest double (a subnormal or zero).
std::optional<double> TextToNumber(std::u16string_view text, char16_t separator = kPoint);

// Writes a value with at most 15 significant digits and no trailing zeros, exponent only where
// needed ("0.66", "2.5", "1.5E+20", "1E-07"), with `separator` before its fraction. Negative zero
// is written "0".
std::u16string NumberToText(double value, char16_t separator = kPoint);

// Rounds value × powerOfTen half-to-even to a whole number that must fit a signed 16-bit integer,
// then divides by powerOfTen again. Fails when any step leaves the double range or divides by 0.
std::optional<double> RoundToAccuracy(double value, double powerOfTen);

// A number that TextToNumber's grammar accepts, taken apart as it is written: its sign, the
// digits before and after its decimal separator (views into the text) and its exponent, held at
// ±1,000,000,000 where the text gives more. Its value is ±(whole fraction) × 10^(exponent − the
// number of fraction digits). Nothing for a text that is not such a number; its size is not
// looked at.
struct DecimalParts {
    bool negative = false;
    std::u16string_view whole, fraction;
    std::int64_t exponent = 0;
};
std::optional<DecimalParts> SplitDecimal(std::u16string_view text, char16_t separator = kPoint);

} // namespace veltrix
