#include "engine/working/method_lines.hpp"

#include "engine/working/exact/rationals.hpp"
#include "engine/working/school_notation.hpp"
#include "engine/working/working_formulas.hpp"

#include <algorithm>
#include <optional>
#include <type_traits>

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

// The roots in their simplest form, where they are not rational: 1 ± √2, (-1 ± i√3)/2, -1 ± 2i.
Formula Simplest(const ExactRoots& roots, char16_t sep) {
    return roots.d == -1 ? RationalComplexRoots(roots, sep) : SurdForm(roots);
}

// The chain after a name, with the result after it unless the chain ends with it already.
Formula Named(Formula name, std::vector<Link> chain, Formula result) {
    if (chain.empty() || !(*chain.back().side == result)) {
        chain.push_back({Relation::Equals, std::move(result)});
    }
    return Called(std::move(name), std::move(chain));
}

std::vector<Link> SidesWithSign(const std::vector<Link>& chain, int sign) {
    std::vector<Link> sides;
    for (const Link& link : chain) {
        sides.push_back({link.relation, WithSign(*link.side, sign)});
    }
    return sides;
}

// x = the chain's sides = the roots in their simplest form, as today's general working writes
// them: x = … = 3 or x = 2.
WorkingLine RootsAsX(std::vector<Link> chain, const ExactRoots& roots, char16_t sep) {
    const Formula x = Letter(u'x');
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {WorkingStep::TwoRoots,
                {Named(x, std::move(chain), Value(plus, sep)), Equals(x, Value(minus, sep))}};
    }
    const WorkingStep step = roots.d < 0 ? WorkingStep::ComplexRoots : WorkingStep::Roots;
    return {step, {Named(x, std::move(chain), Simplest(roots, sep))}};
}

// The roots as the school names them. `chainPlus` says which root the + of the chain's ± gives:
// 1 for (−b + √D)/(2a), which Calculate shows first; -1 for the other (x = −p/2 ± …, where a < 0).
WorkingLine RootsLine(std::vector<Link> chain, const MethodInput& in, int chainPlus = 1) {
    const auto& [q, roots, atOnce, sep, school] = in;
    if (roots.d == 0) {
        return {WorkingStep::DoubleRoot,
                {Named(RootNameOf(school, RootName::Double), std::move(chain),
                       Value(DoubleRoot(roots), sep))}};
    }
    if (!NamesEachRoot(school)) {
        return RootsAsX(std::move(chain), roots, sep);
    }
    // The root of the chain's + (sign 1) or − (sign -1), in its simplest form.
    const auto rootOf = [&in, chainPlus](int sign) {
        if (in.roots.d == 1) {
            const auto [plus, minus] = RationalRoots(in.roots);
            return Value(sign * chainPlus > 0 ? plus : minus, in.sep);
        }
        return WithSign(Simplest(in.roots, in.sep), sign * chainPlus * in.roots.plusSign);
    };
    const int first = school.firstRoot == FirstRoot::Plus ? 1 : -1;
    const Formula name1 = RootNameOf(school, RootName::First);
    const Formula name2 = RootNameOf(school, RootName::Second);
    if (school.rootsWritten == RootsWritten::EachByItsOwnFormula) {
        return {WorkingStep::RootsEach,
                {Named(name1, SidesWithSign(chain, first), rootOf(first)),
                 Named(name2, SidesWithSign(chain, -first), rootOf(-first))}};
    }
    const Formula both = RootNameOf(school, RootName::Both);
    if (roots.d != 1) {
        const WorkingStep step = roots.d < 0 ? WorkingStep::ComplexRoots : WorkingStep::Roots;
        return {step, {Named(both, std::move(chain), Simplest(roots, sep))}};
    }
    if (chain.empty()) {
        return {WorkingStep::RootsEach,
                {Equals(name1, rootOf(first)), Equals(name2, rootOf(-first))}};
    }
    // x₁,₂ = … = (5 ± 1)/2, then x₁ = (5 + 1)/2 = 3 and x₂ = (5 − 1)/2 = 2.
    const std::vector<Link> last = {chain.back()};
    return {WorkingStep::RootsThenEach,
            {Formula{Chain{both, chain}}, Named(name1, SidesWithSign(last, first), rootOf(first)),
             Named(name2, SidesWithSign(last, -first), rootOf(-first))}};
}

