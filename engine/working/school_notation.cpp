#include "engine/working/school_notation.hpp"

#include "engine/working/working_formulas.hpp"

#include <type_traits>
#include <utility>

namespace veltrix::steps {

using namespace math;

Formula DiscriminantName(const School& school) {
    switch (school.discriminant) {
    case DiscriminantSymbol::D:
        return Letter(u'D');
    case DiscriminantSymbol::Delta:
        return Letter(u'Δ');
    case DiscriminantSymbol::Written:
        break;
    }
    return GeneralDiscriminant();
}

Formula QuarterDiscriminantName(const School& school) {
    if (school.halfB == HalfBLetters::KAndD1) {
        return {Variable{u'D', u"1"}};
    }
    const Formula name =
        school.discriminant == DiscriminantSymbol::Delta ? Letter(u'Δ') : Letter(u'D');
    return {Fraction{name, Text(u"4")}};
}

Formula Called(Formula name, std::vector<Link> sides) {
    if (auto* chain = std::get_if<Chain>(&name.node)) {
        chain->rest.insert(chain->rest.end(), sides.begin(), sides.end());
        return name;
    }
    return {Chain{std::move(name), std::move(sides)}};
}

bool NamesEachRoot(const School& school) {
    return school.rootNames != RootNames::X;
}

Formula RootNameOf(const School& school, RootName which) {
    if (which == RootName::Double && school.rootsWritten == RootsWritten::EachByItsOwnFormula) {
        return {Variable{u'x', u"0"}};
    }
    const bool joined = school.rootNames == RootNames::Subscripts && school.joinedSubscripts;
    if (which == RootName::Double && !joined && school.rootNames != RootNames::X) {
        // x₁ = x₂, x′ = x″: the two roots are one.
        return {Chain{RootNameOf(school, RootName::First),
                      {{Relation::Equals, RootNameOf(school, RootName::Second)}}}};
    }
    if (which == RootName::Double || which == RootName::Both) {
        return joined ? Formula{Variable{u'x', u"1,2"}} : Letter(u'x');
    }
    const bool first = which == RootName::First;
    switch (school.rootNames) {
    case RootNames::Subscripts:
        return {Variable{u'x', first ? u"1" : u"2"}};
    case RootNames::Primes:
        return {Variable{u'x', u"", first ? 1u : 2u}};
    case RootNames::X:
        break;
    }
    return Letter(u'x');
}

Formula SchoolPoint(const School& school, Formula x, Formula y, char16_t sep) {
    ListSeparator between = ListSeparatorFor(sep);
    if (school.pointSeparator == PointSeparator::Bar) {
        between = ListSeparator::Bar;
    } else if (school.pointSeparator == PointSeparator::Semicolon) {
        between = ListSeparator::Semicolon;
    }
    return {Group{Formula{List{{std::move(x), std::move(y)}, between}}}};
}

Formula TurningPoint(const School& school, Formula x, Formula y, char16_t sep) {
    Formula point = SchoolPoint(school, std::move(x), std::move(y), sep);
    if (school.vertexName.empty()) {
        return point;
    }
    return {Product{{Letter(school.vertexName.front()), std::move(point)}}};
}

namespace {

Part Signed(const Part& part, Sign sign) {
    return WithSign(*part, sign == Sign::Plus ? 1 : -1);
}

} // namespace

Formula WithSign(const Formula& formula, int sign) {
    const Sign chosen = sign > 0 ? Sign::Plus : Sign::Minus;
    return std::visit(
        [&](const auto& node) -> Formula {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<Node, Sum>) {
                Sum sum{node.leading == Sign::PlusMinus ? std::optional(chosen) : node.leading,
                        Signed(node.first, chosen),
                        {}};
                if (sum.leading == Sign::Plus) {
                    sum.leading.reset(); // +√3 is written √3
                }
                for (const Term& term : node.rest) {
                    sum.rest.push_back({term.sign == Sign::PlusMinus ? chosen : term.sign,
                                        Signed(term.operand, chosen)});
                }
                return {std::move(sum)};
            } else if constexpr (std::is_same_v<Node, Negative>) {
                return {Negative{Signed(node.operand, chosen)}};
            } else if constexpr (std::is_same_v<Node, Product>) {
                Product product{{}, node.dotted};
                for (const Part& factor : node.factors) {
                    product.factors.push_back(Signed(factor, chosen));
                }
                return {std::move(product)};
            } else if constexpr (std::is_same_v<Node, Fraction>) {
                return {Fraction{Signed(node.numerator, chosen), Signed(node.denominator, chosen)}};
            } else if constexpr (std::is_same_v<Node, SquareRoot>) {
                return {SquareRoot{Signed(node.radicand, chosen)}};
            } else if constexpr (std::is_same_v<Node, Power>) {
                return {Power{Signed(node.base, chosen), node.exponent}};
            } else if constexpr (std::is_same_v<Node, Group>) {
                Group group = node;
                group.inner = Signed(node.inner, chosen);
                return {std::move(group)};
            } else {
                return formula;
            }
        },
        formula.node);
}

} // namespace veltrix::steps
