#include "engine/working/exact_working.hpp"

#include "engine/working/exact/rounded.hpp"
#include "engine/working/method_lines.hpp"
#include "engine/working/school_notation.hpp"
#include "engine/working/working_formulas.hpp"

#include <utility>

namespace veltrix::steps {
namespace {

using namespace math;

WorkingLine EquationLine(const ExactQuadratic& q, char16_t sep) {
    return {WorkingStep::Equation,
            {EquationOf(CoefficientOf(q.a, sep), CoefficientOf(q.b, sep), CoefficientOf(q.c, sep)),
             CoefficientList(Value(q.a, sep), Value(q.b, sep), Value(q.c, sep), sep)}};
}

// x ≈ the rounded value, or x = it where rounding has left the root as it is.
Formula RoundedRoot(const RoundedValue& root) {
    return RoundedX(Text(root.text), root.exact);
}

std::vector<WorkingLine> RoundedRoots(const ExactRoots& roots, unsigned places, char16_t sep) {
    if (roots.d == 0) {
        return {{WorkingStep::RoundedRoot,
                 {RoundedRoot(RoundRational(DoubleRoot(roots), places, sep))}}};
    }
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {{WorkingStep::RoundedRoots,
                 {RoundedRoot(RoundRational(plus, places, sep)),
                  RoundedRoot(RoundRational(minus, places, sep))}}};
    }
    if (roots.d > 0) {
        const auto rounded = [&](const mpz_class& t) {
            return RoundedRoot(RoundSurd(roots.p, t, roots.d, roots.r, places, sep));
        };
        // The + of (p ± q√d)/r first, as the exact line writes them.
        return {{WorkingStep::RoundedRoots, {rounded(roots.q), rounded(-roots.q)}}};
    }
    // The real part is written even where it is 0, so that the roots never read as a real one.
    const RoundedComplexPair pair = RoundComplexPair(roots, places, sep);
    std::vector<WorkingLine> lines = {
        {WorkingStep::RoundedRoot,
         {RoundedX(ComplexPair(Text(pair.real), Text(pair.imaginary)), pair.exact)}}};
    if (pair.imaginaryRoundsToZero) {
        lines.push_back({WorkingStep::ImaginaryPartRoundsToZero, {}});
    }
    return lines;
}

WorkingLine VertexFormLine(const ExactQuadratic& q, const mpq_class& h, const mpq_class& k,
                           char16_t sep) {
    std::vector<Term> constant;
    if (k != 0) {
        constant.push_back({k < 0 ? Sign::Minus : Sign::Plus, Value(mpq_class(abs(k)), sep)});
    }
    const Formula form = SumOf(Times(q.a, {Squared(Shifted(h, sep))}, sep), std::move(constant));
    return {WorkingStep::VertexForm, {Equals(Letter(u'y'), form)}};
}

// The turning point, and its axis; as the completed square gives it where the method has
// completed the square.
WorkingLine TurningPointLine(const ExactQuadratic& q, const mpq_class& h, const mpq_class& k,
                             WorkingMethod method, const School& school, char16_t sep) {
    const bool fromSquare = method == WorkingMethod::Square;
    const WorkingStep minimum = fromSquare ? WorkingStep::MinimumFromSquare : WorkingStep::Minimum;
    const WorkingStep maximum = fromSquare ? WorkingStep::MaximumFromSquare : WorkingStep::Maximum;
    return {q.a > 0 ? minimum : maximum,
            {TurningPoint(school, Value(h, sep), Value(k, sep), sep),
             Equals(Letter(u'x'), Value(h, sep))}};
}

// The rounded roots named as the roots' line names them, in its order: where that line names
// first the root the rounded line writes second, the two change places.
void NameRoundedRoots(std::vector<WorkingLine>& rounded, const std::vector<WorkingLine>& lines,
                      const ExactRoots& roots, const School& school, char16_t sep) {
    if (!NamesEachRoot(school) || rounded.front().step != WorkingStep::RoundedRoots) {
        for (WorkingLine& line : rounded) {
            if (line.step == WorkingStep::RoundedRoot) {
                Formula& root = line.formulas.front();
                root = Called(RootNameOf(school, roots.d == 0 ? RootName::Double : RootName::Both),
                              std::get<Chain>(root.node).rest);
            }
        }
        return;
    }
    const Formula second = roots.d == 1 ? Value(RationalRoots(roots).second, sep)
                                        : WithSign(SimplestRoots(roots, sep), -1);
    const auto named = std::ranges::find_if(lines, [](const WorkingLine& line) {
        return line.step == WorkingStep::RootsEach || line.step == WorkingStep::RootsThenEach ||
               line.step == WorkingStep::ProductIsZero;
    });
    if (named != lines.end()) {
        const Formula& first = named->formulas[named->step == WorkingStep::RootsThenEach ? 1 : 0];
        if (*std::get<Chain>(first.node).rest.back().side == second) {
            std::swap(rounded.front().formulas[0], rounded.front().formulas[1]);
        }
    }
    std::get<Chain>(rounded.front().formulas[0].node).first = RootNameOf(school, RootName::First);
    std::get<Chain>(rounded.front().formulas[1].node).first = RootNameOf(school, RootName::Second);
}

// The method chosen, or where none is, the school's for this equation.
WorkingMethod MethodFor(const ExactQuadratic& q, const ExactMethod& method) {
    if (method.method) {
        return *method.method;
    }
    return SchoolMethod(*method.school, {method.givenAtOnce, q.a == 1, HalvesShort(q.b)});
}

void AddQuadraticSteps(Working& working, const ExactQuadratic& q, unsigned places,
                       const ExactMethod& chosen, char16_t sep) {
    const ExactRoots roots = SolveExactly(q);
    const WorkingMethod method = MethodFor(q, chosen);
    const School& school = *chosen.school;
    const MethodInput input{q, roots, chosen.givenAtOnce, sep, school};
    std::vector<WorkingLine> lines = MethodLines(method, input);
    std::vector<WorkingLine> rounded = RoundedRoots(roots, places, sep);
    NameRoundedRoots(rounded, lines, roots, school, sep);
    lines.push_back(VietaLine(q, roots, sep));
    lines.insert(lines.end(), rounded.begin(), rounded.end());
    if (std::optional<WorkingLine> answer = AnswerLine(input)) {
        lines.push_back(std::move(*answer));
    }
    working.insert(working.end(), std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));
    const mpq_class h = -q.b / (2 * q.a);
    const mpq_class k = q.c - q.b * q.b / (4 * q.a);
    working.push_back(TurningPointLine(q, h, k, method, school, sep));
    working.push_back(
        {WorkingStep::CrossesYAxis, {SchoolPoint(school, Text(u"0"), Value(q.c, sep), sep)}});
    working.push_back(VertexFormLine(q, h, k, sep));
    if (AreRational(roots)) {
        working.push_back(
            {WorkingStep::FactoredForm, {Equals(Letter(u'y'), FactoredProduct(q, roots, sep))}});
    }
}

