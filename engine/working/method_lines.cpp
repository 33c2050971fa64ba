#include "engine/working/method_lines.hpp"

#include "engine/working/exact/rationals.hpp"
#include "engine/working/working_formulas.hpp"

#include <algorithm>
#include <optional>

namespace veltrix::steps {
namespace {

using namespace math;

const Formula kZero = Text(u"0");

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

// Complex roots whose parts are rational, p/r ± (q/r)i: -1 ± 0.1i, 1/3 ± (1/3)i, ±2i.
Formula RationalComplexRoots(const ExactRoots& roots, char16_t sep) {
    const Formula imaginary = TimesI(Value(Ratio(roots.q, roots.r), sep));
    if (roots.p == 0) {
        return SumOf(imaginary, {}, Sign::PlusMinus);
    }
    return SumOf(Value(Ratio(roots.p, roots.r), sep), {{Sign::PlusMinus, imaginary}});
}

// √k for a rational k of either sign: 2, √0.31, 2i, i√3 (a root of a negative number as the
// roots' lines write it, never √ of a negative number).
Formula RootOfEitherSign(const mpq_class& k, char16_t sep) {
    if (k >= 0) {
        return SquareRootOf(k, sep);
    }
    const Formula root = SquareRootOf(-k, sep);
    if (std::holds_alternative<SquareRoot>(root.node)) {
        return {Product{{Formula{ImaginaryUnit{}}, root}}};
    }
    return TimesI(root);
}

// A discriminant's root as the formula's line writes it with the numbers put in: taken where
// it is a square ((5 ± 1)/2), left under the sign otherwise (√124, √(-16)).
Formula DiscriminantRoot(const mpq_class& discriminant, char16_t sep) {
    return discriminant < 0 ? Formula{SquareRoot{Value(discriminant, sep)}}
                            : SquareRootOf(discriminant, sep);
}

// x = the chain's sides = the roots in their simplest form, left out where the chain ends with
// it already; the step says how many roots and of which kind.
WorkingLine RootsLine(std::vector<Link> chain, const ExactRoots& roots, char16_t sep) {
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
    if (!chain.empty() && *chain.back().side == simplest) {
        return {step, {Formula{Chain{Letter(u'x'), chain}}}};
    }
    return {step, {written(simplest)}};
}

WorkingLine DiscriminantLine(const ExactQuadratic& q, char16_t sep) {
    const Formula fourAC{Product{{Text(u"4"), Factor(q.a, sep), Factor(q.c, sep)}, true}};
    const Formula substituted = SumOf(Squared(Factor(q.b, sep)), {{Sign::Minus, fourAC}});
    return {WorkingStep::Discriminant,
            {Formula{Chain{GeneralDiscriminant(),
                           {{Relation::Equals, substituted},
                            {Relation::Equals, Value(Discriminant(q), sep)}}}}}};
}

// ---- The formula: the discriminant, then x = (−b ± √(b² − 4ac))/(2a).

std::vector<WorkingLine> FormulaLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const Formula substituted{
        Fraction{SumOf(Value(mpq_class(-q.b), sep),
                       {{Sign::PlusMinus, DiscriminantRoot(Discriminant(q), sep)}}),
                 Value(mpq_class(2 * q.a), sep)}};
    return {DiscriminantLine(q, sep),
            RootsLine({{Relation::Equals, QuadraticFormula()}, {Relation::Equals, substituted}},
                      roots, sep)};
}

// x² + px + q with p and q the equation's b and c divided by a.
Formula Monic(const mpq_class& p, const mpq_class& q, char16_t sep) {
    return PolynomialOf(CoefficientOf(1, sep), CoefficientOf(p, sep), CoefficientOf(q, sep));
}

// Both sides divided by a, where a is not 1: x² + (b/a)x + c/a = 0.
void AddDivisionByA(std::vector<WorkingLine>& lines, const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    if (q.a != 1) {
        lines.push_back({WorkingStep::DivideBothSides,
                         {Value(q.a, sep), Equals(Monic(q.b / q.a, q.c / q.a, sep), kZero)}});
    }
}

// ---- Completing the square: x² + px = −q, then (x + p/2)² = (p/2)² − q, then the root.

void AddSquareCompleted(std::vector<WorkingLine>& lines, const mpq_class& p, const mpq_class& q,
                        char16_t sep) {
    const Formula xSquaredPlusPx = Monic(p, 0, sep);
    if (q != 0) {
        lines.push_back({WorkingStep::ConstantToRight, {Equals(xSquaredPlusPx, Value(-q, sep))}});
    }
    if (p == 0) {
        return; // x² = −q is a square already
    }
    const mpq_class half = p / 2;
    const Formula added = Squared(Factor(half, sep));
    const Formula right = q == 0 ? added : SumOf(Value(-q, sep), {{Sign::Plus, added}});
    lines.push_back({WorkingStep::AddToBothSides,
                     {added, Equals(SumOf(xSquaredPlusPx, {{Sign::Plus, added}}), right)}});
    lines.push_back({WorkingStep::LeftSideAsSquare,
                     {Equals(Squared(Shifted(-half, sep)), Value(half * half - q, sep))}});
}

std::vector<WorkingLine> SquareLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    std::vector<WorkingLine> lines;
    AddDivisionByA(lines, in);
    const mpq_class p = q.b / q.a, c = q.c / q.a;
    AddSquareCompleted(lines, p, c, sep);
    const mpq_class h = -p / 2, k = h * h - c;
    if (h == 0 && k == 0) {
        lines.push_back(RootsLine({}, roots, sep)); // x² = 0
        return lines;
    }
    const Formula root = RootOfEitherSign(k, sep);
    lines.push_back({WorkingStep::SquareRootOfBothSides,
                     {Equals(XMinus(h, sep), k == 0 ? kZero : SumOf(root, {}, Sign::PlusMinus))}});
    // x = h ± √k, where h is not 0: the line before has said x = ±√k already.
    std::vector<Link> chain;
    if (k != 0 && h != 0) {
        chain.push_back({Relation::Equals, SumOf(Value(h, sep), {{Sign::PlusMinus, root}})});
    }
    lines.push_back(RootsLine(std::move(chain), roots, sep));
    return lines;
}

