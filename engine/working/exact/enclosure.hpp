// Enclosures of real numbers at a bounded precision, in MPFR's binary floating point with its
// exponent range at its widest: each value is held between a lower and an upper end rounded
// outwards, so that the true value lies between them however large or small it is (10^±10^9
// included). And the grids that the working rounds to, with the ends placed on them.
#pragma once

#include "engine/core/decimal_digits.hpp"

#include <cstddef>
#include <cstdint>
#include <gmpxx.h>
#include <mpfr.h>
#include <optional>

namespace veltrix::enclosure {

// MPFR's exponents at their widest for this thread: a number of a billion decimal digits, its
// square and its cube stay within them.
void WidenExponentRange();

class Interval {
  public:
    explicit Interval(mpfr_prec_t precision); // [0, 0]
    Interval(const Interval& other);
    Interval(Interval&& other) noexcept;
    Interval& operator=(Interval other) noexcept;
    ~Interval();

    mpfr_ptr Lower() { return lower_; }
    mpfr_ptr Upper() { return upper_; }
    mpfr_srcptr Lower() const { return lower_; }
    mpfr_srcptr Upper() const { return upper_; }
    mpfr_prec_t Precision() const { return mpfr_get_prec(lower_); }

    bool IsZero() const { return mpfr_zero_p(lower_) && mpfr_zero_p(upper_); }
    // -1 or 1 where both ends have that sign, 0 otherwise.
    int Sign() const;

  private:
    mpfr_t lower_, upper_;
};

// The typed number, read from as many of its leading digits as the precision can use.
Interval Enclose(const digits::TypedDigits& number, mpfr_prec_t precision);
// m·10^unit.
Interval Enclose(const mpz_class& m, std::int64_t unit, mpfr_prec_t precision);

Interval Negate(const Interval& x);
Interval Add(const Interval& x, const Interval& y);
Interval Subtract(const Interval& x, const Interval& y);
Interval Multiply(const Interval& x, const Interval& y);
// y must not contain 0.
Interval Divide(const Interval& x, const Interval& y);
// x must not be negative; a lower end below 0 is taken as 0.
Interval SquareRoot(const Interval& x);
// x·2^power, exactly.
Interval TimesPowerOfTwo(const Interval& x, long power);

// A point m·10^e of a rounding grid.
struct GridPoint {
    mpz_class m;
    std::int64_t e = 0;
    friend bool operator==(const GridPoint& x, const GridPoint& y) {
        return x.m == y.m && x.e == y.e;
    }
};

// The numbers of `significant` digits, m·10^e with 10^(n-1) ≤ |m| < 10^n; or, where
// `significant` is 0, the whole multiples of 10^-places.
struct Grid {
    std::size_t significant = 0;
    unsigned places = 0;
};

// The grid point nearest to the value, exact halves to the even one. `end` tells which end of an
// enclosure the value is, so that scaling it for the places keeps it outside the true value.
enum class End { Lower, Upper };
GridPoint Nearest(const Grid& grid, mpfr_srcptr value, End end);

// The next grid point above, and the boundary halfway to it, exactly.
GridPoint Next(const Grid& grid, const GridPoint& point);
GridPoint Midpoint(const GridPoint& below, const GridPoint& above);

digits::Rounded ToRounded(const GridPoint& point);

// The value to about `digits` significant digits, for drawing.
digits::Rounded Approximately(mpfr_srcptr value, std::size_t digits);

} // namespace veltrix::enclosure
