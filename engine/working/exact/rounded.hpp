// The values a working shows rounded at the accuracy's places, each rounded once from its exact
// value: the text a line writes, and whether rounding has left the value as it is, so that the
// line says "=" rather than "≈".
#pragma once

#include "engine/core/conversions.hpp"
#include "engine/working/exact/quadratic.hpp"

#include <gmpxx.h>
#include <string>

namespace veltrix {

struct RoundedValue {
    std::u16string text; // rounded half to even: "0.66", "-0.5", "400", "0"
    bool exact = false;  // the value has no more places than the accuracy's
};

// A rational.
RoundedValue RoundRational(const mpq_class& value, unsigned places, char16_t separator = kPoint);

// The irrational (p + t·√d)/r, where d > 1 has no square factor and r > 0: never exact.
RoundedValue RoundSurd(const mpz_class& p, const mpz_class& t, const mpz_class& d,
                       const mpz_class& r, unsigned places, char16_t separator = kPoint);

// Two complex roots, real ± imaginary·i, each part rounded.
struct RoundedComplexPair {
    std::u16string real, imaginary;     // the imaginary part's magnitude: "0.87", "0"
    bool exact = false;                 // rounding has left both parts as they are
    bool imaginaryRoundsToZero = false; // "0": the roots still are not real
};

// The complex roots (p ± q·√d)/r, d < 0, of SolveExactly.
RoundedComplexPair RoundComplexPair(const ExactRoots& roots, unsigned places,
                                    char16_t separator = kPoint);

} // namespace veltrix
