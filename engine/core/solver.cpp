#include "engine/core/solver.hpp"

#include "engine/core/checked.hpp"
#include "engine/core/conversions.hpp"

#include <array>
#include <cmath>
#include <optional>

namespace veltrix {
namespace {

// The roots before rounding, in the order the formula gives them.
struct RawRoots {
    double plus, minus;
};

// Discriminant and roots, each step checked so that no overflow or division by zero slips through.
std::variant<RawRoots, NoRealRoots, EvaluationFailed>
RootsOf(const QuadraticCoefficients& coefficients, char16_t separator) {
    using checked::Value;
    const Value a = CoefficientValue(coefficients.a, separator);
    const Value fourA = a ? checked::Mul(4.0, *a) : std::nullopt;
    const Value c = fourA ? CoefficientValue(coefficients.c, separator) : std::nullopt;
    const Value t = c ? checked::Mul(*fourA, *c) : std::nullopt;
    const Value b = t ? CoefficientValue(coefficients.b, separator) : std::nullopt;
    const Value q = b ? checked::Mul(*b, *b) : std::nullopt;
    const Value d = q ? checked::Sub(*q, *t) : std::nullopt;
    if (!d) {
        return EvaluationFailed{};
    }
    if (*d < 0.0) {
        return NoRealRoots{};
    }
    const double s = std::sqrt(*d);
    const Value w = checked::Mul(2.0, *a);
    const Value sumPlus = w ? checked::Add(-*b, s) : std::nullopt;
    const Value plus = sumPlus ? checked::Div(*sumPlus, *w) : std::nullopt;
    const Value sumMinus = plus ? checked::Sub(-*b, s) : std::nullopt;
    const Value minus = sumMinus ? checked::Div(*sumMinus, *w) : std::nullopt;
    if (!minus) {
        return EvaluationFailed{};
    }
    return RawRoots{*plus, *minus};
}

// y = (x·x·a + x·b) + c, converting a, then b, then c as each enters the sum.
std::optional<double> ValueAt(const QuadraticCoefficients& coefficients, double x,
                              char16_t separator) {
    using checked::Value;
    const Value q = checked::Mul(x, x);
    const Value a = q ? CoefficientValue(coefficients.a, separator) : std::nullopt;
    const Value t1 = a ? checked::Mul(*q, *a) : std::nullopt;
    const Value b = t1 ? CoefficientValue(coefficients.b, separator) : std::nullopt;
    const Value t2 = b ? checked::Mul(x, *b) : std::nullopt;
    const Value sum = t2 ? checked::Add(*t1, *t2) : std::nullopt;
    const Value c = sum ? CoefficientValue(coefficients.c, separator) : std::nullopt;
    return c ? checked::Add(*sum, *c) : std::nullopt;
}

// 10 raised to the accuracy text. It may underflow to 0, and rounding then fails.
std::optional<double> AccuracyFactor(std::u16string_view accuracy) {
    const std::optional<double> places = TextToNumber(accuracy);
    if (!places) {
        return std::nullopt;
    }
    // Whole accuracies up to 22 have exact powers of ten, which pow() also returns (its error is
    // below one unit in the last place); the table only spares the call on every command.
    constexpr std::array<double, 23> kExactPowers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (*places >= 0.0 && *places < static_cast<double>(kExactPowers.size()) &&
        *places == std::floor(*places)) {
        return kExactPowers[static_cast<std::size_t>(*places)];
    }
    return checked::Finite(std::pow(10.0, *places));
}

// What both commands start from: the accuracy's power of ten, converted before the equation is
// looked at, and the coefficients of the split equation.
struct Start {
    double factor;
    QuadraticCoefficients coefficients;
};

// The start of a command, or why it ends there: an accuracy that does not convert fails, and so
// does an equation that SplitEquation fails; an equation that does not split is invalid.
std::variant<Start, InvalidQuadratic, EvaluationFailed> StartCommand(std::u16string_view equation,
                                                                     std::u16string_view accuracy) {
    const std::optional<double> factor = AccuracyFactor(accuracy);
    if (!factor) {
        return EvaluationFailed{};
    }
    SplitOutcome split = SplitEquation(equation);
    if (auto* coefficients = std::get_if<QuadraticCoefficients>(&split)) {
        return Start{*factor, std::move(*coefficients)};
    }
    if (std::holds_alternative<InvalidQuadratic>(split)) {
        return InvalidQuadratic{};
    }
    return EvaluationFailed{};
}

} // namespace

SolveOutcome SolveQuadratic(std::u16string_view equation, std::u16string_view accuracy,
                            char16_t separator) {
    const auto start = StartCommand(equation, accuracy);
    if (std::holds_alternative<InvalidQuadratic>(start)) {
        return InvalidQuadratic{};
    }
    const auto* begun = std::get_if<Start>(&start);
    const auto roots = begun ? RootsOf(begun->coefficients, separator) : EvaluationFailed{};
    if (std::holds_alternative<NoRealRoots>(roots)) {
        return NoRealRoots{};
    }
    const auto* raw = std::get_if<RawRoots>(&roots);
    // The minus root is rounded first; either failing fails the whole solve.
    const std::optional<double> minus =
        raw ? RoundToAccuracy(raw->minus, begun->factor) : std::nullopt;
    const std::optional<double> plus =
        minus ? RoundToAccuracy(raw->plus, begun->factor) : std::nullopt;
    if (!plus) {
        return EvaluationFailed{};
    }
    return Roots{NumberToText(*plus, separator), NumberToText(*minus, separator)};
}

ValueOutcome ValueOfYAtX(std::u16string_view equation, std::u16string_view x,
                         std::u16string_view accuracy, char16_t separator) {
    const auto start = StartCommand(equation, accuracy);
    if (std::holds_alternative<InvalidQuadratic>(start)) {
        return InvalidQuadratic{};
    }
    const auto* begun = std::get_if<Start>(&start);
    const std::optional<double> xValue = begun ? TextToNumber(x, separator) : std::nullopt;
    const std::optional<double> y =
        xValue ? ValueAt(begun->coefficients, *xValue, separator) : std::nullopt;
    const std::optional<double> rounded = y ? RoundToAccuracy(*y, begun->factor) : std::nullopt;
    if (!rounded) {
        return EvaluationFailed{};
    }
    return ValueFound{NumberToText(*rounded, separator)};
}

} // namespace veltrix
