#include "engine/working/exact/enclosure.hpp"

#include "engine/working/exact/rationals.hpp"

#include <algorithm>
#include <string>
#include <utility>

namespace veltrix::enclosure {
namespace {

// A scratch MPFR number that clears itself.
class Scratch {
  public:
    explicit Scratch(mpfr_prec_t precision) { mpfr_init2(value_, precision); }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() { mpfr_clear(value_); }
    mpfr_ptr get() { return value_; }

  private:
    mpfr_t value_;
};

// m·10^power for m > 0, rounded in the given direction.
void SetScaled(mpfr_ptr result, const mpz_class& m, std::int64_t power, mpfr_rnd_t rounding) {
    Scratch ten(8);
    mpfr_set_ui(ten.get(), 10, MPFR_RNDN);
    Scratch scale(mpfr_get_prec(result));
    // Both factors are positive, so rounding each the same way rounds the product that way.
    mpfr_pow_si(scale.get(), ten.get(), static_cast<long>(power), rounding);
    mpfr_set_z(result, m.get_mpz_t(), rounding);
    mpfr_mul(result, result, scale.get(), rounding);
}

using Operation = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_srcptr, mpfr_rnd_t);

// The least of op(u, v) rounded down and the greatest rounded up over the ends u of x and v of y:
// the enclosure of op over the intervals, where op is monotonic in each argument on them, as a
// product is and a quotient by an interval without 0 is.
Interval OverEnds(Operation op, const Interval& x, const Interval& y) {
    Interval result(x.Precision());
    mpfr_set_inf(result.Lower(), 1);
    mpfr_set_inf(result.Upper(), -1);
    Scratch t(x.Precision());
    for (mpfr_srcptr u : {x.Lower(), x.Upper()}) {
        for (mpfr_srcptr v : {y.Lower(), y.Upper()}) {
            op(t.get(), u, v, MPFR_RNDD);
            mpfr_min(result.Lower(), result.Lower(), t.get(), MPFR_RNDD);
            op(t.get(), u, v, MPFR_RNDU);
            mpfr_max(result.Upper(), result.Upper(), t.get(), MPFR_RNDU);
        }
    }
    return result;
}

// The value's first `count` significant digits, correctly rounded, as m·10^e with m of exactly
// that many digits.
GridPoint SignificantDigits(mpfr_srcptr value, std::size_t count) {
    if (mpfr_zero_p(value)) {
        return {};
    }
    std::string buffer(std::max<std::size_t>(count + 2, 7), '\0');
    mpfr_exp_t exponent = 0;
    mpfr_get_str(buffer.data(), &exponent, 10, count, value, MPFR_RNDN);
    return {mpz_class(buffer.c_str(), 10), exponent - static_cast<std::int64_t>(count)};
}

GridPoint NearestMultiple(unsigned places, mpfr_srcptr value, End end) {
    Scratch scaled(mpfr_get_prec(value));
    const mpfr_rnd_t outwards = end == End::Lower ? MPFR_RNDD : MPFR_RNDU;
    mpfr_mul_z(scaled.get(), value, PowerOfTen(places).get_mpz_t(), outwards);
    GridPoint point{0, -static_cast<std::int64_t>(places)};
    mpfr_get_z(point.m.get_mpz_t(), scaled.get(), MPFR_RNDN);
    return point;
}

} // namespace

void WidenExponentRange() {
    mpfr_set_emin(mpfr_get_emin_min());
    mpfr_set_emax(mpfr_get_emax_max());
}

Interval::Interval(mpfr_prec_t precision) {
    mpfr_init2(lower_, precision);
    mpfr_init2(upper_, precision);
    mpfr_set_zero(lower_, 1);
    mpfr_set_zero(upper_, 1);
}

Interval::Interval(const Interval& other) : Interval(other.Precision()) {
    mpfr_set(lower_, other.lower_, MPFR_RNDN);
    mpfr_set(upper_, other.upper_, MPFR_RNDN);
}

Interval::Interval(Interval&& other) noexcept : Interval(other.Precision()) {
    mpfr_swap(lower_, other.lower_);
    mpfr_swap(upper_, other.upper_);
}

Interval& Interval::operator=(Interval other) noexcept {
    mpfr_swap(lower_, other.lower_);
    mpfr_swap(upper_, other.upper_);
    return *this;
}

Interval::~Interval() {
    mpfr_clear(lower_);
    mpfr_clear(upper_);
}

int Interval::Sign() const {
    if (mpfr_sgn(lower_) > 0) {
        return 1;
    }
    return mpfr_sgn(upper_) < 0 ? -1 : 0;
}