// ---- Factoring, where the roots are rational.

bool RationalRootsOf(const MethodInput& in) {
    return AreRational(in.roots);
}

Formula IsZero(Formula side) {
    return Equals(std::move(side), kZero);
}

WorkingLine ProductLine(const mpq_class& first, const mpq_class& second, char16_t sep) {
    return {WorkingStep::ProductIsZero,
            {Equals(Letter(u'x'), Value(first, sep)), Equals(Letter(u'x'), Value(second, sep))}};
}

// g·x·bracket or g·bracket, g left out where it is ±1 and its sign before the term.
SignedTerm GroupTerm(const mpz_class& g, bool withX, const Formula& bracket) {
    std::vector<Part> factors;
    if (abs(g) != 1) {
        factors.push_back(Whole(abs(g)));
    }
    if (withX) {
        factors.push_back(Letter(u'x'));
    }
    factors.push_back(bracket);
    return {g < 0, Formula{Product{std::move(factors)}}};
}

SignedTerm WholeTerm(const mpz_class& n, bool withX) {
    const Formula magnitude = Whole(abs(n));
    if (!withX) {
        return {n < 0, magnitude};
    }
    return {n < 0, abs(n) == 1 ? Letter(u'x') : Formula{Product{{magnitude, Letter(u'x')}}}};
}

mpz_class CommonDenominator(const ExactQuadratic& q) {
    mpz_class l = q.a.get_den();
    for (const mpq_class* v : {&q.b, &q.c}) {
        mpz_lcm(l.get_mpz_t(), l.get_mpz_t(), v->get_den_mpz_t());
    }
    return l;
}

// The ac method on whole coefficients A, B, C with the roots r₁ = p₁/q₁ and r₂ = p₂/q₂:
// A = kq₁q₂ and C = kp₁p₂, so B splits into m = −kq₁p₂ and n = −kp₁q₂, whose product is AC, and
// Ax² + mx + nx + C = kq₁x(q₂x − p₂) − kp₁(q₂x − p₂).
void AddSplitAndGrouping(std::vector<WorkingLine>& lines, const ExactQuadratic& whole,
                         const ExactRoots& roots, char16_t sep) {
    const auto [r1, r2] = RationalRoots(roots);
    const mpz_class A = whole.a.get_num(), B = whole.b.get_num(), C = whole.c.get_num();
    const mpz_class k = A / (r1.get_den() * r2.get_den());
    const mpz_class m = -k * r1.get_den() * r2.get_num(), n = -k * r1.get_num() * r2.get_den();
    lines.push_back(
        {WorkingStep::FactorSplitNumbers, {Whole(A * C), Whole(B), Whole(m), Whole(n)}});
    lines.push_back(
        {WorkingStep::FactorSplitMiddle,
         {IsZero(SignedSum({{A < 0, MonomialOf(CoefficientOf(A, sep), Squared(Letter(u'x')))},
                            WholeTerm(m, true),
                            WholeTerm(n, true),
                            WholeTerm(C, false)}))}});
    const Formula bracket = RootFactor(r2);
    lines.push_back({WorkingStep::FactorGrouping,
                     {IsZero(SignedSum({GroupTerm(k * r1.get_den(), true, bracket),
                                        GroupTerm(-k * r1.get_num(), false, bracket)}))}});
    lines.push_back({WorkingStep::FactorProduct, {IsZero(FactoredProduct(whole, roots, sep))}});
    lines.push_back(ProductLine(r1, r2, sep));
}