// b² − 4ac = (-5)² − 4·1·6 = 1, after the school's letter for it where it has one: D = ….
std::vector<Link> DiscriminantWorked(const ExactQuadratic& q, char16_t sep) {
    const Formula fourAC{Product{{Text(u"4"), Factor(q.a, sep), Factor(q.c, sep)}, true}};
    const Formula substituted = SumOf(Squared(Factor(q.b, sep)), {{Sign::Minus, fourAC}});
    return {{Relation::Equals, substituted}, {Relation::Equals, Value(Discriminant(q), sep)}};
}

Formula DiscriminantChain(const ExactQuadratic& q, const School& school, char16_t sep) {
    std::vector<Link> chain = DiscriminantWorked(q, sep);
    if (school.discriminant == DiscriminantSymbol::Written) {
        return {Chain{GeneralDiscriminant(), std::move(chain)}};
    }
    chain.insert(chain.begin(), {Relation::Equals, GeneralDiscriminant()});
    return {Chain{DiscriminantName(school), std::move(chain)}};
}

// √D in its simplest form, where D is a whole number: k√d for the roots' d where D = k²d
// (√124 = 2√31); nothing where it is already as simple as √D.
std::optional<Formula> SimplerRoot(const mpq_class& discriminant, const ExactRoots& roots) {
    if (discriminant.get_den() != 1 || roots.d <= 1) {
        return std::nullopt;
    }
    const mpz_class& whole = discriminant.get_num();
    if (whole % roots.d != 0 || whole == roots.d) {
        return std::nullopt;
    }
    const mpz_class squared = whole / roots.d;
    if (!mpz_perfect_square_p(squared.get_mpz_t())) {
        return std::nullopt;
    }
    mpz_class k;
    mpz_sqrt(k.get_mpz_t(), squared.get_mpz_t());
    return Radical(k, roots.d);
}

// The discriminant on its line, and its root after it where the school writes that too:
// √Δ = 1, √Δ = √124 = 2√31.
WorkingLine DiscriminantLine(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const mpq_class discriminant = Discriminant(q);
    Formula worked = DiscriminantChain(q, school, sep);
    if (!school.rootOfDiscriminantLine || discriminant < 0) {
        return {WorkingStep::Discriminant, {std::move(worked)}};
    }
    const Formula root = SquareRootOf(discriminant, sep);
    std::vector<Link> chain = {{Relation::Equals, root}};
    if (!std::holds_alternative<SquareRoot>(root.node)) {
        chain.insert(chain.begin(),
                     {Relation::Equals, Formula{SquareRoot{Value(discriminant, sep)}}});
    } else if (std::optional<Formula> simpler = SimplerRoot(discriminant, roots)) {
        chain.push_back({Relation::Equals, std::move(*simpler)});
    }
    return {WorkingStep::DiscriminantAndRoot,
            {std::move(worked),
             Formula{Chain{Formula{SquareRoot{DiscriminantName(school)}}, std::move(chain)}}}};
}

// (−b ± √D)/(2a) with the school's letter, where the line before has worked D out;
// (−b ± √(b² − 4ac))/(2a) otherwise.
Formula SchoolFormula(const School& school) {
    if (school.discriminant == DiscriminantSymbol::Written || !school.discriminantLine) {
        return QuadraticFormula();
    }
    return QuadraticFormula(DiscriminantName(school));
}

// (first ± root)/(2a)
Formula OverTwoA(const ExactQuadratic& q, Formula root, char16_t sep) {
    return {Fraction{SumOf(Value(mpq_class(-q.b), sep), {{Sign::PlusMinus, std::move(root)}}),
                     Value(mpq_class(2 * q.a), sep)}};
}

