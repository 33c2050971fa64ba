#include "engine/working/exact/student_sums.hpp"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

namespace veltrix {
namespace {

// The sum of whole numbers, each scaled by ten to its power.
mpq_class Combine(const std::map<std::int64_t, mpz_class>& byPower) {
    if (byPower.empty()) {
        return 0;
    }
    // Horner's rule from the highest power down, then one division for the lowest.
    mpz_class sum;
    std::int64_t power = byPower.rbegin()->first;
    for (auto it = byPower.rbegin(); it != byPower.rend(); ++it) {
        sum = sum * PowerOfTen(static_cast<std::uint64_t>(power - it->first)) + it->second;
        power = it->first;
    }
    if (power >= 0) {
        return mpq_class(sum * PowerOfTen(static_cast<std::uint64_t>(power)));
    }
    mpq_class value(sum, PowerOfTen(static_cast<std::uint64_t>(-power)));
    value.canonicalize();
    return value;
}

// The sum within the digit limit, for the working's cost; or nothing.
std::optional<mpq_class> WithinLimit(ExactOutcome sum) {
    auto* value = std::get_if<mpq_class>(&sum);
    if (value == nullptr) {
        return std::nullopt;
    }
    const ScaledDigits scaled = ScaledDigitsOf(*value);
    const std::size_t count = *value == 0 ? 0 : scaled.digits.size();
    if (!FitsDigits({0, count, scaled.exponent})) {
        return std::nullopt;
    }
    return std::move(*value);
}

} // namespace

ExactOutcome ExactSum(std::span<const DecimalParts> terms) {
    // Terms are summed by the power of ten of their last digit, so that adding one is adding
    // whole numbers; an exact value's power lies within ±kMaxExactDigits, which bounds the
    // powers, and so the cost of combining them.
    std::map<std::int64_t, mpz_class> byPower;
    for (const DecimalParts& term : terms) {
        const SignificantDigits digits = SignificantDigitsOf(term);
        if (!FitsDigits(digits)) {
            return TooLong{};
        }
        if (digits.first == digits.last) {
            continue;
        }
        mpz_class& sum = byPower[digits.power];
        if (term.negative) {
            sum -= Significand(term, digits);
        } else {
            sum += Significand(term, digits);
        }
    }
    return Combine(byPower);
}

std::variant<ExactQuadratic, TooLong> ExactStudentQuadratic(const StudentEquation& equation) {
    std::optional<mpq_class> a = WithinLimit(ExactSum(equation.a));
    std::optional<mpq_class> b = WithinLimit(ExactSum(equation.b));
    std::optional<mpq_class> c = WithinLimit(ExactSum(equation.c));
    if (!a || !b || !c) {
        return TooLong{};
    }
    return ExactQuadratic{std::move(*a), std::move(*b), std::move(*c)};
}

ScaledDigits ScaledDigitsOf(const mpq_class& decimal) {
    if (decimal == 0) {
        return {false, u"0", 0};
    }
    // n/(2^i·5^j) is n·2^(k-i)·5^(k-j) / 10^k, k the larger of i and j.
    mpz_class rest = decimal.get_den();
    const mpz_class two(2), five(5), ten(10);
    const auto twos = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), two.get_mpz_t());
    const auto fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), five.get_mpz_t());
    const auto places = std::max(twos, fives);
    mpz_class digits = abs(decimal.get_num()) * PowerOfTen(places) / decimal.get_den();
    const auto zeros = mpz_remove(digits.get_mpz_t(), digits.get_mpz_t(), ten.get_mpz_t());
    const std::string ascii = digits.get_str();
    return {decimal < 0, std::u16string(ascii.begin(), ascii.end()),
            static_cast<std::int64_t>(zeros) - static_cast<std::int64_t>(places)};
}

} // namespace veltrix
