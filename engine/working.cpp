#include "engine/working.hpp"

#include "engine/conversions.hpp"

namespace veltrix {
namespace {

using namespace math;

Formula X() {
    return Same(u"x");
}
Formula XSquared() {
    return {u"x\u00B2", u"x^2"};
}
Formula Squared() {
    return {u"\u00B2", u"^2"};
}
Formula XIs() {
    return Same(u"x = ");
}
Formula XIsAbout() {
    return {u"x \u2248 ", u"x \\approx "};
}
Formula YIs() {
    return Same(u"y = ");
}

Formula Whole(const mpz_class& n, char16_t separator) {
    return Number(mpq_class(n), separator);
}

// A number under a fraction bar: in parentheses in the plain text when it is negative.
Formula Denominator(const mpq_class& value, char16_t separator) {
    const Formula number = Number(value, separator);
    return value < 0 ? Formula{u"(" + number.plain + u")", number.latex} : number;
}

// The equation's own terms, as a sum, and the list of its coefficients.
Formula EquationOf(const Term& a, const Term& b, const Term& c) {
    return YIs() + Sum({{a, XSquared()}, {b, X()}, {c, {}}});
}

Formula CoefficientList(const Formula& a, const Formula& b, const Formula& c, char16_t separator) {
    const Formula next = Same(ListSeparator(separator));
    return Same(u"a = ") + a + next + Same(u"b = ") + b + next + Same(u"c = ") + c;
}

WorkingLine EquationLine(const ExactQuadratic& q, char16_t sep) {
    return {WorkingStep::Equation,
            {EquationOf(TermOf(q.a, sep), TermOf(q.b, sep), TermOf(q.c, sep)),
             CoefficientList(Number(q.a, sep), Number(q.b, sep), Number(q.c, sep), sep)}};
}

// Too long to work with exactly: the equation and its coefficients as doubles.
Working DecimalWorking(const DecimalQuadratic& q, char16_t sep) {
    const auto number = [sep](double v) { return Number(NumberToText(v, sep)); };
    const auto term = [&](double v) {
        return Term{v < 0 ? -1 : (v > 0 ? 1 : 0), number(v < 0 ? -v : v), v == 1 || v == -1};
    };
    return {{WorkingStep::Equation,
             {EquationOf(term(q.a), term(q.b), term(q.c)),
              CoefficientList(number(q.a), number(q.b), number(q.c), sep)}},
            {WorkingStep::TooLongToWorkOut, {}}};
}

WorkingLine DiscriminantLine(const ExactQuadratic& q, char16_t sep) {
    const Formula general{u"b\u00B2 \u2212 4ac", u"b^2 - 4ac"};
    const Formula substituted = Factor(q.b, sep) + Squared() + Minus() + Same(u"4") + Times() +
                                Factor(q.a, sep) + Times() + Factor(q.c, sep);
    return {WorkingStep::Discriminant,
            {general + Equals() + substituted + Equals() + Number(Discriminant(q), sep)}};
}

// √d times q: √31, 5√2, 2i, i√3.
Formula Radical(const mpz_class& q, const mpz_class& d, char16_t sep) {
    const Formula times = q == 1 ? Formula{} : Whole(q, sep);
    if (d == -1) {
        return times + Same(u"i");
    }
    const Formula root = SquareRoot(Whole(abs(d), sep), false);
    return d < 0 ? times + Same(u"i") + root : times + root;
}

// (p ± q√d)/r as simply as it is written: 1 ± √2, ±√3, (-3 ± 5√2)/4, ±i√3/2.
Formula SurdForm(const ExactRoots& roots, char16_t sep) {
    const Formula radical = Radical(roots.q, roots.d, sep);
    if (roots.p == 0) {
        if (roots.r == 1) {
            return Formula{u"\u00B1", u"\\pm "} + radical;
        }
        return {u"\u00B1" + radical.plain + u"/" + Whole(roots.r, sep).plain,
                u"\\pm\\frac{" + radical.latex + u"}{" + Whole(roots.r, sep).latex + u"}"};
    }
    const Formula numerator = Whole(roots.p, sep) + PlusMinus() + radical;
    return roots.r == 1 ? numerator : Fraction(numerator, Whole(roots.r, sep), true);
}

// n/d in lowest terms, as GMP's arithmetic on rationals needs them.
mpq_class Ratio(const mpz_class& n, const mpz_class& d) {
    mpq_class ratio(n, d);
    ratio.canonicalize();
    return ratio;
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
    const mpq_class discriminant = Discriminant(q);
    const Formula formula{u"(\u2212b \u00B1 \u221A(b\u00B2 \u2212 4ac))/2a",
                          u"\\frac{-b \\pm \\sqrt{b^2 - 4ac}}{2a}"};
    const Formula substituted =
        Fraction(Number(mpq_class(-q.b), sep) + PlusMinus() +
                     SquareRoot(Number(discriminant, sep), discriminant < 0),
                 Denominator(mpq_class(2 * q.a), sep), true);
    const Formula chain = XIs() + formula + Equals() + substituted;
    if (roots.d == 0) {
        return {WorkingStep::DoubleRoot, {chain + Equals() + Number(DoubleRoot(roots), sep)}};
    }
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {WorkingStep::TwoRoots,
                {chain + Equals() + Number(plus, sep), XIs() + Number(minus, sep)}};
    }
    const Formula simplest = SurdForm(roots, sep);
    const Formula written = simplest == substituted ? chain : chain + Equals() + simplest;
    return {roots.d < 0 ? WorkingStep::ComplexRoots : WorkingStep::Roots, {written}};
}

Formula Rounded(const mpz_class& scaled, unsigned places, char16_t sep) {
    return Number(ScaledText(scaled, places, sep));
}

// a·(…) with a left out where it is 1, and only its sign where it is -1.
Formula Leading(const mpq_class& a, char16_t sep) {
    if (abs(a) == 1) {
        return Same(a < 0 ? u"-" : u"");
    }
    return Number(a, sep);
}

// x − r: "x" alone for r = 0, "(x − 0.1)" or "(x + 1)" otherwise; `power` after it.
Formula Shifted(const mpq_class& r, const Formula& power, char16_t sep) {
    if (r == 0) {
        return X() + power;
    }
    const Formula sum = Sum({{Term{1, Same(u"1"), true}, X()}, {TermOf(mpq_class(-r), sep), {}}});
    return Same(u"(") + sum + Same(u")") + power;
}

WorkingLine VertexFormLine(const ExactQuadratic& q, const mpq_class& h, const mpq_class& k,
                           char16_t sep) {
    Formula form = YIs() + Leading(q.a, sep) + Shifted(h, Squared(), sep);
    if (k != 0) {
        form += (k < 0 ? Minus() : Plus()) + Number(mpq_class(abs(k)), sep);
    }
    return {WorkingStep::VertexForm, {form}};
}

WorkingLine FactoredFormLine(const ExactQuadratic& q, const ExactRoots& roots, char16_t sep) {
    Formula form = YIs() + Leading(q.a, sep);
    if (roots.d == 0) {
        form += Shifted(DoubleRoot(roots), Squared(), sep);
    } else {
        const auto [plus, minus] = RationalRoots(roots);
        // A root of 0 gives the factor x, written first: 2x(x − 3).
        form += minus == 0 ? Shifted(minus, {}, sep) + Shifted(plus, {}, sep)
                           : Shifted(plus, {}, sep) + Shifted(minus, {}, sep);
    }
    return {WorkingStep::FactoredForm, {form}};
}

void AddQuadraticSteps(Working& working, const ExactQuadratic& q, unsigned places, char16_t sep) {
    working.push_back(DiscriminantLine(q, sep));
    const ExactRoots roots = SolveExactly(q);
    working.push_back(RootsLine(q, roots, sep));
    std::vector<Formula> rounded = RoundedRoots(roots, places, sep);
    for (Formula& root : rounded) {
        root = XIsAbout() + root;
    }
    working.push_back(
        {rounded.size() == 2 ? WorkingStep::RoundedRoots : WorkingStep::RoundedRoot, rounded});
    const mpq_class h = -q.b / (2 * q.a);
    const mpq_class k = q.c - q.b * q.b / (4 * q.a);
    working.push_back({q.a > 0 ? WorkingStep::Minimum : WorkingStep::Maximum,
                       {Point(Number(h, sep), Number(k, sep), sep), XIs() + Number(h, sep)}});
    working.push_back({WorkingStep::CrossesYAxis, {Point(Same(u"0"), Number(q.c, sep), sep)}});
    working.push_back(VertexFormLine(q, h, k, sep));
    if (roots.d == 0 || roots.d == 1) {
        working.push_back(FactoredFormLine(q, roots, sep));
    }
}

void AddLineSteps(Working& working, const ExactQuadratic& q, unsigned places, char16_t sep) {
    working.push_back({WorkingStep::NotAQuadratic, {Same(u"a = 0")}});
    if (q.b != 0) {
        const mpq_class root = -q.c / q.b;
        working.push_back(
            {WorkingStep::LineRoot,
             {XIs() + Formula{u"\u2212c/b", u"-\\frac{c}{b}"} + Equals() + Number(root, sep)}});
        working.push_back({WorkingStep::RoundedRoot,
                           {XIsAbout() + Rounded(RoundScaled(root, places), places, sep)}});
    } else {
        working.push_back(
            {q.c == 0 ? WorkingStep::EveryXIsARoot : WorkingStep::LineWithoutRoot, {}});
    }
    working.push_back({WorkingStep::CrossesYAxis, {Point(Same(u"0"), Number(q.c, sep), sep)}});
}

} // namespace