// x₀ = −b/(2a) = 4/2 = 2, where each root has a formula of its own.
WorkingLine DoubleRootByItsOwnFormula(const MethodInput& in) {
    const Formula general{Fraction{SumOf(Letter(u'b'), {}, Sign::Minus),
                                   Formula{Product{{Text(u"2"), Letter(u'a')}}}}};
    const Formula substituted{
        Fraction{Value(mpq_class(-in.q.b), in.sep), Value(mpq_class(2 * in.q.a), in.sep)}};
    return RootsLine({{Relation::Equals, general}, {Relation::Equals, substituted}}, in);
}

// ---- The formula: the discriminant, then x = (−b ± √(b² − 4ac))/(2a). Where the school works
// the discriminant out within the formula, (5 ± √((-5)² − 4·1·6))/2 comes before (5 ± 1)/2.

std::vector<WorkingLine> FormulaLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    std::vector<WorkingLine> lines;
    if (school.discriminantLine) {
        lines.push_back(DiscriminantLine(in));
    }
    if (roots.d == 0 && school.rootsWritten == RootsWritten::EachByItsOwnFormula) {
        lines.push_back(DoubleRootByItsOwnFormula(in));
        return lines;
    }
    std::vector<Link> chain = {{Relation::Equals, SchoolFormula(school)}};
    if (!school.discriminantLine) {
        const Formula worked = *DiscriminantWorked(q, sep).front().side;
        chain.push_back({Relation::Equals, OverTwoA(q, Formula{SquareRoot{worked}}, sep)});
    }
    chain.push_back({Relation::Equals, OverTwoA(q, DiscriminantRoot(Discriminant(q), sep), sep)});
    lines.push_back(RootsLine(std::move(chain), in));
    return lines;
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
        lines.push_back(RootsLine({}, in)); // x² = 0
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
    lines.push_back(RootsLine(std::move(chain), in, sgn(q.a)));
    return lines;
}

// ---- Factoring, where the roots are rational.

bool RationalRootsOf(const MethodInput& in) {
    return AreRational(in.roots);
}

Formula IsZero(Formula side) {
    return Equals(std::move(side), kZero);
}

// x = 2 or x = 3; x₁ = 2 and x₂ = 3 where the school names each root.
WorkingLine ProductLine(const mpq_class& first, const mpq_class& second, const School& school,
                        char16_t sep) {
    return {WorkingStep::ProductIsZero,
            {Equals(RootNameOf(school, RootName::First), Value(first, sep)),
             Equals(RootNameOf(school, RootName::Second), Value(second, sep))}};
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
                         const ExactRoots& roots, const School& school, char16_t sep) {
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
    lines.push_back(ProductLine(r1, r2, school, sep));
}

std::vector<WorkingLine> FactorLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    if (roots.d == 0) {
        return {{WorkingStep::FactorPerfectSquare, {IsZero(FactoredProduct(q, roots, sep))}},
                RootsLine({}, in)};
    }
    if (q.c == 0) {
        const Formula inner =
            PolynomialOf(CoefficientOf(0, sep), CoefficientOf(q.a, sep), CoefficientOf(q.b, sep));
        return {{WorkingStep::FactorTakeOutX,
                 {IsZero(Formula{Product{{Letter(u'x'), Formula{Group{inner}}}}})}},
                ProductLine(0, -q.b / q.a, school, sep)};
    }
    if (q.b == 0) {
        const auto [plus, minus] = RationalRoots(roots);
        return {{WorkingStep::FactorDifferenceOfSquares, {IsZero(FactoredProduct(q, roots, sep))}},
                ProductLine(plus, minus, school, sep)};
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
    AddSplitAndGrouping(lines, whole, roots, school, sep);
    return lines;
}

// ---- The pq-formula: x² + px + q = 0, x = −p/2 ± √((p/2)² − q).

// (p/2)² − q, and with the numbers put in: (-2,5)² − 6.
Formula PqRadicand() {
    return SumOf(Squared(Formula{Group{Formula{Fraction{Letter(u'p'), Text(u"2")}}}}),
                 {{Sign::Minus, Letter(u'q')}});
}

Formula PqRadicand(const mpq_class& half, const mpq_class& q, char16_t sep) {
    return SumOf(Squared(Factor(half, sep)), {{Sign::Minus, Factor(q, sep)}});
}