void AddLineSteps(Working& working, const ExactQuadratic& q, unsigned places, const School& school,
                  char16_t sep) {
    working.push_back(NotAQuadraticLine());
    if (q.b != 0) {
        const mpq_class root = -q.c / q.b;
        working.push_back(LineRootLine(Value(root, sep), Relation::Equals));
        working.push_back(
            {WorkingStep::RoundedRoot, {RoundedRoot(RoundRational(root, places, sep))}});
    } else {
        working.push_back(
            {q.c == 0 ? WorkingStep::EveryXIsARoot : WorkingStep::LineWithoutRoot, {}});
    }
    working.push_back(
        {WorkingStep::CrossesYAxis, {SchoolPoint(school, Text(u"0"), Value(q.c, sep), sep)}});
}

Working ExactSteps(const ExactQuadratic& q, unsigned places, const ExactMethod& method,
                   char16_t sep) {
    Working working{EquationLine(q, sep)};
    if (q.a == 0) {
        AddLineSteps(working, q, places, *method.school, sep);
    } else {
        AddQuadraticSteps(working, q, places, method, sep);
    }
    return working;
}

} // namespace
} // namespace veltrix::steps

namespace veltrix {

std::vector<WorkingLine> RoundedRootLines(const ExactRoots& roots, unsigned places,
                                          char16_t separator) {
    return steps::RoundedRoots(roots, places, separator);
}

Working WorkOut(const ExactQuadratic& quadratic, unsigned places, char16_t separator,
                const ExactMethod& method) {
    return steps::ExactSteps(quadratic, places, method, separator);
}

} // namespace veltrix
