#include "engine/working/working_formulas.hpp"

#include "engine/working/exact/rationals.hpp"

#include <utility>

namespace veltrix::steps {

using namespace math;

ListSeparator ListSeparatorFor(char16_t separator) {
    return separator == u',' ? ListSeparator::Semicolon : ListSeparator::Comma;
}

Formula Letter(char16_t name) {
    return {Variable{name}};
}

Formula Text(std::u16string text) {
    return {Number{std::move(text)}};
}

Formula Whole(const mpz_class& n) {
    const std::string digits = n.get_str();
    return Text({digits.begin(), digits.end()});
}

Formula Value(const mpq_class& value, char16_t sep) {
    if (EndsAsDecimal(value)) {
        return Text(RationalText(value, sep));
    }
    const Formula fraction{Fraction{Whole(abs(value.get_num())), Whole(value.get_den())}};
    return value < 0 ? Formula{Negative{fraction}} : fraction;
}

Formula Factor(const mpq_class& value, char16_t sep) {
    const Formula number = Value(value, sep);
    return value < 0 ? Formula{Group{number}} : number;
}

Formula Squared(Formula base) {
    return {Power{std::move(base), Text(u"2")}};
}

Formula Equals(Formula left, Formula right, Relation relation) {
    return {Chain{std::move(left), {{relation, std::move(right)}}}};
}

Formula Approximately(Formula left, Formula right) {
    return Equals(std::move(left), std::move(right), Relation::Approximately);
}

Formula SumOf(Formula first, std::vector<Term> rest, std::optional<Sign> leading) {
    if (rest.empty() && !leading) {
        return first;
    }
    return {Sum{leading, std::move(first), std::move(rest)}};
}

Formula Point(Formula x, Formula y, char16_t sep) {
    return {Group{Formula{List{{std::move(x), std::move(y)}, ListSeparatorFor(sep)}}}};
}

Formula TimesI(Formula q) {
    const Formula i{ImaginaryUnit{}};
    return q == Text(u"1") ? i : Formula{Product{{std::move(q), i}}};
}

Formula ComplexPair(Formula real, Formula imaginary) {
    return SumOf(std::move(real), {{Sign::PlusMinus, TimesI(std::move(imaginary))}});
}

Formula RoundedX(Formula value, bool exact) {
    return Equals(Letter(u'x'), std::move(value),
                  exact ? Relation::Equals : Relation::Approximately);
}

Coefficient CoefficientOf(const mpq_class& value, char16_t sep) {
    return {sgn(value), Value(mpq_class(abs(value)), sep), abs(value) == 1};
}

Formula MonomialOf(const Coefficient& coefficient, const std::optional<Formula>& variable) {
    if (!variable) {
        return coefficient.magnitude;
    }
    return coefficient.unit ? *variable : Formula{Product{{coefficient.magnitude, *variable}}};
}

Formula SignedSum(std::vector<SignedTerm> terms) {
    if (terms.empty()) {
        return Text(u"0");
    }
    auto& [negative, first] = terms.front();
    Formula head = negative ? Formula{Negative{std::move(first)}} : std::move(first);
    std::vector<Term> rest;
    for (std::size_t i = 1; i < terms.size(); ++i) {
        rest.push_back({terms[i].negative ? Sign::Minus : Sign::Plus, std::move(terms[i].term)});
    }
    return SumOf(std::move(head), std::move(rest));
}

Formula PolynomialOf(const Coefficient& a, const Coefficient& b, const Coefficient& c) {
    std::vector<SignedTerm> terms;
    const std::pair<const Coefficient&, std::optional<Formula>> parts[] = {
        {a, Squared(Letter(u'x'))}, {b, Letter(u'x')}, {c, std::nullopt}};
    for (const auto& [coefficient, variable] : parts) {
        if (coefficient.sign != 0) {
            terms.push_back({coefficient.sign < 0, MonomialOf(coefficient, variable)});
        }
    }
    return SignedSum(std::move(terms));
}

Formula EquationOf(const Coefficient& a, const Coefficient& b, const Coefficient& c,
                   Relation relation) {
    return Equals(Letter(u'y'), PolynomialOf(a, b, c), relation);
}

Formula CoefficientList(Formula a, Formula b, Formula c, char16_t separator,
                        std::array<bool, 3> exact) {
    const auto item = [&exact](std::size_t i, char16_t name, Formula value) {
        return Equals(Letter(name), std::move(value),
                      exact[i] ? Relation::Equals : Relation::Approximately);
    };
    return {List{
        {item(0, u'a', std::move(a)), item(1, u'b', std::move(b)), item(2, u'c', std::move(c))},
        ListSeparatorFor(separator)}};
}

Formula GeneralDiscriminant() {
    return SumOf(Squared(Letter(u'b')),
                 {{Sign::Minus, Formula{Product{{Text(u"4"), Letter(u'a'), Letter(u'c')}}}}});
}

Formula QuadraticFormula(Formula discriminant) {
    const Formula root{SquareRoot{std::move(discriminant)}};
    return {Fraction{SumOf(Letter(u'b'), {{Sign::PlusMinus, root}}, Sign::Minus),
                     Formula{Product{{Text(u"2"), Letter(u'a')}}}}};
}

Formula Times(const mpq_class& a, std::vector<Part> factors, char16_t sep) {
    if (abs(a) != 1) {
        factors.insert(factors.begin(), Value(a, sep));
    }
    const Formula product = factors.size() == 1 ? *factors.front() : Formula{Product{factors}};
    return a == -1 ? Formula{Negative{product}} : product;
}

Formula XMinus(const mpq_class& r, char16_t sep) {
    if (r == 0) {
        return Letter(u'x');
    }
    return SumOf(Letter(u'x'), {{r > 0 ? Sign::Minus : Sign::Plus, Value(mpq_class(abs(r)), sep)}});
}

Formula Shifted(const mpq_class& r, char16_t sep) {
    return r == 0 ? Letter(u'x') : Formula{Group{XMinus(r, sep)}};
}

Formula RootFactor(const mpq_class& root) {
    const Formula x = Letter(u'x');
    if (root == 0) {
        return x;
    }
    const mpz_class& q = root.get_den();
    const Formula qx = q == 1 ? x : Formula{Product{{Whole(q), x}}};
    const Sign sign = root > 0 ? Sign::Minus : Sign::Plus;
    return {Group{SumOf(qx, {{sign, Whole(abs(root.get_num()))}})}};
}

WorkingLine NotAQuadraticLine() {
    return {WorkingStep::NotAQuadratic, {Equals(Letter(u'a'), Text(u"0"))}};
}

WorkingLine LineRootLine(Formula root, Relation relation) {
    const Formula general = SumOf(Formula{Fraction{Letter(u'c'), Letter(u'b')}}, {}, Sign::Minus);
    return {
        WorkingStep::LineRoot,
        {Formula{Chain{Letter(u'x'), {{Relation::Equals, general}, {relation, std::move(root)}}}}}};
}

// √k for a rational k ≥ 0: a value where k is a square, else √k.
Formula SquareRootOf(const mpq_class& k, char16_t sep) {
    if (mpz_perfect_square_p(k.get_num_mpz_t()) && mpz_perfect_square_p(k.get_den_mpz_t())) {
        mpz_class n, d;
        mpz_sqrt(n.get_mpz_t(), k.get_num_mpz_t());
        mpz_sqrt(d.get_mpz_t(), k.get_den_mpz_t());
        return Value(mpq_class(n, d), sep);
    }
    return {SquareRoot{Value(k, sep)}};
}

} // namespace veltrix::steps
