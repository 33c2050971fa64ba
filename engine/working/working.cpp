#include "engine/working/working.hpp"

#include "engine/core/conversions.hpp"
#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/rationals.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact_working.hpp"

#include <array>
#include <optional>
#include <utility>

namespace veltrix {
namespace {

using namespace math;

Formula Letter(char16_t name) {
    return {Variable{name}};
}

Formula Text(std::u16string text) {
    return {Number{std::move(text)}};
}

// "; " between the items of a list where the decimal separator is a comma.
ListSeparator ListSeparatorFor(char16_t separator) {
    return separator == u',' ? ListSeparator::Semicolon : ListSeparator::Comma;
}

Formula Whole(const mpz_class& n) {
    const std::string digits = n.get_str();
    return Text({digits.begin(), digits.end()});
}

// A rational: a decimal where it ends ("0.1", "-3.1"), otherwise a fraction of whole numbers in
// lowest terms with its sign before it (-1/3, -\frac{1}{3}).
Formula Value(const mpq_class& value, char16_t sep) {
    if (EndsAsDecimal(value)) {
        return Text(RationalText(value, sep));
    }
    const Formula fraction{Fraction{Whole(abs(value.get_num())), Whole(value.get_den())}};
    return value < 0 ? Formula{Negative{fraction}} : fraction;
}

// A rational as a factor of a product or the base of a power: in parentheses when negative.
Formula Factor(const mpq_class& value, char16_t sep) {
    const Formula number = Value(value, sep);
    return value < 0 ? Formula{Group{number}} : number;
}

Formula Squared(Formula base) {
    return {Power{std::move(base), Text(u"2")}};
}

Formula Equals(Formula left, Formula right, Relation relation = Relation::Equals) {
    return {Chain{std::move(left), {{relation, std::move(right)}}}};
}

Formula Approximately(Formula left, Formula right) {
    return Equals(std::move(left), std::move(right), Relation::Approximately);
}

// The first term alone where no other follows it.
Formula SumOf(Formula first, std::vector<Term> rest, std::optional<Sign> leading = {}) {
    if (rest.empty() && !leading) {
        return first;
    }
    return {Sum{leading, std::move(first), std::move(rest)}};
}

Formula Point(Formula x, Formula y, char16_t sep) {
    return {Group{Formula{List{{std::move(x), std::move(y)}, ListSeparatorFor(sep)}}}};
}

// One term of a polynomial, its sign apart from its magnitude, so that it can be written with
// an operator before it ("− 2x") or, first, with its own sign ("-2x").
struct Coefficient {
    int sign = 0; // -1, 0 (no term) or 1
    Formula magnitude;
    bool unit = false; // a magnitude of 1, left out before a variable
};

Coefficient CoefficientOf(const mpq_class& value, char16_t sep) {
    return {sgn(value), Value(mpq_class(abs(value)), sep), abs(value) == 1};
}

// The magnitude times the variable, if the term has one.
Formula Monomial(const Coefficient& coefficient, const std::optional<Formula>& variable) {
    if (!variable) {
        return coefficient.magnitude;
    }
    return coefficient.unit ? *variable : Formula{Product{{coefficient.magnitude, *variable}}};
}

// y = ax² + bx + c with its terms of 0 left out; y = 0 where every term is. y ≈ … where a
// coefficient is shown rounded.
Formula EquationOf(const Coefficient& a, const Coefficient& b, const Coefficient& c,
                   Relation relation = Relation::Equals) {
    std::optional<Formula> first;
    std::vector<Term> rest;
    const std::pair<const Coefficient&, std::optional<Formula>> terms[] = {
        {a, Squared(Letter(u'x'))}, {b, Letter(u'x')}, {c, std::nullopt}};
    for (const auto& [coefficient, variable] : terms) {
        if (coefficient.sign == 0) {
            continue;
        }
        Formula term = Monomial(coefficient, variable);
        if (!first) {
            first = coefficient.sign < 0 ? Formula{Negative{std::move(term)}} : std::move(term);
        } else {
            rest.push_back({coefficient.sign < 0 ? Sign::Minus : Sign::Plus, std::move(term)});
        }
    }
    return Equals(Letter(u'y'), first ? SumOf(std::move(*first), std::move(rest)) : Text(u"0"),
                  relation);
}

// a = 10, b = -2, c = -3; "≈" for a coefficient shown rounded.
Formula CoefficientList(Formula a, Formula b, Formula c, char16_t separator,
                        std::array<bool, 3> exact = {true, true, true}) {
    const auto item = [&exact](std::size_t i, char16_t name, Formula value) {
        return Equals(Letter(name), std::move(value),
                      exact[i] ? Relation::Equals : Relation::Approximately);
    };
    return {List{
        {item(0, u'a', std::move(a)), item(1, u'b', std::move(b)), item(2, u'c', std::move(c))},
        ListSeparatorFor(separator)}};
}

WorkingLine EquationLine(const ExactQuadratic& q, char16_t sep) {
    return {WorkingStep::Equation,
            {EquationOf(CoefficientOf(q.a, sep), CoefficientOf(q.b, sep), CoefficientOf(q.c, sep)),
             CoefficientList(Value(q.a, sep), Value(q.b, sep), Value(q.c, sep), sep)}};
}

// The equation as Calculate reads a text, its coefficients the doubles it computes with.
Formula CalculateEquation(const DoubleCoefficients& q, char16_t sep) {
    const auto term = [sep](double v) {
        return Coefficient{v < 0 ? -1 : (v > 0 ? 1 : 0), Text(NumberToText(v < 0 ? -v : v, sep)),
                           v == 1 || v == -1};
    };
    return EquationOf(term(q.a), term(q.b), term(q.c));
}

// b² − 4ac
Formula GeneralDiscriminant() {
    return SumOf(Squared(Letter(u'b')),
                 {{Sign::Minus, Formula{Product{{Text(u"4"), Letter(u'a'), Letter(u'c')}}}}});
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

// q times i, q left out where it is 1: 2i, 0.87i, (1/3)i, i.
Formula TimesI(Formula q) {
    const Formula i{ImaginaryUnit{}};
    return q == Text(u"1") ? i : Formula{Product{{std::move(q), i}}};
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

// (−b ± √(b² − 4ac))/(2a)
Formula QuadraticFormula() {
    const Formula root{SquareRoot{GeneralDiscriminant()}};
    return {Fraction{SumOf(Letter(u'b'), {{Sign::PlusMinus, root}}, Sign::Minus),
                     Formula{Product{{Text(u"2"), Letter(u'a')}}}}};
}

WorkingLine RootsLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    const Formula root{SquareRoot{Value(Discriminant(q), sep)}};
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

Formula Rounded(const mpz_class& scaled, unsigned places, char16_t sep) {
    return Text(ScaledText(scaled, places, sep));
}

// x ≈ value, or x = value where rounding has left the root as it is.
Formula RoundedX(Formula value, bool exact) {
    const Relation relation = exact ? Relation::Equals : Relation::Approximately;
    return {Chain{Letter(u'x'), {{relation, std::move(value)}}}};
}

Formula RoundedRational(const mpq_class& root, unsigned places, char16_t sep) {
    return RoundedX(Rounded(RoundScaled(root, places), places, sep), EndsWithin(root, places));
}

// a times the factors: a left out where it is 1, and only its sign written where it is -1.
Formula Times(const mpq_class& a, std::vector<Part> factors, char16_t sep) {
    if (abs(a) != 1) {
        factors.insert(factors.begin(), Value(a, sep));
    }
    const Formula product = factors.size() == 1 ? *factors.front() : Formula{Product{factors}};
    return a == -1 ? Formula{Negative{product}} : product;
}

// x − r: "x" alone for r = 0, "(x − 0.1)" or "(x + 1)" otherwise.
Formula Shifted(const mpq_class& r, char16_t sep) {
    if (r == 0) {
        return Letter(u'x');
    }
    const Sign sign = r > 0 ? Sign::Minus : Sign::Plus;
    return {Group{SumOf(Letter(u'x'), {{sign, Value(mpq_class(abs(r)), sep)}})}};
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

WorkingLine FactoredFormLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    std::vector<Part> factors;
    if (roots.d == 0) {
        factors.push_back(Squared(Shifted(DoubleRoot(roots), sep)));
    } else {
        const auto [plus, minus] = RationalRoots(roots);
        // A root of 0 gives the factor x, written first: 2x(x − 3).
        factors = minus == 0 ? std::vector<Part>{Shifted(minus, sep), Shifted(plus, sep)}
                             : std::vector<Part>{Shifted(plus, sep), Shifted(minus, sep)};
    }
    return {WorkingStep::FactoredForm, {Equals(Letter(u'y'), Times(q.a, std::move(factors), sep))}};
}

void AddQuadraticSteps(Working& working, const ExactQuadratic& q, unsigned places, char16_t sep) {
    working.push_back(DiscriminantLine(q, sep));
    const ExactRoots roots = SolveExactly(q);
    working.push_back(RootsLine(q, roots, sep));
    for (WorkingLine& line : RoundedRootLines(roots, places, sep)) {
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
    working.push_back({WorkingStep::NotAQuadratic, {Equals(Letter(u'a'), Text(u"0"))}});
    if (q.b != 0) {
        const mpq_class root = -q.c / q.b;
        const Formula general =
            SumOf(Formula{Fraction{Letter(u'c'), Letter(u'b')}}, {}, Sign::Minus);
        working.push_back({WorkingStep::LineRoot,
                           {Formula{Chain{Letter(u'x'),
                                          {{Relation::Equals, general},
                                           {Relation::Equals, Value(root, sep)}}}}}});
        working.push_back({WorkingStep::RoundedRoot, {RoundedRational(root, places, sep)}});
    } else {
        working.push_back(
            {q.c == 0 ? WorkingStep::EveryXIsARoot : WorkingStep::LineWithoutRoot, {}});
    }
    working.push_back({WorkingStep::CrossesYAxis, {Point(Text(u"0"), Value(q.c, sep), sep)}});
}

} // namespace

std::vector<WorkingLine> RoundedRootLines(const ExactRoots& roots, unsigned places, char16_t sep) {
    if (roots.d == 0) {
        return {{WorkingStep::RoundedRoot, {RoundedRational(DoubleRoot(roots), places, sep)}}};
    }
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {{WorkingStep::RoundedRoots,
                 {RoundedRational(plus, places, sep), RoundedRational(minus, places, sep)}}};
    }
    if (roots.d > 0) {
        // Irrational: never exact at any accuracy.
        const auto rounded = [&](const mpz_class& t) {
            return RoundedX(
                Rounded(RoundScaledSurd(roots.p, t, roots.d, roots.r, places), places, sep), false);
        };
        // The + of (p ± q√d)/r first, as the exact line writes them.
        return {{WorkingStep::RoundedRoots, {rounded(roots.q), rounded(-roots.q)}}};
    }
    // Complex: the real part p/r and the imaginary part q√-d/r, each rounded, the real part
    // written even where it is 0, so that the roots never read as a real one.
    const mpz_class realPart = RoundScaled(Ratio(roots.p, roots.r), places);
    const mpz_class imaginary = roots.d == -1
                                    ? RoundScaled(Ratio(roots.q, roots.r), places)
                                    : RoundScaledSurd(0, roots.q, -roots.d, roots.r, places);
    const Formula pair = SumOf(Rounded(realPart, places, sep),
                               {{Sign::PlusMinus, TimesI(Rounded(imaginary, places, sep))}});
    const bool exact = roots.d == -1 && EndsWithin(Ratio(roots.p, roots.r), places) &&
                       EndsWithin(Ratio(roots.q, roots.r), places);
    std::vector<WorkingLine> lines = {{WorkingStep::RoundedRoot, {RoundedX(pair, exact)}}};
    if (imaginary == 0) {
        lines.push_back({WorkingStep::ImaginaryPartRoundsToZero, {}});
    }
    return lines;
}

Working WorkOut(const ExactQuadratic& quadratic, unsigned places, char16_t separator) {
    Working working{EquationLine(quadratic, separator)};
    if (quadratic.a == 0) {
        AddLineSteps(working, quadratic, places, separator);
    } else {
        AddQuadraticSteps(working, quadratic, places, separator);
    }
    return working;
}

namespace {

// How Calculate reads a text the working refuses, where it reads it at all.
std::optional<WorkingLine> CalculateReadingLine(std::u16string_view text, char16_t sep) {
    const std::optional<DoubleCoefficients> reads = CalculateReading(text, sep);
    if (!reads) {
        return std::nullopt;
    }
    return WorkingLine{WorkingStep::CalculateReadsAs, {CalculateEquation(*reads, sep)}};
}

// Whether a coefficient that is not 0 is 0 as the nearest double (10^-401 is).
bool LosesACoefficient(const DoubleCoefficients& nearest, const std::array<int, 3>& signs) {
    return (nearest.a == 0 && signs[0] != 0) || (nearest.b == 0 && signs[1] != 0) ||
           (nearest.c == 0 && signs[2] != 0);
}

// How Calculate reads a text the working reads, where that differs; and what to type for it.
// `signs` are those of the working's coefficients.
std::optional<WorkingLine> CalculateLine(std::u16string_view text, const StudentEquation& equation,
                                         const std::array<int, 3>& signs, char16_t sep) {
    const CalculateFacts facts = CompareWithCalculate(text, equation, sep);
    if (facts.readsTheSame) {
        if (!LosesACoefficient(*facts.nearest, signs)) {
            return std::nullopt;
        }
        return WorkingLine{WorkingStep::CalculateReadsAs,
                           {CalculateEquation(*facts.calculateReads, sep)}};
    }
    const std::u16string typed = facts.calculateForm.value_or(u"");
    if (facts.calculateReads) {
        const Formula reads = CalculateEquation(*facts.calculateReads, sep);
        if (facts.calculateForm) {
            return WorkingLine{WorkingStep::CalculateReadsOtherwise, {reads}, typed};
        }
        return WorkingLine{WorkingStep::CalculateReadsAs, {reads}};
    }
    if (facts.calculateForm) {
        return WorkingLine{WorkingStep::CalculateCannotRead, {}, typed};
    }
    return WorkingLine{WorkingStep::CalculateCannotReadAtAll, {}};
}

Formula Shown(const ShownValue& value) {
    return Text(value.significant);
}

Formula RoundedText(const ShownValue& value) {
    return Text(value.rounded);
}

// A shown coefficient as a term of the equation.
Coefficient TermOf(const ShownCoefficient& k) {
    const std::u16string& text = k.value.significant;
    const std::u16string magnitude = k.sign < 0 ? text.substr(1) : text;
    return {k.sign, Text(magnitude), k.exact && magnitude == u"1"};
}

// The equation and its coefficients, "≈" where one's digits are more than are shown.
WorkingLine BoundedEquationLine(const std::array<ShownCoefficient, 3>& k, char16_t sep) {
    const bool exact = k[0].exact && k[1].exact && k[2].exact;
    return {WorkingStep::Equation,
            {EquationOf(TermOf(k[0]), TermOf(k[1]), TermOf(k[2]),
                        exact ? Relation::Equals : Relation::Approximately),
             CoefficientList(Shown(k[0].value), Shown(k[1].value), Shown(k[2].value), sep,
                             {k[0].exact, k[1].exact, k[2].exact})}};
}

// p ± qi
Formula ComplexPair(Formula real, Formula imaginary) {
    return SumOf(std::move(real), {{Sign::PlusMinus, TimesI(std::move(imaginary))}});
}

void AddBoundedRoots(Working& working, const BoundedRoots& roots) {
    const Formula x = Letter(u'x');
    if (const auto* real = std::get_if<BoundedRealRoots>(&roots)) {
        working.push_back(
            {WorkingStep::TwoRoots,
             {Approximately(x, Shown(real->plus)), Approximately(x, Shown(real->minus))}});
        working.push_back({WorkingStep::RoundedRoots,
                           {Approximately(x, RoundedText(real->plus)),
                            Approximately(x, RoundedText(real->minus))}});
    } else if (const auto* twice = std::get_if<BoundedDoubleRoot>(&roots)) {
        working.push_back({WorkingStep::DoubleRoot, {Approximately(x, Shown(twice->root))}});
        working.push_back({WorkingStep::RoundedRoot, {Approximately(x, RoundedText(twice->root))}});
    } else {
        const auto& complex = std::get<BoundedComplexRoots>(roots);
        working.push_back(
            {WorkingStep::ComplexRoots,
             {Approximately(x, ComplexPair(Shown(complex.real), Shown(complex.imaginary)))}});
        working.push_back({WorkingStep::RoundedRoot,
                           {Approximately(x, ComplexPair(RoundedText(complex.real),
                                                         RoundedText(complex.imaginary)))}});
        if (complex.imaginary.rounded == u"0") {
            working.push_back({WorkingStep::ImaginaryPartRoundsToZero, {}});
        }
    }
}

void AddBoundedParabola(Working& working, const BoundedParabola& curve, int aSign, char16_t sep) {
    working.push_back({WorkingStep::Discriminant,
                       {Approximately(GeneralDiscriminant(), Shown(curve.discriminant))}});
    AddBoundedRoots(working, curve.roots);
    working.push_back({aSign > 0 ? WorkingStep::MinimumNear : WorkingStep::MaximumNear,
                       {Point(RoundedText(curve.turningX), RoundedText(curve.turningY), sep),
                        Approximately(Letter(u'x'), RoundedText(curve.turningX))}});
}

void AddBoundedLine(Working& working, const BoundedLine& line, const ShownCoefficient& c) {
    working.push_back({WorkingStep::NotAQuadratic, {Equals(Letter(u'a'), Text(u"0"))}});
    if (line.root) {
        const Formula general =
            SumOf(Formula{Fraction{Letter(u'c'), Letter(u'b')}}, {}, Sign::Minus);
        working.push_back({WorkingStep::LineRoot,
                           {Formula{Chain{Letter(u'x'),
                                          {{Relation::Equals, general},
                                           {Relation::Approximately, Shown(*line.root)}}}}}});
        working.push_back(
            {WorkingStep::RoundedRoot, {Approximately(Letter(u'x'), RoundedText(*line.root))}});
    } else {
        working.push_back(
            {c.sign == 0 ? WorkingStep::EveryXIsARoot : WorkingStep::LineWithoutRoot, {}});
    }
}

// The working of coefficients too long for exact forms, every value shown rounded.
Working BoundedLines(const BoundedWorking& bounded, char16_t sep) {
    const auto& [a, b, c] = bounded.coefficients;
    Working working{BoundedEquationLine(bounded.coefficients, sep),
                    {WorkingStep::TooLongToWorkOut, {}}};
    if (const auto* parabola = std::get_if<BoundedParabola>(&bounded.curve)) {
        AddBoundedParabola(working, *parabola, a.sign, sep);
    } else {
        AddBoundedLine(working, std::get<BoundedLine>(bounded.curve), c);
    }
    if (c.exact) {
        working.push_back({WorkingStep::CrossesYAxis, {Point(Text(u"0"), Shown(c.value), sep)}});
    } else {
        working.push_back(
            {WorkingStep::CrossesYAxisNear, {Point(Text(u"0"), RoundedText(c.value), sep)}});
    }
    return working;
}

std::u16string Widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string PointLabel(const std::u16string& x, const std::u16string& y, char16_t sep) {
    return math::PlainText(Point(Text(x), Text(y), sep));
}

// The sketch's points from the bounded values, labelled as the lines round them. `rootLabels`
// replace the rounded roots' texts, in the order plus, minus, where the lines wrote them from
// exact values.
SketchInput SketchOf(const BoundedWorking& bounded, const std::vector<std::u16string>& rootLabels,
                     char16_t sep) {
    const auto& [a, b, c] = bounded.coefficients;
    SketchInput input{Widened(a.value.approximate),
                      Widened(b.value.approximate),
                      Widened(c.value.approximate),
                      {},
                      false,
                      sep};
    const auto root = [&](SketchPointKind kind, const ShownValue& x, std::size_t i) {
        input.points.push_back({kind, Widened(x.approximate), u"0",
                                i < rootLabels.size() ? rootLabels[i] : x.rounded});
    };
    if (const auto* parabola = std::get_if<BoundedParabola>(&bounded.curve)) {
        input.points.push_back(
            {a.sign > 0 ? SketchPointKind::Minimum : SketchPointKind::Maximum,
             Widened(parabola->turningX.approximate), Widened(parabola->turningY.approximate),
             PointLabel(parabola->turningX.rounded, parabola->turningY.rounded, sep)});
        if (const auto* real = std::get_if<BoundedRealRoots>(&parabola->roots)) {
            root(SketchPointKind::Root, real->plus, 0);
            root(SketchPointKind::Root, real->minus, 1);
        } else if (const auto* twice = std::get_if<BoundedDoubleRoot>(&parabola->roots)) {
            root(SketchPointKind::DoubleRoot, twice->root, 0);
        } else {
            input.complexRoots = true;
        }
    } else if (const auto& line = std::get<BoundedLine>(bounded.curve); line.root) {
        root(SketchPointKind::LineRoot, *line.root, 0);
    }
    input.points.push_back({SketchPointKind::YIntercept, u"0", Widened(c.value.approximate),
                            PointLabel(u"0", c.value.rounded, sep)});
    return input;
}

// The value after the last relation of a rounded root's formula: "0.66" of x ≈ 0.66.
std::u16string RoundedValueText(const Formula& formula) {
    const auto& chain = std::get<Chain>(formula.node);
    return math::PlainText(*chain.rest.back().side);
}

// The real roots as the exact lines round them, in the bounded working's order: plus, minus.
// Two rational roots are listed plus first; two irrational ones larger first, which is the plus
// root where a > 0.
std::vector<std::u16string> ExactRootLabels(const Working& working, const ExactQuadratic& q) {
    std::vector<std::u16string> labels;
    bool irrational = false;
    for (const WorkingLine& line : working) {
        irrational = irrational || line.step == WorkingStep::Roots;
        if (line.step == WorkingStep::RoundedRoots ||
            (line.step == WorkingStep::RoundedRoot && line.formulas.size() == 1)) {
            for (const Formula& formula : line.formulas) {
                labels.push_back(RoundedValueText(formula));
            }
            break;
        }
    }
    if (irrational && q.a < 0 && labels.size() == 2) {
        std::swap(labels[0], labels[1]);
    }
    return labels;
}

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
    SketchInput sketch = SketchOf(bounded, ExactRootLabels(working, q), sep);
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
    return {{BoundedLines(bounded, sep), SketchOf(bounded, {}, sep)}, SignsOf(bounded)};
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
        return {UnreadableText{*refusal, CalculateReadingLine(equation, separator)}, std::nullopt};
    }
    const auto& student = std::get<StudentEquation>(read);
    SignedWorking result = WorkOutRead(student, places, separator);
    if (auto* working = std::get_if<Working>(&result.worked.outcome)) {
        if (std::optional<WorkingLine> calculate =
                CalculateLine(equation, student, result.signs, separator)) {
            working->insert(working->begin(), std::move(*calculate));
        }
    }
    return std::move(result.worked);
}

WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator) {
    return WorkOutWithSketch(equation, places, separator).outcome;
}

} // namespace veltrix
