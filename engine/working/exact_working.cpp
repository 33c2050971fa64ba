#include "engine/working/exact_working.hpp"

#include "engine/working/exact/rounded.hpp"
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

WorkingLine DiscriminantLine(const ExactQuadratic& q, char16_t sep) {
    const Formula fourAC{Product{{Text(u"4"), Factor(q.a, sep), Factor(q.c, sep)}, true}};
    const Formula substituted = SumOf(Squared(Factor(q.b, sep)), {{Sign::Minus, fourAC}});
    return {WorkingStep::Discriminant,
            {Formula{Chain{GeneralDiscriminant(),
                           {{Relation::Equals, substituted},
                            {Relation::Equals, Value(Discriminant(q), sep)}}}}}};
}

// √d times q, d not a square: √31, 5√2, i√3, 2i√3.
Formula Radical(const mpz_class& q, const mpz_class& d) {
    std::vector<Part> factors;
    if (q != 1) {
        factors.push_back(Whole(q));
    }
    if (d < 0) {
        factors.push_back(Formula{ImaginaryUnit{}});
    }
    factors.push_back(Formula{SquareRoot{Whole(abs(d))}});
    return factors.size() == 1 ? *factors.front() : Formula{Product{std::move(factors)}};
}

// (p ± q√d)/r as simply as it is written: 1 ± √2, ±√3, (-3 ± 5√2)/4, ±i√3/2.
Formula SurdForm(const ExactRoots& roots) {
    const Formula radical = Radical(roots.q, roots.d);
    if (roots.p == 0) {
        return SumOf(roots.r == 1 ? radical : Formula{Fraction{radical, Whole(roots.r)}}, {},
                     Sign::PlusMinus);
    }
    const Formula numerator = SumOf(Whole(roots.p), {{Sign::PlusMinus, radical}});
    return roots.r == 1 ? numerator : Formula{Fraction{numerator, Whole(roots.r)}};
}

// n/d in lowest terms, as GMP's arithmetic on rationals needs them.
mpq_class Ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class ratio(n, d);
    ratio.canonicalize();
    return ratio;
}

// Complex roots whose parts are rational, p/r ± (q/r)i: -1 ± 0.1i, 1/3 ± (1/3)i, ±2i.
Formula RationalComplexRoots(const ExactRoots& roots, char16_t sep) {
    const Formula imaginary = TimesI(Value(Ratio(roots.q, roots.r), sep));
    if (roots.p == 0) {
        return SumOf(imaginary, {}, Sign::PlusMinus);
    }
    return SumOf(Value(Ratio(roots.p, roots.r), sep), {{Sign::PlusMinus, imaginary}});
}

// The two rational roots, the one Calculate shows first first.
std::pair<mpq_class, mpq_class> RationalRoots(const ExactRoots& roots) {
    const mpz_class signedQ = roots.plusSign * roots.q;
    return {Ratio(roots.p + signedQ, roots.r), Ratio(roots.p - signedQ, roots.r)};
}

mpq_class DoubleRoot(const ExactRoots& roots) {
    return Ratio(roots.p, roots.r);
}

WorkingLine RootsLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    // A discriminant that is a square has its root taken at once: (5 ± 1)/2, not (5 ± √1)/2.
    const mpq_class discriminant = Discriminant(q);
    const Formula root = discriminant < 0 ? Formula{SquareRoot{Value(discriminant, sep)}}
                                          : SquareRootOf(discriminant, sep);
    const Formula substituted{
        Fraction{SumOf(Value(mpq_class(-q.b), sep), {{Sign::PlusMinus, root}}),
                 Value(mpq_class(2 * q.a), sep)}};
    std::vector<Link> chain = {{Relation::Equals, QuadraticFormula()},
                               {Relation::Equals, substituted}};
    const auto written = [&chain](Formula result) {
        chain.push_back({Relation::Equals, std::move(result)});
        return Formula{Chain{Letter(u'x'), chain}};
    };
    if (roots.d == 0) {
        return {WorkingStep::DoubleRoot, {written(Value(DoubleRoot(roots), sep))}};
    }
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {WorkingStep::TwoRoots,
                {written(Value(plus, sep)), Equals(Letter(u'x'), Value(minus, sep))}};
    }
    const Formula simplest = roots.d == -1 ? RationalComplexRoots(roots, sep) : SurdForm(roots);
    const WorkingStep step = roots.d < 0 ? WorkingStep::ComplexRoots : WorkingStep::Roots;
    if (simplest == substituted) {
        return {step, {Formula{Chain{Letter(u'x'), chain}}}};
    }
    return {step, {written(simplest)}};
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

