#include "engine/working/exact/quadratic.hpp"

#include "engine/core/parser.hpp"
#include "engine/working/exact/rationals.hpp"
#include "engine/working/exact/square_factors.hpp"

#include <array>
#include <optional>

namespace veltrix {
namespace {

// Whole numbers with the same ratios as a, b and c and no common factor: the equation times
// the denominators' least common multiple, divided by what the three still share.
std::array<mpz_class, 3> WholeCoefficients(const ExactQuadratic& q) {
    const mpz_class multiple = lcm(lcm(q.a.get_den(), q.b.get_den()), q.c.get_den());
    std::array<mpz_class, 3> whole;
    const std::array<const mpq_class*, 3> values = {&q.a, &q.b, &q.c};
    for (std::size_t i = 0; i < whole.size(); ++i) {
        whole[i] = values[i]->get_num() * (multiple / values[i]->get_den());
    }
    const mpz_class common = gcd(gcd(whole[0], whole[1]), whole[2]);
    if (common > 1) {
        for (mpz_class& w : whole) {
            w /= common;
        }
    }
    return whole;
}

// The exact value of a coefficient that CoefficientValue has read, or nothing where it is too
// long. Its text splits: SplitDecimal reads the grammar that TextToNumber reads.
std::optional<mpq_class> ExactOrNothing(const Coefficient& coefficient, char16_t separator,
                                        bool& tooLong) {
    if (const double* number = std::get_if<double>(&coefficient)) {
        return mpq_class(*number);
    }
    const ExactOutcome exact =
        ExactValueOf(*SplitDecimal(std::get<std::u16string>(coefficient), separator));
    if (const auto* value = std::get_if<mpq_class>(&exact)) {
        return *value;
    }
    tooLong = true;
    return std::nullopt;
}

} // namespace

ExactReadOutcome ReadExactQuadratic(std::u16string_view equation, char16_t separator) {
    const SplitOutcome parsed = SplitEquation(equation);
    if (std::holds_alternative<InvalidQuadratic>(parsed)) {
        return InvalidQuadratic{};
    }
    const auto* split = std::get_if<QuadraticCoefficients>(&parsed);
    if (split == nullptr) {
        return EvaluationFailed{};
    }
    const std::optional<double> a = CoefficientValue(split->a, separator);
    const std::optional<double> b = CoefficientValue(split->b, separator);
    const std::optional<double> c = CoefficientValue(split->c, separator);
    if (!a || !b || !c) {
        return EvaluationFailed{};
    }
    bool tooLong = false;
    std::optional<mpq_class> exactA = ExactOrNothing(split->a, separator, tooLong);
    std::optional<mpq_class> exactB = ExactOrNothing(split->b, separator, tooLong);
    std::optional<mpq_class> exactC = ExactOrNothing(split->c, separator, tooLong);
    if (tooLong) {
        return DecimalQuadratic{*a, *b, *c};
    }
    return ExactQuadratic{std::move(*exactA), std::move(*exactB), std::move(*exactC)};
}

mpq_class Discriminant(const ExactQuadratic& q) {
    return q.b * q.b - 4 * q.a * q.c;
}

ExactRoots SolveExactly(const ExactQuadratic& quadratic) {
    const auto [a, b, c] = WholeCoefficients(quadratic);
    const mpz_class discriminant = b * b - 4 * a * c;
    // (-b ± √D)/2a with a positive denominator: for a < 0, (b ∓ √D)/(-2a).
    ExactRoots roots;
    roots.plusSign = a < 0 ? -1 : 1;
    roots.p = a < 0 ? mpz_class(b) : mpz_class(-b);
    roots.r = abs(2 * a);
    if (discriminant == 0) {
        roots.q = 0;
        roots.d = 0;
    } else {
        const SquareSplit split = SplitSquareFactors(abs(discriminant));
        roots.q = split.root;
        roots.d = discriminant < 0 ? mpz_class(-split.rest) : split.rest;
    }
    const mpz_class common = gcd(gcd(roots.p, roots.q), roots.r);
    roots.p /= common;
    roots.q /= common;
    roots.r /= common;
    return roots;
}

} // namespace veltrix