std::vector<WorkingLine> PqLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    std::vector<WorkingLine> lines;
    AddDivisionByA(lines, in);
    const mpq_class p = q.b / q.a, c = q.c / q.a, half = p / 2;
    lines.push_back(
        {WorkingStep::PqValues,
         {Formula{List{{Equals(Letter(u'p'), Value(p, sep)), Equals(Letter(u'q'), Value(c, sep))},
                       ListSeparatorFor(sep)}}}});
    const Formula general =
        SumOf(Formula{Fraction{Letter(u'p'), Text(u"2")}},
              {{Sign::PlusMinus, Formula{SquareRoot{PqRadicand()}}}}, Sign::Minus);
    const Formula substituted = SumOf(
        Value(-half, sep), {{Sign::PlusMinus, Formula{SquareRoot{PqRadicand(half, c, sep)}}}});
    const mpq_class under = half * half - c;
    const Formula root = DiscriminantRoot(under, sep);
    std::vector<Link> chain = {{Relation::Equals, general}, {Relation::Equals, substituted}};
    if (half != 0) {
        chain.push_back({Relation::Equals, SumOf(Value(-half, sep), {{Sign::PlusMinus, root}})});
    } else if (under != 0) {
        chain.push_back({Relation::Equals, SumOf(root, {}, Sign::PlusMinus)});
    }
    lines.push_back(RootsLine(std::move(chain), in, sgn(q.a)));
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

// The half of b as the school names it: k, b′, or b/2 itself.
Formula HalfOfB(const School& school) {
    switch (school.halfB) {
    case HalfBLetters::BPrimeAndQuarterD:
        return {Variable{u'b', u"", 1}};
    case HalfBLetters::HalfBAndQuarterD:
        return {Fraction{Letter(u'b'), Text(u"2")}};
    case HalfBLetters::KAndQuarterD:
    case HalfBLetters::KAndD1:
        break;
    }
    return Letter(u'k');
}

// k = b/2 = -1 (b/2 = -1 where the school writes b/2 itself), and D/4 = k² − ac = … = 31.
WorkingLine HalfBValuesLine(const MethodInput& in, const mpq_class& k, const mpq_class& quarter) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const Formula half = HalfOfB(school);
    const Formula halfB{Fraction{Letter(u'b'), Text(u"2")}};
    const Formula ac{Product{{Factor(q.a, sep), Factor(q.c, sep)}, true}};
    Formula halfWorked =
        half == halfB
            ? Equals(halfB, Value(k, sep))
            : Formula{Chain{half, {{Relation::Equals, halfB}, {Relation::Equals, Value(k, sep)}}}};
    const Formula halfSquared = Squared(half == halfB ? Formula{Group{half}} : half);
    const Formula general =
        SumOf(halfSquared, {{Sign::Minus, Formula{Product{{Letter(u'a'), Letter(u'c')}}}}});
    return {WorkingStep::HalfBValues,
            {std::move(halfWorked),
             Formula{Chain{QuarterDiscriminantName(school),
                           {{Relation::Equals, general},
                            {Relation::Equals, SumOf(Squared(Factor(k, sep)), {{Sign::Minus, ac}})},
                            {Relation::Equals, Value(quarter, sep)}}}}}};
}

std::vector<WorkingLine> HalfBLines(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const mpq_class k = q.b / 2, quarter = k * k - q.a * q.c;
    const Formula general{
        Fraction{SumOf(HalfOfB(school),
                       {{Sign::PlusMinus, Formula{SquareRoot{QuarterDiscriminantName(school)}}}},
                       Sign::Minus),
                 Letter(u'a')}};
    const Formula numerator =
        SumOf(Value(-k, sep), {{Sign::PlusMinus, DiscriminantRoot(quarter, sep)}});
    const Formula substituted =
        q.a == 1 ? numerator : Formula{Fraction{numerator, Value(q.a, sep)}};
    return {HalfBValuesLine(in, k, quarter),
            RootsLine({{Relation::Equals, general}, {Relation::Equals, substituted}}, in)};
}

// ---- The roots at once, where the exercise's product or square has given them already.