// a(x − r₁)(x − r₂) with whole numbers in its brackets, k(q₁x − p₁)(q₂x − p₂) for the roots
// p/q: k = a/(q₁q₂), so that 6(x − 0.5)(x + 2/3) reads (2x − 1)(3x + 2).
// The factors of the rational roots, a root of 0 first as the factor x (2x(x − 3)): (qx − p) for
// each root p/q, as a textbook factors, where a/(q₁q₂) before them is whole ((2x − 1)(3x + 2),
// -(3x + 2)(2x − 1)); (x − p/q) otherwise, with a before them ((x − 2.5)², 0.5(x − 1.5)(x + 4)).
WorkingLine FactoredFormLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    std::vector<mpq_class> rational;
    if (roots.d == 0) {
        rational = {DoubleRoot(roots)};
    } else {
        const auto [plus, minus] = RationalRoots(roots);
        rational =
            minus == 0 ? std::vector<mpq_class>{minus, plus} : std::vector<mpq_class>{plus, minus};
    }
    mpq_class k = q.a;
    for (const mpq_class& root : rational) {
        k /= roots.d == 0 ? root.get_den() * root.get_den() : mpz_class(root.get_den());
    }
    const bool whole = k.get_den() == 1;
    std::vector<Part> factors;
    for (const mpq_class& root : rational) {
        const Formula factor = whole ? RootFactor(root) : Shifted(root, sep);
        factors.push_back(roots.d == 0 ? Squared(factor) : factor);
    }
    return {WorkingStep::FactoredForm,
            {Equals(Letter(u'y'), Times(whole ? k : q.a, std::move(factors), sep))}};
}

void AddQuadraticSteps(Working& working, const ExactQuadratic& q, unsigned places, char16_t sep) {
    working.push_back(DiscriminantLine(q, sep));
    const ExactRoots roots = SolveExactly(q);
    working.push_back(RootsLine(q, roots, sep));
    for (WorkingLine& line : RoundedRoots(roots, places, sep)) {
        working.push_back(std::move(line));
    }
    const mpq_class h = -q.b / (2 * q.a);
    const mpq_class k = q.c - q.b * q.b / (4 * q.a);
    working.push_back(
        {q.a > 0 ? WorkingStep::Minimum : WorkingStep::Maximum,
         {Point(Value(h, sep), Value(k, sep), sep), Equals(Letter(u'x'), Value(h, sep))}});
    working.push_back({WorkingStep::CrossesYAxis, {Point(Text(u"0"), Value(q.c, sep), sep)}});
    working.push_back(VertexFormLine(q, h, k, sep));
    if (roots.d == 0 || roots.d == 1) {
        working.push_back(FactoredFormLine(q, roots, sep));
    }
}

void AddLineSteps(Working& working, const ExactQuadratic& q, unsigned places, char16_t sep) {
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
    working.push_back({WorkingStep::CrossesYAxis, {Point(Text(u"0"), Value(q.c, sep), sep)}});
}

Working ExactSteps(const ExactQuadratic& q, unsigned places, char16_t sep) {
    Working working{EquationLine(q, sep)};
    if (q.a == 0) {
        AddLineSteps(working, q, places, sep);
    } else {
        AddQuadraticSteps(working, q, places, sep);
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

Working WorkOut(const ExactQuadratic& quadratic, unsigned places, char16_t separator) {
    return steps::ExactSteps(quadratic, places, separator);
}

} // namespace veltrix