std::vector<Formula> RoundedRoots(const ExactRoots& roots, unsigned places, char16_t sep) {
    if (roots.d == 0) {
        return {Rounded(RoundScaled(DoubleRoot(roots), places), places, sep)};
    }
    if (roots.d == 1) {
        const auto [plus, minus] = RationalRoots(roots);
        return {Rounded(RoundScaled(plus, places), places, sep),
                Rounded(RoundScaled(minus, places), places, sep)};
    }
    if (roots.d > 0) {
        const mpz_class t = roots.plusSign * roots.q;
        return {Rounded(RoundScaledSurd(roots.p, t, roots.d, roots.r, places), places, sep),
                Rounded(RoundScaledSurd(roots.p, -t, roots.d, roots.r, places), places, sep)};
    }
    // Complex: the real part p/r and the imaginary part q√-d/r, each rounded.
    const mpz_class realPart = RoundScaled(Ratio(roots.p, roots.r), places);
    const mpz_class imaginary = roots.d == -1
                                    ? RoundScaled(Ratio(roots.q, roots.r), places)
                                    : RoundScaledSurd(0, roots.q, -roots.d, roots.r, places);
    const Formula i = Rounded(imaginary, places, sep);
    const Formula imaginaryPart = i.plain == u"1" ? Same(u"i") : i + Same(u"i");
    if (realPart == 0) {
        return {Formula{u"\u00B1", u"\\pm "} + imaginaryPart};
    }
    return {Rounded(realPart, places, sep) + PlusMinus() + imaginaryPart};
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

WorkingOutcome WorkOut(std::u16string_view equation, unsigned places, char16_t separator) {
    const ExactReadOutcome read = ReadExactQuadratic(equation, separator);
    if (const auto* exact = std::get_if<ExactQuadratic>(&read)) {
        return WorkOut(*exact, places, separator);
    }
    if (const auto* decimal = std::get_if<DecimalQuadratic>(&read)) {
        return DecimalWorking(*decimal, separator);
    }
    if (std::holds_alternative<InvalidQuadratic>(read)) {
        return InvalidQuadratic{};
    }
    return EvaluationFailed{};
}

} // namespace veltrix