std::vector<WorkingLine> AtOnceLines(const MethodInput& in) {
    return {RootsLine({}, in)};
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

// ---- Where the discriminant is negative and the school has not met complex numbers.

// Whether a formula holds i, or the root of a negative number: where the complex roots begin.
bool Imaginary(const Formula& formula) {
    return std::visit(
        [](const auto& node) {
            using Node = std::decay_t<decltype(node)>;
            const auto any = [](const auto& parts) {
                return std::ranges::any_of(parts,
                                           [](const Part& part) { return Imaginary(*part); });
            };
            if constexpr (std::is_same_v<Node, ImaginaryUnit>) {
                return true;
            } else if constexpr (std::is_same_v<Node, SquareRoot>) {
                const auto* number = std::get_if<Number>(&node.radicand->node);
                return (number != nullptr && number->text.starts_with(u'-')) ||
                       std::holds_alternative<Negative>(node.radicand->node) ||
                       Imaginary(*node.radicand);
            } else if constexpr (std::is_same_v<Node, Sum>) {
                std::vector<Part> parts = {node.first};
                for (const Term& term : node.rest) {
                    parts.push_back(term.operand);
                }
                return any(parts);
            } else if constexpr (std::is_same_v<Node, Chain>) {
                std::vector<Part> parts = {node.first};
                for (const Link& link : node.rest) {
                    parts.push_back(link.side);
                }
                return any(parts);
            } else if constexpr (std::is_same_v<Node, Product>) {
                return any(node.factors);
            } else if constexpr (std::is_same_v<Node, List>) {
                return any(node.items);
            } else if constexpr (std::is_same_v<Node, Fraction>) {
                return any(std::vector<Part>{node.numerator, node.denominator});
            } else if constexpr (std::is_same_v<Node, Power>) {
                return Imaginary(*node.base);
            } else if constexpr (std::is_same_v<Node, Negative>) {
                return Imaginary(*node.operand);
            } else if constexpr (std::is_same_v<Node, Group>) {
                return Imaginary(*node.inner);
            } else {
                return false;
            }
        },
        formula.node);
}

Formula BelowZero(Formula formula) {
    if (auto* chain = std::get_if<Chain>(&formula.node)) {
        chain->rest.push_back({Relation::Less, kZero});
        return formula;
    }
    return {Chain{std::move(formula), {{Relation::Less, kZero}}}};
}

// What is below 0 where the roots are not real, as each method has it: D < 0 (b² − 4ac = … < 0
// where the school works it out within the formula); D₁ < 0; (p/2)² − q = … < 0; the completed
// square's right side.
Formula FormulaBelowZero(const MethodInput& in) {
    if (in.school.discriminantLine) {
        return BelowZero(DiscriminantName(in.school));
    }
    return BelowZero(DiscriminantChain(in.q, in.school, in.sep));
}

Formula HalfBBelowZero(const MethodInput& in) {
    return BelowZero(QuarterDiscriminantName(in.school));
}

Formula PqBelowZero(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    const mpq_class half = q.b / q.a / 2, c = q.c / q.a;
    return BelowZero(Formula{Chain{PqRadicand(),
                                   {{Relation::Equals, PqRadicand(half, c, sep)},
                                    {Relation::Equals, Value(half * half - c, sep)}}}});
}

Formula SquareBelowZero(const MethodInput& in) {
    const mpq_class half = in.q.b / in.q.a / 2;
    return BelowZero(Value(half * half - in.q.c / in.q.a, in.sep));
}

// The school's answer: L = {2; 3}, "Solution set: {2; 3}", "Answer: 2; 3", each root once and
// the smaller first; an empty set, or "no real roots", where `roots` is empty.
std::optional<WorkingLine> AnswerOf(const School& school, std::vector<Part> roots, char16_t sep) {
    const ListSeparator between = ListSeparatorFor(sep);
    const Formula set = roots.empty() && school.emptySetSign
                            ? Letter(u'∅')
                            : Formula{Group{Formula{List{roots, between}}, Bracket::Brace}};
    switch (school.answer) {
    case AnswerLine::SetL:
    case AnswerLine::SetS:
        return WorkingLine{WorkingStep::SolutionSet,
                           {Equals(Letter(school.answer == AnswerLine::SetL ? u'L' : u'S'), set)}};
    case AnswerLine::SolutionSetWords:
        return WorkingLine{WorkingStep::SolutionSetInWords, {set}};
    case AnswerLine::AnswerWords:
        if (roots.empty()) {
            return WorkingLine{WorkingStep::AnswerNoRealRoot, {}};
        }
        return WorkingLine{WorkingStep::Answer,
                           {Formula{List{std::move(roots), ListSeparator::Semicolon}}}};
    case AnswerLine::None:
        break;
    }
    return std::nullopt;
}

// Before the first line with i in it: the school's statement that there is no real solution, its
// answer, and the words that set the complex roots apart as an aside.
void SayNoRealSolution(std::vector<WorkingLine>& lines, Formula belowZero, const School& school,
                       char16_t sep) {
    const auto complex = std::ranges::find_if(lines, [](const WorkingLine& line) {
        return std::ranges::any_of(line.formulas, Imaginary);
    });
    std::vector<WorkingLine> said = {{WorkingStep::NoRealSolution, {std::move(belowZero)}}};
    if (std::optional<WorkingLine> answer = AnswerOf(school, {}, sep)) {
        said.push_back(std::move(*answer));
    }
    said.push_back({WorkingStep::ComplexAside, {}});
    lines.insert(complex, std::make_move_iterator(said.begin()),
                 std::make_move_iterator(said.end()));
}

// One method: whether it applies, the line that says why where it does not, its lines, and what
// it finds below 0 where the roots are not real.
struct MethodStrategy {
    WorkingMethod method;
    bool (*applies)(const MethodInput&);
    WorkingLine (*whyNot)(const MethodInput&);
    std::vector<WorkingLine> (*lines)(const MethodInput&);
    Formula (*belowZero)(const MethodInput&);
};

constexpr MethodStrategy kStrategies[] = {
    {WorkingMethod::Formula, Always, NeverAsked, FormulaLines, FormulaBelowZero},
    {WorkingMethod::Square, Always, NeverAsked, SquareLines, SquareBelowZero},
    {WorkingMethod::Factor, RationalRootsOf, NoRationalFactors, FactorLines, FormulaBelowZero},
    {WorkingMethod::Pq, Always, NeverAsked, PqLines, PqBelowZero},
    {WorkingMethod::HalfB, HalfIsShort, OddB, HalfBLines, HalfBBelowZero},
    {WorkingMethod::AtOnce, GivenAtOnce, NotGivenAtOnce, AtOnceLines, FormulaBelowZero},
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
    const MethodStrategy* strategy = &StrategyOf(method);
    std::vector<WorkingLine> lines;
    if (!strategy->applies(input)) {
        lines.push_back(strategy->whyNot(input));
        strategy = &StrategyOf(WorkingMethod::Formula);
    }
    std::vector<WorkingLine> own = strategy->lines(input);
    if (input.roots.d < 0 && input.school.negative == NegativeDiscriminant::NoRealSolution) {
        SayNoRealSolution(own, strategy->belowZero(input), input.school, input.sep);
    }
    lines.insert(lines.end(), std::make_move_iterator(own.begin()),
                 std::make_move_iterator(own.end()));
    return lines;
}

std::optional<WorkingLine> AnswerLine(const MethodInput& in) {
    const auto& [q, roots, atOnce, sep, school] = in;
    std::vector<Part> listed;
    if (roots.d == 0) {
        listed = {Value(DoubleRoot(roots), sep)};
    } else if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        listed = {Value(std::min(plus, minus), sep), Value(std::max(plus, minus), sep)};
    } else if (roots.d < 0 && school.negative == NegativeDiscriminant::NoRealSolution) {
        return std::nullopt; // said with the statement that there is no real solution
    } else {
        // q ≥ 0 and r > 0: the root of − is the smaller, or, complex, written first.
        listed = {WithSign(Simplest(roots, sep), -1), WithSign(Simplest(roots, sep), 1)};
    }
    return AnswerOf(school, std::move(listed), sep);
}

Formula SimplestRoots(const ExactRoots& roots, char16_t sep) {
    return Simplest(roots, sep);
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
