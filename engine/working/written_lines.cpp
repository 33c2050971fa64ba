#include "engine/working/written_lines.hpp"

#include "engine/working/working_formulas.hpp"

#include <utility>

namespace veltrix::steps {
namespace {

using namespace math;
using Kind = WrittenNode::Kind;

// x or x², for a term's power of x of 1 or 2.
Formula X(unsigned power) {
    return power == 1 ? Letter(u'x') : Squared(Letter(u'x'));
}

// A monomial's magnitude: a fraction where a denominator gave it (x/2, 3x²/4), else its
// coefficient before its power of x, a coefficient of 1 left out.
Formula MonomialMagnitude(const Monomial& m, char16_t sep) {
    const mpq_class size = abs(m.coefficient);
    std::optional<Formula> variable;
    if (m.power > 0) {
        variable = X(m.power);
    }
    if (m.fraction && size.get_den() != 1) {
        const Formula top = !variable ? Whole(size.get_num())
                            : size.get_num() == 1
                                ? *variable
                                : Formula{Product{{Whole(size.get_num()), *variable}}};
        return {Fraction{top, Whole(size.get_den())}};
    }
    return MonomialOf(CoefficientOf(size, sep), variable);
}

Formula MonomialSum(const std::vector<Monomial>& monomials, char16_t sep) {
    std::vector<SignedTerm> terms;
    for (const Monomial& m : monomials) {
        terms.push_back({m.coefficient < 0, MonomialMagnitude(m, sep)});
    }
    return SignedSum(std::move(terms));
}

// The formulas of the equation as written.
class Written {
  public:
    Written(const WrittenEquation& written, char16_t sep) : w_(written), sep_(sep) {}

    Formula SumNode(std::size_t index) const {
        const WrittenNode& sum = w_.nodes[index];
        std::vector<SignedTerm> terms;
        for (std::size_t i = 0; i < sum.count; ++i) {
            const WrittenNode& term = w_.nodes[Child(sum, i)];
            terms.push_back({term.negative, TermNode(term)});
        }
        return SignedSum(std::move(terms));
    }

    // A term's magnitude, its factors side by side and what stands before a denominator over it.
    Formula TermNode(const WrittenNode& term) const {
        std::vector<Part> factors;
        for (std::size_t i = 0; i < term.count; ++i) {
            const std::size_t child = Child(term, i);
            if (w_.nodes[child].divides) {
                const Formula top =
                    factors.size() == 1 ? Unbracketed(*factors.front()) : Formula{Product{factors}};
                factors = {Formula{Fraction{top, NumberNode(child)}}};
            } else {
                factors.push_back(FactorNode(child));
            }
        }
        return factors.size() == 1 ? *factors.front() : Formula{Product{std::move(factors)}};
    }

    Formula FactorNode(std::size_t index) const {
        const WrittenNode& node = w_.nodes[index];
        switch (node.kind) {
        case Kind::Number:
            return NumberNode(index);
        case Kind::X:
            return X(node.power);
        case Kind::Bracket: {
            const Formula group{Group{SumNode(Child(node, 0))}};
            return node.power == 2 ? Squared(group) : group;
        }
        default:
            return SumNode(index);
        }
    }

    Formula NumberNode(std::size_t index) const {
        return Value(NumberOfNode(w_, index, sep_).value_or(0), sep_);
    }

    // The function's name, y where the text gives none.
    Formula Name() const {
        if (w_.name == WrittenEquation::Name::F) {
            return {Product{{Letter(u'f'), Formula{Group{Letter(u'x')}}}}};
        }
        return Letter(u'y');
    }

    // left = right, or the function's name = left.
    Formula Equation(Formula left, std::optional<Formula> right) const {
        return right ? Equals(std::move(left), std::move(*right)) : Equals(Name(), std::move(left));
    }

    Formula Given() const {
        std::optional<Formula> right;
        if (w_.right) {
            right = SumNode(*w_.right);
        }
        return Equation(SumNode(w_.left), std::move(right));
    }

    std::size_t Child(const WrittenNode& node, std::size_t i) const {
        return w_.children[node.first + i];
    }

    // A group's inside, where the group stands alone over a fraction bar.
    static Formula Unbracketed(const Formula& formula) {
        if (const auto* group = std::get_if<Group>(&formula.node)) {
            return *group->inner;
        }
        return formula;
    }