std::vector<WorkingLine> FactorLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    if (roots.d == 0) {
        return {{WorkingStep::FactorPerfectSquare, {IsZero(FactoredProduct(q, roots, sep))}},
                RootsLine({}, roots, sep)};
    }
    if (q.c == 0) {
        const Formula inner =
            PolynomialOf(CoefficientOf(0, sep), CoefficientOf(q.a, sep), CoefficientOf(q.b, sep));
        return {{WorkingStep::FactorTakeOutX,
                 {IsZero(Formula{Product{{Letter(u'x'), Formula{Group{inner}}}}})}},
                ProductLine(0, -q.b / q.a, sep)};
    }
    if (q.b == 0) {
        const auto [plus, minus] = RationalRoots(roots);
        return {{WorkingStep::FactorDifferenceOfSquares, {IsZero(FactoredProduct(q, roots, sep))}},
                ProductLine(plus, minus, sep)};
    }
    std::vector<WorkingLine> lines;
    const mpz_class l = CommonDenominator(q);
    const ExactQuadratic whole{q.a * l, q.b * l, q.c * l};
    if (l != 1) {
        lines.push_back({WorkingStep::MultiplyBothSides,
                         {Whole(l), IsZero(PolynomialOf(CoefficientOf(whole.a, sep),
                                                        CoefficientOf(whole.b, sep),
                                                        CoefficientOf(whole.c, sep)))}});
    }
    AddSplitAndGrouping(lines, whole, roots, sep);
    return lines;
}

// ---- The pq-formula: x² + px + q = 0, x = −p/2 ± √((p/2)² − q).

std::vector<WorkingLine> PqLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    std::vector<WorkingLine> lines;
    AddDivisionByA(lines, in);
    const mpq_class p = q.b / q.a, c = q.c / q.a, half = p / 2;
    lines.push_back(
        {WorkingStep::PqValues,
         {Formula{List{{Equals(Letter(u'p'), Value(p, sep)), Equals(Letter(u'q'), Value(c, sep))},
                       sep == u',' ? ListSeparator::Semicolon : ListSeparator::Comma}}}});
    const Formula halfP{Fraction{Letter(u'p'), Text(u"2")}};
    const Formula general =
        SumOf(halfP,
              {{Sign::PlusMinus, Formula{SquareRoot{SumOf(Squared(Formula{Group{halfP}}),
                                                          {{Sign::Minus, Letter(u'q')}})}}}},
              Sign::Minus);
    const Formula substituted =
        SumOf(Value(-half, sep),
              {{Sign::PlusMinus, Formula{SquareRoot{SumOf(Squared(Factor(half, sep)),
                                                          {{Sign::Minus, Factor(c, sep)}})}}}});
    const mpq_class under = half * half - c;
    const Formula root = DiscriminantRoot(under, sep);
    std::vector<Link> chain = {{Relation::Equals, general}, {Relation::Equals, substituted}};
    if (half != 0) {
        chain.push_back({Relation::Equals, SumOf(Value(-half, sep), {{Sign::PlusMinus, root}})});
    } else if (under != 0) {
        chain.push_back({Relation::Equals, SumOf(root, {}, Sign::PlusMinus)});
    }
    lines.push_back(RootsLine(std::move(chain), roots, sep));
    return lines;
}

// ---- The half-b formula: k = b/2, D/4 = k² − ac, x = (−k ± √(D/4))/a.

