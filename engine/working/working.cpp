#include "engine/working/working.hpp"

#include "engine/working/bounded_lines.hpp"
#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/calculate_lines.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact_working.hpp"
#include "engine/working/working_sketch.hpp"

#include <array>
#include <optional>
#include <utility>

namespace veltrix {
namespace {

// A terminating rational as the parts of the decimal that writes it, with its digits kept.
struct DecimalOf {
    explicit DecimalOf(const mpq_class& value) : scaled(ScaledDigitsOf(value)) {}
    DecimalParts Parts() const { return {scaled.negative, scaled.digits, {}, scaled.exponent}; }
    ScaledDigits scaled;
};

// A working, and the signs of its coefficients.
struct SignedWorking {
    SketchedWorking worked;
    std::array<int, 3> signs{};
};

std::array<int, 3> SignsOf(const BoundedWorking& bounded) {
    const auto& [a, b, c] = bounded.coefficients;
    return {a.sign, b.sign, c.sign};
}

SignedWorking ExactWorking(const ExactQuadratic& q, unsigned places, char16_t sep) {
    Working working = WorkOut(q, places, sep);
    const DecimalOf a(q.a), b(q.b), c(q.c);
    const BoundedWorking bounded = WorkOutBounded({a.Parts(), b.Parts(), c.Parts()}, places, sep);
    SketchInput sketch = steps::SketchOf(bounded, steps::ExactRootLabels(working, q), sep);
    return {{std::move(working), std::move(sketch)}, SignsOf(bounded)};
}

// The one number of a coefficient's terms, for the bounded working: its only term, or their
// exact sum where each term fits an exact value; nothing otherwise.
std::optional<DecimalParts> OneNumber(const std::vector<DecimalParts>& terms,
                                      std::optional<DecimalOf>& sum) {
    if (terms.empty()) {
        return DecimalParts{false, u"0", {}, 0};
    }
    if (terms.size() == 1) {
        return terms.front();
    }
    ExactOutcome exact = ExactSum(terms);
    if (const auto* value = std::get_if<mpq_class>(&exact)) {
        sum.emplace(*value);
        return sum->Parts();
    }
    return std::nullopt;
}

SignedWorking BoundedWorkingOf(const StudentEquation& equation, unsigned places, char16_t sep) {
    std::array<std::optional<DecimalOf>, 3> sums;
    const std::optional<DecimalParts> a = OneNumber(equation.a, sums[0]);
    const std::optional<DecimalParts> b = OneNumber(equation.b, sums[1]);
    const std::optional<DecimalParts> c = OneNumber(equation.c, sums[2]);
    if (!a || !b || !c) {
        return {{TermsTooLongToAdd{}, std::nullopt}};
    }
    const BoundedWorking bounded = WorkOutBounded({*a, *b, *c}, places, sep);
    return {{steps::BoundedLines(bounded, sep), steps::SketchOf(bounded, {}, sep)},
            SignsOf(bounded)};
}

SignedWorking WorkOutRead(const StudentEquation& equation, unsigned places, char16_t sep) {
    const auto exact = ExactStudentQuadratic(equation);
    if (const auto* quadratic = std::get_if<ExactQuadratic>(&exact)) {
        return ExactWorking(*quadratic, places, sep);
    }
    return BoundedWorkingOf(equation, places, sep);
}

} // namespace

SketchedWorking WorkOutWithSketch(std::u16string_view equation, unsigned places,
                                  char16_t separator) {
    const StudentReadOutcome read = ReadStudentEquation(equation, separator);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return {UnreadableText{*refusal, steps::CalculateReadingLine(equation, separator)},
                std::nullopt};
    }
    const auto& student = std::get<StudentEquation>(read);
    SignedWorking result = WorkOutRead(student, places, separator);
    if (auto* working = std::get_if<Working>(&result.worked.outcome)) {
        if (std::optional<WorkingLine> calculate =
                steps::CalculateLine(equation, student, result.signs, separator)) {
            working->insert(working->begin(), std::move(*calculate));
        }
    }
    return std::move(result.worked);
}

WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator) {
    return WorkOutWithSketch(equation, places, separator).outcome;
}

} // namespace veltrix
