// Exact signs of sums of products of decimals, however far apart the sizes of the terms: how a
// rounding that no bounded precision settles (a value on a rounding boundary, or nearer to it
// than any enclosure can tell) is settled. Only the terms whose sizes can matter are computed
// exactly, so a term ten to the billion times smaller than the others costs nothing unless the
// others cancel exactly.
#pragma once

#include "engine/core/decimal_digits.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <gmpxx.h>
#include <initializer_list>
#include <optional>

namespace veltrix::exact {

// An exact decimal ±m·10^unit, m a whole number. The mantissa of a typed number is read from its
// digits only when a sum needs it, since a megabyte of digits takes a while to convert.
class Decimal {
  public:
    explicit Decimal(const digits::TypedDigits& number);
    Decimal(const mpz_class& mantissa, std::int64_t unit);

    int Sign() const { return sign_; }
    std::size_t DigitCount() const { return digitCount_; } // of m, exactly; 0 for 0
    std::int64_t Unit() const { return unit_; }
    const mpz_class& Magnitude() const; // |m|

  private:
    std::optional<digits::TypedDigits> typed_;
    int sign_ = 0;
    std::size_t digitCount_ = 0;
    std::int64_t unit_ = 0;
    mutable std::optional<mpz_class> magnitude_;
};

// k times the product of up to four decimals.
struct Monomial {
    int k = 1;
    std::array<const Decimal*, 4> factors{};
    std::size_t count = 0;
};
Monomial Term(int k, std::initializer_list<const Decimal*> factors);

// The sign of the sum, exactly: -1, 0 or 1.
int SignOfSum(std::initializer_list<Monomial> terms);

// The sum, exactly. The terms are aligned at the smallest unit among them, so this is for terms
// whose sizes lie close together, as those of a sum that cancels do.
Decimal SumOf(std::initializer_list<Monomial> terms);

} // namespace veltrix::exact