// The number of decimal places a decimal that ends takes: that of 2^x·5^y in its denominator.
unsigned long PlacesOf(const mpq_class& value) {
    mpz_class rest;
    const mpz_class two = 2, five = 5;
    const unsigned long twos = mpz_remove(rest.get_mpz_t(), value.get_den_mpz_t(), two.get_mpz_t());
    const unsigned long fives = mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), five.get_mpz_t());
    return std::max(twos, fives);
}

// b is even, or its half is as short as b: 0.6 halves to 0.3 and 2/3 to 1/3, where 3 and 0.5 do
// not halve to a number as short.
bool HalfIsShort(const MethodInput& in) {
    return HalvesShort(in.q.b);
}

} // namespace

bool HalvesShort(const mpq_class& b) {
    if (mpz_even_p(b.get_num_mpz_t())) {
        return true;
    }
    return b.get_den() != 1 && EndsAsDecimal(b) && PlacesOf(b / 2) <= PlacesOf(b);
}

namespace {

std::vector<WorkingLine> HalfBLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const mpq_class k = q.b / 2, quarter = k * k - q.a * q.c;
    const Formula letterK = Letter(u'k');
    const Formula quarterD{Fraction{Letter(u'D'), Text(u"4")}};
    const Formula ac{Product{{Factor(q.a, sep), Factor(q.c, sep)}, true}};
    WorkingLine values{
        WorkingStep::HalfBValues,
        {Formula{Chain{letterK,
                       {{Relation::Equals, Formula{Fraction{Letter(u'b'), Text(u"2")}}},
                        {Relation::Equals, Value(k, sep)}}}},
         Formula{Chain{quarterD,
                       {{Relation::Equals,
                         SumOf(Squared(letterK),
                               {{Sign::Minus, Formula{Product{{Letter(u'a'), Letter(u'c')}}}}})},
                        {Relation::Equals, SumOf(Squared(Factor(k, sep)), {{Sign::Minus, ac}})},
                        {Relation::Equals, Value(quarter, sep)}}}}}};
    const Formula general{
        Fraction{SumOf(letterK, {{Sign::PlusMinus, Formula{SquareRoot{quarterD}}}}, Sign::Minus),
                 Letter(u'a')}};
    const Formula numerator =
        SumOf(Value(-k, sep), {{Sign::PlusMinus, DiscriminantRoot(quarter, sep)}});
    const Formula substituted =
        q.a == 1 ? numerator : Formula{Fraction{numerator, Value(q.a, sep)}};
    return {std::move(values),
            RootsLine({{Relation::Equals, general}, {Relation::Equals, substituted}}, roots, sep)};
}

// ---- The roots at once, where the exercise's product or square has given them already.

std::vector<WorkingLine> AtOnceLines(const MethodInput& in) {
    return {RootsLine({}, in.roots, in.sep)};
}

bool Always(const MethodInput&) {
    return true;
}

bool GivenAtOnce(const MethodInput& in) {
    return in.givenAtOnce;
}

WorkingLine NeverAsked(const MethodInput&) {
    return {WorkingStep::Discriminant, {}};
}

WorkingLine NoRationalFactors(const MethodInput&) {
    return {WorkingStep::NoRationalFactors, {}};
}

WorkingLine OddB(const MethodInput& in) {
    return {WorkingStep::HalfBNeedsEvenB, {Equals(Letter(u'b'), Value(in.q.b, in.sep))}};
}

WorkingLine NotGivenAtOnce(const MethodInput&) {
    return {WorkingStep::AtOnceNeedsProductOrSquare, {}};
}

// One method: whether it applies, the line that says why where it does not, and its lines.
struct MethodStrategy {
    WorkingMethod method;
    bool (*applies)(const MethodInput&);
    WorkingLine (*whyNot)(const MethodInput&);
    std::vector<WorkingLine> (*lines)(const MethodInput&);
};

constexpr MethodStrategy kStrategies[] = {
    {WorkingMethod::Formula, Always, NeverAsked, FormulaLines},
    {WorkingMethod::Square, Always, NeverAsked, SquareLines},
    {WorkingMethod::Factor, RationalRootsOf, NoRationalFactors, FactorLines},
    {WorkingMethod::Pq, Always, NeverAsked, PqLines},
    {WorkingMethod::HalfB, HalfIsShort, OddB, HalfBLines},
    {WorkingMethod::AtOnce, GivenAtOnce, NotGivenAtOnce, AtOnceLines},
};

const MethodStrategy& StrategyOf(WorkingMethod method) {
    return *std::ranges::find(kStrategies, method, &MethodStrategy::method);
}

