// Exact values of the numbers a user types, and their exact rounding and writing.
//
// Every number Veltrix reads is a decimal with an optional exponent, so its value is exactly a
// rational m·10^e; GMP's integers and rationals hold it, however many digits it has.
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/core/outcomes.hpp"

#include <cstddef>
#include <cstdint>
#include <gmpxx.h>
#include <string>
#include <variant>

namespace veltrix {

using ExactOutcome = std::variant<mpq_class, TooLong>;

// 10^exponent.
mpz_class PowerOfTen(std::uint64_t exponent);

// n/d in lowest terms, as GMP's arithmetic on rationals needs them.
mpq_class Ratio(const mpz_class& n, const mpz_class& d);

// A number taken apart by SplitDecimal, as its significant digits times a power of ten:
// ±digits × 10^power, the digits those from `first` to `last` (one past it) over the whole digits
// followed by the fraction digits, without a leading or trailing zero; first == last for zero.
struct SignificantDigits {
    std::size_t first = 0, last = 0;
    std::int64_t power = 0;
};
SignificantDigits SignificantDigitsOf(const DecimalParts& parts);

// Whether the value takes at most maxDigits digits written out.
bool FitsDigits(const SignificantDigits& digits, std::size_t maxDigits = kMaxExactDigits);

// The significant digits as a whole number, without sign.
mpz_class Significand(const DecimalParts& parts, const SignificantDigits& digits);

// The exact value of a number taken apart by SplitDecimal.
ExactOutcome ExactValueOf(const DecimalParts& parts, std::size_t maxDigits = kMaxExactDigits);

// Whether the rational, in lowest terms, has a decimal expansion that ends: its denominator has
// no prime factor but 2 and 5.
bool EndsAsDecimal(const mpq_class& value);

// The rational written as a decimal where it ends ("0.1", "-3.1", "2"), otherwise as a fraction
// in lowest terms ("1/3", "-7/12"). ASCII digits and "-"; `separator` before a fraction part.
std::u16string RationalText(const mpq_class& value, char16_t separator = kPoint);

// The parts of rounding at an accuracy's places, which rounded.hpp puts together for the working.

// n·10^-places written as a decimal without trailing zeros: "0.66", "-0.5", "400"; "0" for zero.
std::u16string ScaledText(const mpz_class& n, unsigned places, char16_t separator = kPoint);

// The whole number nearest to value·10^places, an exact half going to the even neighbour.
mpz_class RoundScaled(const mpq_class& value, unsigned places);

// Whether the value has no more than `places` decimal places, so that rounding leaves it as it is.
bool EndsWithin(const mpq_class& value, unsigned places);

// The same for the irrational (p + t·√d)/r, where d > 1 has no square factor and r > 0. It is
// never exactly halfway, so the nearest whole number is floor(value·10^places + 1/2).
mpz_class RoundScaledSurd(const mpz_class& p, const mpz_class& t, const mpz_class& d,
                          const mpz_class& r, unsigned places);

} // namespace veltrix