Interval Enclose(const digits::TypedDigits& number, mpfr_prec_t precision) {
    Interval x(precision);
    if (number.IsZero()) {
        return x;
    }
    // A few digits more than the precision holds; those after them add less than one unit of
    // the last digit read.
    const std::size_t read = static_cast<std::size_t>(precision) * 30103 / 100000 + 3;
    const std::string leading = number.Leading(read);
    const mpz_class m(leading, 10);
    const std::int64_t unit = number.Lead() - static_cast<std::int64_t>(leading.size()) + 1;
    SetScaled(x.Lower(), m, unit, MPFR_RNDD);
    SetScaled(x.Upper(), number.Count() > read ? mpz_class(m + 1) : m, unit, MPFR_RNDU);
    return number.Negative() ? Negate(x) : x;
}

Interval Enclose(const mpz_class& m, std::int64_t unit, mpfr_prec_t precision) {
    Interval x(precision);
    if (m != 0) {
        const mpz_class magnitude = abs(m);
        SetScaled(x.Lower(), magnitude, unit, MPFR_RNDD);
        SetScaled(x.Upper(), magnitude, unit, MPFR_RNDU);
    }
    return m < 0 ? Negate(x) : x;
}

Interval Negate(const Interval& x) {
    Interval result(x.Precision());
    mpfr_neg(result.Lower(), x.Upper(), MPFR_RNDN);
    mpfr_neg(result.Upper(), x.Lower(), MPFR_RNDN);
    return result;
}

Interval Add(const Interval& x, const Interval& y) {
    Interval result(x.Precision());
    mpfr_add(result.Lower(), x.Lower(), y.Lower(), MPFR_RNDD);
    mpfr_add(result.Upper(), x.Upper(), y.Upper(), MPFR_RNDU);
    return result;
}

Interval Subtract(const Interval& x, const Interval& y) {
    Interval result(x.Precision());
    mpfr_sub(result.Lower(), x.Lower(), y.Upper(), MPFR_RNDD);
    mpfr_sub(result.Upper(), x.Upper(), y.Lower(), MPFR_RNDU);
    return result;
}

Interval Multiply(const Interval& x, const Interval& y) {
    return OverEnds(mpfr_mul, x, y);
}

Interval Divide(const Interval& x, const Interval& y) {
    return OverEnds(mpfr_div, x, y);
}

Interval SquareRoot(const Interval& x) {
    Interval result(x.Precision());
    if (mpfr_sgn(x.Lower()) > 0) {
        mpfr_sqrt(result.Lower(), x.Lower(), MPFR_RNDD);
    }
    mpfr_sqrt(result.Upper(), x.Upper(), MPFR_RNDU);
    return result;
}

Interval TimesPowerOfTwo(const Interval& x, long power) {
    Interval result(x.Precision());
    mpfr_mul_2si(result.Lower(), x.Lower(), power, MPFR_RNDD);
    mpfr_mul_2si(result.Upper(), x.Upper(), power, MPFR_RNDU);
    return result;
}

GridPoint Nearest(const Grid& grid, mpfr_srcptr value, End end) {
    return grid.significant > 0 ? SignificantDigits(value, grid.significant)
                                : NearestMultiple(grid.places, value, end);
}

GridPoint Next(const Grid& grid, const GridPoint& point) {
    GridPoint next{point.m + 1, point.e};
    if (grid.significant == 0) {
        return next;
    }
    const mpz_class top = PowerOfTen(grid.significant);
    const mpz_class bottom = PowerOfTen(grid.significant - 1);
    if (next.m == top) {
        return {bottom, point.e + 1}; // 9.99…9 → 10.0…0
    }
    if (next.m < 0 && -next.m < bottom) {
        return {mpz_class(1 - top), point.e - 1}; // -10.0…0 → -9.99…9
    }
    return next;
}

GridPoint Midpoint(const GridPoint& below, const GridPoint& above) {
    const std::int64_t e = std::min(below.e, above.e);
    const mpz_class sum = below.m * PowerOfTen(static_cast<std::size_t>(below.e - e)) +
                          above.m * PowerOfTen(static_cast<std::size_t>(above.e - e));
    return {5 * sum, e - 1};
}

digits::Rounded ToRounded(const GridPoint& point) {
    if (point.m == 0) {
        return {};
    }
    std::string digits = mpz_class(abs(point.m)).get_str();
    const auto lead = static_cast<std::int64_t>(digits.size()) - 1 + point.e;
    digits.erase(digits.find_last_not_of('0') + 1);
    return {point.m < 0, digits, lead};
}

digits::Rounded Approximately(mpfr_srcptr value, std::size_t digits) {
    return ToRounded(SignificantDigits(value, digits));
}

} // namespace veltrix::enclosure