// One root as Vieta's sums put it in, in brackets where it is more than a number: 3, (-2),
// (1 + √2), ((1 − √31)/10), (-1 − 2i).
Formula OneRoot(const ExactRoots& roots, int sign, bool bracketed, bool factor, char16_t sep) {
    const Sign between = sign > 0 ? Sign::Plus : Sign::Minus;
    Formula root = Text(u"0");
    if (AreRational(roots)) {
        const auto [plus, minus] = RationalRoots(roots);
        const mpq_class& value = roots.d == 0 ? plus : (sign > 0 ? plus : minus);
        return bracketed ? Factor(value, sep) : Value(value, sep);
    }
    if (roots.d == -1) {
        const Formula imaginary = TimesI(Value(Ratio(roots.q, roots.r), sep));
        root = roots.p == 0 ? SumOf(imaginary, {}, sign > 0 ? std::nullopt : std::optional(between))
                            : SumOf(Value(Ratio(roots.p, roots.r), sep), {{between, imaginary}});
    } else if (roots.p == 0) {
        const Formula radical = Radical(roots.q, roots.d);
        root = SumOf(roots.r == 1 ? radical : Formula{Fraction{radical, Whole(roots.r)}}, {},
                     sign > 0 ? std::nullopt : std::optional(between));
    } else {
        const Formula numerator = SumOf(Whole(roots.p), {{between, Radical(roots.q, roots.d)}});
        root = roots.r == 1 ? numerator : Formula{Fraction{numerator, Whole(roots.r)}};
    }
    // A fraction needs brackets as a factor, where its bar alone would not show where it ends.
    const bool compound = std::holds_alternative<Sum>(root.node) ||
                          (factor && std::holds_alternative<Fraction>(root.node));
    return bracketed && compound ? Formula{Group{root}} : root;
}

} // namespace

std::pair<mpq_class, mpq_class> RationalRoots(const ExactRoots& roots) {
    const mpz_class signedQ = roots.plusSign * roots.q;
    return {Ratio(roots.p + signedQ, roots.r), Ratio(roots.p - signedQ, roots.r)};
}

mpq_class DoubleRoot(const ExactRoots& roots) {
    return Ratio(roots.p, roots.r);
}

// k(q₁x − p₁)(q₂x − p₂) for the roots p/q: k = a/(q₁q₂), so that 6(x − 0.5)(x + 2/3) reads
// (2x − 1)(3x + 2). A root of 0 comes first, as the factor x (2x(x − 3)): (qx − p) for each root
// p/q, as a textbook factors, where a/(q₁q₂) before them is whole ((2x − 1)(3x + 2),
// -(3x + 2)(2x − 1)); (x − p/q) otherwise, with a before them ((x − 2.5)², 0.5(x − 1.5)(x + 4)).
Formula FactoredProduct(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
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
    return Times(whole ? k : q.a, std::move(factors), sep);
}

std::vector<WorkingLine> MethodLines(WorkingMethod method, const MethodInput& input) {
    const MethodStrategy& strategy = StrategyOf(method);
    if (strategy.applies(input)) {
        return strategy.lines(input);
    }
    std::vector<WorkingLine> lines = {strategy.whyNot(input)};
    for (WorkingLine& line : FormulaLines(input)) {
        lines.push_back(std::move(line));
    }
    return lines;
}

WorkingLine VietaLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    // The first root in brackets too where it is a sum, (1 + √2) + (1 − √2), as the second is;
    // a number, even a negative one, stands bare at the start.
    const Formula sum = SumOf(OneRoot(roots, 1, !AreRational(roots), false, sep),
                              {{Sign::Plus, OneRoot(roots, -1, true, false, sep)}});
    const Formula product{
        Product{{OneRoot(roots, 1, true, true, sep), OneRoot(roots, -1, true, true, sep)}, true}};
    const Formula minusBOverA =
        SumOf(Formula{Fraction{Letter(u'b'), Letter(u'a')}}, {}, Sign::Minus);
    return {
        WorkingStep::VietaCheck,
        {Formula{Chain{
             sum, {{Relation::Equals, Value(-q.b / q.a, sep)}, {Relation::Equals, minusBOverA}}}},
         Formula{Chain{product,
                       {{Relation::Equals, Value(q.c / q.a, sep)},
                        {Relation::Equals, Formula{Fraction{Letter(u'c'), Letter(u'a')}}}}}}}};
}

} // namespace veltrix::steps
