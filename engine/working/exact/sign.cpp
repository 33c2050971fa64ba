#include "engine/working/exact/sign.hpp"

#include <algorithm>
#include <vector>

namespace veltrix::exact {
namespace {

mpz_class PowerOfTen(std::int64_t exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return power;
}

// mpz_sizeinbase may count one digit too many.
std::size_t ExactDigitCount(const mpz_class& m) {
    if (m == 0) {
        return 0;
    }
    const std::size_t estimate = mpz_sizeinbase(m.get_mpz_t(), 10);
    const mpz_class lowest = PowerOfTen(static_cast<std::int64_t>(estimate) - 1);
    return mpz_cmpabs(m.get_mpz_t(), lowest.get_mpz_t()) < 0 ? estimate - 1 : estimate;
}

// A term that is not 0, with its sign and its size: 10^low ≤ |term| < 10^high.
struct SizedTerm {
    const Monomial* term;
    int sign;
    std::int64_t low, high, unit;
};

SizedTerm SizeOf(const Monomial& term) {
    SizedTerm sized{&term, term.k < 0 ? -1 : 1, 0, 0, 0};
    for (std::size_t i = 0; i < term.count; ++i) {
        const Decimal& factor = *term.factors[i];
        const auto digits = static_cast<std::int64_t>(factor.DigitCount());
        sized.sign *= factor.Sign();
        sized.low += digits - 1 + factor.Unit();
        sized.high += digits + factor.Unit();
        sized.unit += factor.Unit();
    }
    // |k| is a single digit: it may add one more.
    sized.high += (term.k > 1 || term.k < -1) ? 1 : 0;
    return sized;
}

mpz_class ExactMantissa(const SizedTerm& sized) {
    mpz_class product = sized.term->k;
    for (std::size_t i = 0; i < sized.term->count; ++i) {
        product *= sized.term->factors[i]->Magnitude();
    }
    return sized.sign * abs(product);
}

// The sum so far, exactly, as sum·10^unit.
struct Partial {
    mpz_class sum;
    std::int64_t unit = 0;

    void Add(const mpz_class& mantissa, std::int64_t mantissaUnit) {
        if (sum == 0) {
            sum = mantissa;
            unit = mantissaUnit;
            return;
        }
        const std::int64_t common = std::min(unit, mantissaUnit);
        sum = sum * PowerOfTen(unit - common) + mantissa * PowerOfTen(mantissaUnit - common);
        unit = common;
    }

    // 10^LowOrder() ≤ |sum| where the sum is not 0.
    std::int64_t LowOrder() const {
        return static_cast<std::int64_t>(mpz_sizeinbase(sum.get_mpz_t(), 10)) - 2 + unit;
    }
};

std::vector<SizedTerm> NonZero(std::initializer_list<Monomial> terms) {
    std::vector<SizedTerm> sized;
    for (const Monomial& term : terms) {
        const bool zero = std::any_of(term.factors.begin(), term.factors.begin() + term.count,
                                      [](const Decimal* f) { return f->Sign() == 0; });
        if (!zero && term.k != 0) {
            sized.push_back(SizeOf(term));
        }
    }
    return sized;
}

} // namespace

Decimal::Decimal(const digits::TypedDigits& number)
    : typed_(number), sign_(number.IsZero() ? 0 : (number.Negative() ? -1 : 1)),
      digitCount_(number.Count()), unit_(number.Unit()) {}

Decimal::Decimal(const mpz_class& mantissa, std::int64_t unit)
    : sign_(sgn(mantissa)), digitCount_(ExactDigitCount(mantissa)), unit_(unit),
      magnitude_(abs(mantissa)) {}

const mpz_class& Decimal::Magnitude() const {
    if (!magnitude_) {
        magnitude_ = typed_->IsZero() ? mpz_class(0) : mpz_class(typed_->Leading(digitCount_), 10);
    }
    return *magnitude_;
}

Monomial Term(int k, std::initializer_list<const Decimal*> factors) {
    Monomial term{k, {}, 0};
    for (const Decimal* factor : factors) {
        term.factors[term.count++] = factor;
    }
    return term;
}

int SignOfSum(std::initializer_list<Monomial> terms) {
    std::vector<SizedTerm> sized = NonZero(terms);
    std::sort(sized.begin(), sized.end(),
              [](const SizedTerm& x, const SizedTerm& y) { return x.high > y.high; });
    Partial partial;
    for (const SizedTerm& term : sized) {
        // The terms left, fewer than ten and each below 10^high, add up to less than
        // 10^(high + 1): once that is no more than the sum so far, they cannot change its sign.
        if (partial.sum != 0 && term.high + 1 <= partial.LowOrder()) {
            break;
        }
        partial.Add(ExactMantissa(term), term.unit);
    }
    return sgn(partial.sum);
}

Decimal SumOf(std::initializer_list<Monomial> terms) {
    Partial partial;
    for (const SizedTerm& term : NonZero(terms)) {
        partial.Add(ExactMantissa(term), term.unit);
    }
    return {partial.sum, partial.sum == 0 ? 0 : partial.unit};
}

} // namespace veltrix::exact
