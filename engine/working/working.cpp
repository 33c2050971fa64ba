#include "engine/working/working.hpp"

#include "engine/working/bounded_lines.hpp"
#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/calculate_lines.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact_working.hpp"
#include "engine/working/working_sketch.hpp"
#include "engine/working/written_lines.hpp"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <utility>

namespace veltrix {
namespace {

// Places enough that a fraction's decimal, cut there, rounds as the fraction does at any accuracy
// the working shows: a value the sketch labels stays further from a rounding boundary than one
// over its denominator, which has at most about four times kMaxExactDigits digits.
constexpr unsigned long kCutPlaces = 4 * kMaxExactDigits;

// The decimal of a rational cut after kCutPlaces places (toward 0), for one that does not end.
mpq_class Cut(const mpq_class& value) {
    if (EndsAsDecimal(value)) {
        return value;
    }
    const mpz_class scale = PowerOfTen(kCutPlaces);
    mpq_class cut(mpz_class(value.get_num() * scale / value.get_den()), scale);
    cut.canonicalize();
    return cut;
}

// A rational as the parts of the decimal that writes it, with its digits kept; one that does not
// end (1/3, from a fraction typed) cut after kCutPlaces places, for the sketch's values.
struct DecimalOf {
    explicit DecimalOf(const mpq_class& value) : scaled(ScaledDigitsOf(Cut(value))) {}
    DecimalParts Parts() const { return {scaled.negative, scaled.digits, {}, scaled.exponent}; }
    ScaledDigits scaled;
};

// A working, and the signs of its coefficients; and where the text has brackets or fractions,
// the quadratic they multiply out to.
struct SignedWorking {
    SketchedWorking worked;
    std::array<int, 3> signs{};
    std::optional<ExactQuadratic> expandedTo = std::nullopt;
};

// The school chosen; the general one for an id that names none.
const School& SchoolOf(const WorkingChoice& choice) {
    const School* school = SchoolNamed(choice.school);
    return school != nullptr ? *school : GeneralSchool();
}

std::array<int, 3> SignsOf(const BoundedWorking& bounded) {
    const auto& [a, b, c] = bounded.coefficients;
    return {a.sign, b.sign, c.sign};
}

SignedWorking ExactWorking(const ExactQuadratic& q, unsigned places, char16_t sep,
                           const ExactMethod& method) {
    Working working = WorkOut(q, places, sep, method);
    const DecimalOf a(q.a), b(q.b), c(q.c);
    const BoundedWorking bounded = WorkOutBounded({a.Parts(), b.Parts(), c.Parts()}, places, sep);
    SketchInput sketch =
        steps::SketchOf(bounded, steps::ExactRootLabels(working, q), *method.school, sep);
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

// A method other than the formula needs exact values for its lines: where the coefficients of a
// quadratic are too long for them, a line says so after the Equation line, and the formula's
// working follows. A line (a = 0) has no method to choose.
Working BoundedMethodLines(const BoundedWorking& bounded, const WorkingChoice& choice,
                           char16_t sep) {
    Working working = steps::BoundedLines(bounded, sep);
    if (choice.method.value_or(WorkingMethod::Formula) != WorkingMethod::Formula &&
        std::holds_alternative<BoundedParabola>(bounded.curve)) {
        working.insert(working.begin() + 1, {WorkingStep::MethodNeedsExactValues, {}});
    }
    return working;
}

SignedWorking BoundedWorkingOf(const StudentEquation& equation, unsigned places, char16_t sep,
                               const WorkingChoice& choice) {
    std::array<std::optional<DecimalOf>, 3> sums;
    const std::optional<DecimalParts> a = OneNumber(equation.a, sums[0]);
    const std::optional<DecimalParts> b = OneNumber(equation.b, sums[1]);
    const std::optional<DecimalParts> c = OneNumber(equation.c, sums[2]);
    if (!a || !b || !c) {
        return {{TermsTooLongToAdd{}, std::nullopt}};
    }
    const BoundedWorking bounded = WorkOutBounded({*a, *b, *c}, places, sep);
    return {{BoundedMethodLines(bounded, choice, sep),
             steps::SketchOf(bounded, {}, SchoolOf(choice), sep)},
            SignsOf(bounded)};
}

// The written equation's lines put in: those before the Equation line, its equation, and the
// line about a function's zeros after it.
void AddWrittenLines(Working& working, steps::WrittenWorking written) {
    if (written.equation) {
        working.front().formulas.front() = std::move(*written.equation);
    }
    if (written.zeros) {
        working.insert(working.begin() + 1, std::move(*written.zeros));
    }
    working.insert(working.begin(), std::make_move_iterator(written.before.begin()),
                   std::make_move_iterator(written.before.end()));
}

// Whether the exercise's own lines have read its roots off a product or a square already.
bool GivenAtOnce(const steps::WrittenWorking& written) {
    return std::ranges::any_of(written.before, [](const WorkingLine& line) {
        return line.step == WorkingStep::ProductIsZero ||
               line.step == WorkingStep::SquareRootOfBothSides;
    });
}

SignedWorking WrittenWorkingOf(const StudentEquation& equation, const ExactQuadratic& q,
                               const ExpandedEquation* expanded, unsigned places, char16_t sep,
                               const WorkingChoice& choice) {
    steps::WrittenWorking written = steps::WrittenLines(equation.written, expanded, q, sep);
    SignedWorking result =
        ExactWorking(q, places, sep, {choice.method, GivenAtOnce(written), &SchoolOf(choice)});
    AddWrittenLines(std::get<Working>(result.worked.outcome), std::move(written));
    return result;
}

SignedWorking WorkOutRead(const StudentEquation& equation, unsigned places, char16_t sep,
                          const WorkingChoice& choice) {
    const bool shown =
        equation.written.whole && equation.written.nodes.size() <= steps::kMaxShownNodes;
    if (!equation.written.plain) {
        const auto expanded = ExpandWritten(equation.written, sep, shown);
        const auto* e = std::get_if<ExpandedEquation>(&expanded);
        if (e == nullptr) {
            return {{TermsTooLongToAdd{}, std::nullopt}};
        }
        SignedWorking result =
            WrittenWorkingOf(equation, e->standard, shown ? e : nullptr, places, sep, choice);
        result.expandedTo = e->standard;
        return result;
    }
    const auto exact = ExactStudentQuadratic(equation);
    if (const auto* quadratic = std::get_if<ExactQuadratic>(&exact)) {
        if (!shown) {
            return WrittenWorkingOf(equation, *quadratic, nullptr, places, sep, choice);
        }
        const auto expanded = ExpandWritten(equation.written, sep);
        return WrittenWorkingOf(equation, *quadratic, std::get_if<ExpandedEquation>(&expanded),
                                places, sep, choice);
    }
    return BoundedWorkingOf(equation, places, sep, choice);
}

// How Calculate reads a text with brackets or fractions: the Calculate line of the plain text
// of the quadratic it multiplies out to, where its coefficients end as decimals.
std::optional<WorkingLine> CalculateLineOfExpanded(std::u16string_view text,
                                                   const ExactQuadratic& q,
                                                   const std::array<int, 3>& signs, char16_t sep) {
    if (!EndsAsDecimal(q.a) || !EndsAsDecimal(q.b) || !EndsAsDecimal(q.c)) {
        return steps::CalculateReadingLine(text, sep);
    }
    const DecimalOf a(q.a), b(q.b), c(q.c);
    StudentEquation plain;
    plain.a = {a.Parts()};
    plain.b = {b.Parts()};
    plain.c = {c.Parts()};
    return steps::CalculateLine(text, plain, signs, sep);
}

} // namespace

SketchedWorking WorkOutWithSketch(std::u16string_view equation, unsigned places, char16_t separator,
                                  const WorkingChoice& choice) {
    const StudentReadOutcome read = ReadStudentEquation(equation, separator);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return {UnreadableText{*refusal, steps::CalculateReadingLine(equation, separator)},
                std::nullopt};
    }
    const auto& student = std::get<StudentEquation>(read);
    SignedWorking result = WorkOutRead(student, places, separator, choice);
    if (auto* working = std::get_if<Working>(&result.worked.outcome)) {
        std::optional<WorkingLine> calculate =
            result.expandedTo
                ? CalculateLineOfExpanded(equation, *result.expandedTo, result.signs, separator)
                : steps::CalculateLine(equation, student, result.signs, separator);
        // After the working, as a hint for the other windows: the working is what the student
        // reads first, and what a copy of its LaTeX takes.
        if (calculate) {
            working->push_back(std::move(*calculate));
        }
    }
    return std::move(result.worked);
}

WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator,
                       const WorkingChoice& choice) {
    return WorkOutWithSketch(equation, places, separator, choice).outcome;
}

} // namespace veltrix
