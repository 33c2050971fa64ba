// Taking the square factors out of a whole number, as a root is simplified: √124 = 2√31.
#pragma once

#include <gmpxx.h>

namespace veltrix {

// n = root² · rest.
struct SquareSplit {
    mpz_class root, rest;
};

// Splits n > 0 so that rest has no square factor of a prime below 10^6, nor a square factor
// at all when n ≤ 10^18. Above that, a square of two primes beyond 10^6 times anything that is
// not a square may stay in rest: the split is exact all the same, only not the simplest.
SquareSplit SplitSquareFactors(const mpz_class& n);

} // namespace veltrix