  private:
    const WrittenEquation& w_;
    char16_t sep_;
};

// A side with each term multiplied by l: its number times its x's and brackets as written.
Formula SideTimes(const Written& written, const ExactSide& side, const mpz_class& l, char16_t sep) {
    std::vector<SignedTerm> terms;
    for (const ExactTerm& term : side.terms) {
        const mpq_class c = term.coefficient * l;
        std::vector<Part> factors;
        for (const std::size_t f : term.factors) {
            factors.push_back(written.FactorNode(f));
        }
        if (abs(c) != 1 || factors.empty()) {
            factors.insert(factors.begin(), Value(mpq_class(abs(c)), sep));
        }
        Formula magnitude = factors.size() == 1 ? *factors.front() : Formula{Product{factors}};
        if (terms.empty() && c > 0) { // x + 1 = 2x², not (x + 1) = 2x²
            magnitude = Written::Unbracketed(magnitude);
        }
        terms.push_back({c < 0, std::move(magnitude)});
    }
    return SignedSum(std::move(terms));
}

// A side's terms multiplied out, each times l.
std::vector<Monomial> Monomials(const ExactSide& side, const mpz_class& l, bool negate = false) {
    std::vector<Monomial> monomials;
    for (const ExactTerm& term : side.terms) {
        for (const Monomial& m : term.expanded) {
            const mpq_class c = m.coefficient * l;
            monomials.push_back({negate ? mpq_class(-c) : c, m.power, m.fraction && l == 1});
        }
    }
    return monomials;
}

bool HasBrackets(const WrittenEquation& w, const ExpandedEquation& e) {
    for (const ExactSide* side : {&e.left, e.right ? &*e.right : nullptr}) {
        for (std::size_t i = 0; side && i < side->terms.size(); ++i) {
            for (const std::size_t f : side->terms[i].factors) {
                if (w.nodes[f].kind == Kind::Bracket) {
                    return true;
                }
            }
        }
    }
    return false;
}

bool SamePlainText(const Formula& a, const Formula& b) {
    return PlainText(a) == PlainText(b);
}

// The root of a factor of degree 1 (x, or a bracket such as (x − 3)); nothing for another.
std::optional<mpq_class> RootOfFactor(const WrittenEquation& w, std::size_t index, char16_t sep) {
    const WrittenNode& node = w.nodes[index];
    if (node.power != 1 || (node.kind != Kind::X && node.kind != Kind::Bracket)) {
        return std::nullopt;
    }
    const std::optional<Polynomial> p = PolynomialOfNode(w, index, sep);
    if (!p || (*p)[2] != 0 || (*p)[1] == 0) {
        return std::nullopt;
    }
    return mpq_class(-(*p)[0] / (*p)[1]);
}

bool IsZeroSide(const ExactSide& side) {
    return side.terms.size() == 1 && side.terms.front().factors.empty() &&
           side.terms.front().expanded.empty();
}

// (x + 2)(x − 3) = 0: a product is 0 where a factor is, x = -2 or x = 3.
std::optional<WorkingLine> ProductLine(const WrittenEquation& w, const ExpandedEquation& e,
                                       char16_t sep) {
    if (!e.right || !IsZeroSide(*e.right) || e.left.terms.size() != 1 ||
        e.left.terms.front().divided || e.left.terms.front().factors.size() != 2) {
        return std::nullopt;
    }
    std::vector<mpq_class> roots;
    for (const std::size_t f : e.left.terms.front().factors) {
        std::optional<mpq_class> root = RootOfFactor(w, f, sep);
        if (!root) {
            return std::nullopt;
        }
        roots.push_back(*root);
    }
    if (roots[0] == roots[1]) {
        return std::nullopt;
    }
    return WorkingLine{
        WorkingStep::ProductIsZero,
        {Equals(Letter(u'x'), Value(roots[0], sep)), Equals(Letter(u'x'), Value(roots[1], sep))}};
}

// (x − 1)² = 4: x − 1 = ±2.
std::optional<WorkingLine> SquareRootLine(const Written& written, const WrittenEquation& w,
                                          const ExpandedEquation& e, char16_t sep) {
    if (!e.right || e.left.terms.size() != 1 || (*e.right).sum[1] != 0 || (*e.right).sum[2] != 0 ||
        (*e.right).sum[0] < 0) {
        return std::nullopt;
    }
    const ExactTerm& term = e.left.terms.front();
    if (term.coefficient != 1 || term.factors.size() != 1) {
        return std::nullopt;
    }
    const WrittenNode& bracket = w.nodes[term.factors.front()];
    if (bracket.kind != Kind::Bracket || bracket.power != 2) {
        return std::nullopt;
    }
    const std::size_t inner = written.Child(bracket, 0);
    const std::optional<Polynomial> p = PolynomialOfNode(w, inner, sep);
    if (!p || (*p)[2] != 0 || (*p)[1] == 0) {
        return std::nullopt;
    }
    const mpq_class& k = (*e.right).sum[0];
    const Formula root = k == 0 ? Text(u"0") : SumOf(SquareRootOf(k, sep), {}, Sign::PlusMinus);
    return WorkingLine{WorkingStep::SquareRootOfBothSides, {Equals(written.SumNode(inner), root)}};
}

// 1/2x^2 is read as (1/2)x²: the term as typed, and what it is read as.
WorkingLine FractionLine(const Written& written, const WrittenEquation& w) {
    const WrittenNode& term = w.nodes[*w.factorAfterFraction];
    const std::u16string_view typed = w.text.substr(term.start, term.end - term.start);
    return {WorkingStep::FractionTimesFactor, {written.TermNode(term)}, std::u16string(typed)};
}

void AddSteps(std::vector<WorkingLine>& lines, const Written& written, const WrittenEquation& w,
              const ExpandedEquation& e, const Formula& standard, char16_t sep) {
    const bool equation = e.right && w.name == WrittenEquation::Name::None;
    const mpz_class& l = e.denominator;
    const auto sides = [&](Formula left, std::optional<Formula> right) {
        return written.Equation(std::move(left), std::move(right));
    };
    // A step that leaves the equation as the line before wrote it is not a step.
    const auto add = [&lines](WorkingLine line) {
        if (lines.empty() || !SamePlainText(lines.back().formulas.back(), line.formulas.back())) {
            lines.push_back(std::move(line));
        }
    };
    if (l != 1) {
        add({WorkingStep::MultiplyBothSides,
             {Whole(l),
              sides(SideTimes(written, e.left, l, sep), SideTimes(written, *e.right, l, sep))}});
    }
    if (HasBrackets(w, e)) {
        std::optional<Formula> right;
        if (e.right) {
            right = MonomialSum(Monomials(*e.right, l), sep);
        }
        add({WorkingStep::ExpandBrackets, {sides(MonomialSum(Monomials(e.left, l), sep), right)}});
    }
    if (equation && !Monomials(*e.right, l).empty()) {
        std::vector<Monomial> moved = Monomials(e.movedRight ? *e.right : e.left, l);
        for (Monomial& m : Monomials(e.movedRight ? e.left : *e.right, l, true)) {
            moved.push_back(std::move(m));
        }
        const Formula brought = Equals(MonomialSum(moved, sep), Text(u"0"));
        if (!SamePlainText(brought, standard)) {
            add({WorkingStep::BringToOneSide, {brought}});
        }
    }
}

} // namespace

WrittenWorking WrittenLines(const WrittenEquation& w, const ExpandedEquation* expanded,
                            const ExactQuadratic& q, char16_t sep) {
    const bool equation = w.right && w.name == WrittenEquation::Name::None;
    const Formula polynomial =
        PolynomialOf(CoefficientOf(q.a, sep), CoefficientOf(q.b, sep), CoefficientOf(q.c, sep));
    const Formula standard = Equals(polynomial, Text(u"0"));
    WrittenWorking result;
    // A function typed as ax² + bx + c gets no line of its own: its Equation line says it all.
    if (equation) {
        result.equation = standard;
    } else if (!w.plain) {
        result.zeros = WorkingLine{WorkingStep::ZerosOfFunction, {standard}};
    }
    if (expanded == nullptr || (!equation && w.plain)) {
        return result;
    }
    const ExpandedEquation& e = *expanded;
    const Written written(w, sep);
    const Formula given = written.Given();
    const Formula solved = equation ? standard : Equals(written.Name(), polynomial);
    if (!SamePlainText(given, solved)) {
        result.before.push_back({WorkingStep::GivenEquation, {given}});
    }
    if (w.factorAfterFraction) {
        result.before.push_back(FractionLine(written, w));
    }
    if (equation) {
        for (std::optional<WorkingLine> line :
             {ProductLine(w, e, sep), SquareRootLine(written, w, e, sep)}) {
            if (line) {
                result.before.push_back(std::move(*line));
            }
        }
    }
    AddSteps(result.before, written, w, e, standard, sep);
    return result;
}

} // namespace veltrix::steps
