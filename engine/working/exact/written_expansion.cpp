#include "engine/working/exact/written_expansion.hpp"

#include "engine/working/exact/rationals.hpp"
#include "engine/working/exact/student_sums.hpp"

#include <utility>

namespace veltrix {
namespace {

using Kind = WrittenNode::Kind;

// The most digits a product or sum may reach on its way: a few exact values' worth, so that a
// text of many factors cannot make the arithmetic slow.
constexpr std::size_t kMaxWorkingDigits = 4 * kMaxExactDigits;

bool TooManyDigits(const mpq_class& value) {
    return mpz_sizeinbase(value.get_num_mpz_t(), 10) + mpz_sizeinbase(value.get_den_mpz_t(), 10) >
           kMaxWorkingDigits;
}

// The arithmetic of the written tree, which stops counting once a value grows too long.
class Expander {
  public:
    Expander(const WrittenEquation& written, char16_t separator)
        : written_(written), separator_(separator) {}

    bool tooLong = false;

    std::optional<mpq_class> Number(const WrittenNode& node) {
        const std::optional<DecimalParts> parts =
            SplitDecimal(written_.text.substr(node.start, node.end - node.start), separator_);
        if (!parts) {
            tooLong = true;
            return std::nullopt;
        }
        ExactOutcome value = ExactValueOf(*parts);
        if (const auto* exact = std::get_if<mpq_class>(&value)) {
            return *exact;
        }
        tooLong = true;
        return std::nullopt;
    }

    Polynomial Of(std::size_t index) {
        const WrittenNode& node = written_.nodes[index];
        switch (node.kind) {
        case Kind::Number:
            return {Number(node).value_or(0), 0, 0};
        case Kind::X:
            return Power(node.power);
        case Kind::Bracket: {
            const Polynomial inner = Of(Child(node, 0));
            return node.power == 2 ? Times(inner, inner) : inner;
        }
        case Kind::Sum:
            return SumOf(node);
        case Kind::Term:
            return TermOf(node);
        }
        return {};
    }

    // A term's numbers are gathered into one coefficient and its x's into one power, so that
    // only its brackets cost a product of polynomials.
    Polynomial TermOf(const WrittenNode& term) {
        mpq_class coefficient = term.negative ? -1 : 1;
        unsigned power = 0;
        std::optional<Polynomial> brackets;
        for (std::size_t i = 0; i < term.count && !tooLong; ++i) {
            const WrittenNode& factor = written_.nodes[Child(term, i)];
            if (factor.kind == Kind::X) {
                power += factor.power;
            } else if (factor.kind == Kind::Bracket) {
                const Polynomial p = Of(Child(term, i));
                brackets = brackets ? Times(*brackets, p) : p;
                Check(*brackets);
            } else if (factor.divides) {
                coefficient /= Number(factor).value_or(1);
            } else {
                coefficient *= Number(factor).value_or(1);
            }
            tooLong = tooLong || TooManyDigits(coefficient);
        }
        Polynomial product;
        const Polynomial& p = brackets ? *brackets : Polynomial{1, 0, 0};
        for (unsigned i = 0; i + power < 3; ++i) {
            if (p[i] != 0) {
                product[i + power] = p[i] * coefficient;
            }
        }
        return product;
    }

    Polynomial SumOf(const WrittenNode& sum) {
        Polynomial total;
        for (std::size_t i = 0; i < sum.count && !tooLong; ++i) {
            const Polynomial term = Of(Child(sum, i));
            for (std::size_t p = 0; p < 3; ++p) {
                if (term[p] != 0) {
                    total[p] += term[p];
                    tooLong = tooLong || TooManyDigits(total[p]);
                }
            }
        }
        return total;
    }

    // A term as written: its coefficient, its x's and brackets, and the term multiplied out.
    ExactTerm Term(std::size_t index, bool expand) {
        const WrittenNode& node = written_.nodes[index];
        ExactTerm term;
        term.node = index;
        term.coefficient = node.negative ? -1 : 1;
        for (std::size_t i = 0; i < node.count && !tooLong; ++i) {
            const std::size_t child = Child(node, i);
            const WrittenNode& factor = written_.nodes[child];
            if (factor.kind != Kind::Number) {
                term.factors.push_back(child);
            } else if (factor.divides) {
                term.coefficient /= Number(factor).value_or(1);
                term.divided = true;
            } else {
                term.coefficient *= Number(factor).value_or(1);
            }
            tooLong = tooLong || TooManyDigits(term.coefficient);
        }
        if (expand) {
            term.expanded = Expanded(term);
        }
        return term;
    }

    ExactSide Side(std::size_t sum, bool withTerms) {
        const WrittenNode& node = written_.nodes[sum];
        ExactSide side;
        // Without the terms' steps, only those with a denominator are needed, for the common one.
        for (std::size_t i = 0; i < node.count && !tooLong; ++i) {
            if (withTerms || HasDenominator(written_.nodes[Child(node, i)])) {
                side.terms.push_back(Term(Child(node, i), withTerms));
            }
        }
        side.sum = SumOf(node);
        return side;
    }

  private:
    bool HasDenominator(const WrittenNode& term) const {
        for (std::size_t i = 0; i < term.count; ++i) {
            if (written_.nodes[Child(term, i)].divides) {
                return true;
            }
        }
        return false;
    }

    std::size_t Child(const WrittenNode& node, std::size_t i) const {
        return written_.children[node.first + i];
    }

    static Polynomial Power(unsigned power) {
        Polynomial p;
        p[power] = 1;
        return p;
    }

    // The product; its degree stays within 2, as the reader refuses any term beyond it.
    static Polynomial Times(const Polynomial& f, const Polynomial& g) {
        Polynomial product;
        for (std::size_t i = 0; i < 3; ++i) {
            for (std::size_t j = 0; i + j < 3 && f[i] != 0; ++j) {
                if (g[j] != 0) {
                    product[i + j] += f[i] * g[j];
                }
            }
        }
        return product;
    }

    void Check(const Polynomial& p) {
        for (const mpq_class& c : p) {
            tooLong = tooLong || TooManyDigits(c);
        }
    }

    // A bracket's monomials: its terms with like powers gathered where they first appear, or
    // a squared bracket multiplied out as the binomial formula gives it, highest power first.
    std::vector<Monomial> BracketMonomials(const WrittenNode& bracket) {
        std::vector<Monomial> monomials;
        if (bracket.power == 2) {
            const Polynomial inner = Of(written_.children[bracket.first]);
            const Polynomial square = Times(inner, inner);
            for (unsigned p = 3; p-- > 0;) {
                if (square[p] != 0) {
                    monomials.push_back({square[p], p});
                }
            }
            return monomials;
        }
        const WrittenNode& sum = written_.nodes[written_.children[bracket.first]];
        for (std::size_t i = 0; i < sum.count; ++i) {
            const Polynomial term = Of(Child(sum, i));
            for (unsigned p = 3; p-- > 0;) {
                Gather(monomials, {term[p], p});
            }
        }
        return monomials;
    }

    static void Gather(std::vector<Monomial>& monomials, Monomial monomial) {
        if (monomial.coefficient == 0) {
            return;
        }
        for (Monomial& m : monomials) {
            if (m.power == monomial.power) {
                m.coefficient += monomial.coefficient;
                return;
            }
        }
        monomials.push_back(std::move(monomial));
    }

    // Every product of one monomial of each factor, in the order a student multiplies them out.
    std::vector<Monomial> Expanded(const ExactTerm& term) {
        std::vector<Monomial> product{{term.coefficient, 0, term.divided}};
        for (const std::size_t index : term.factors) {
            const WrittenNode& factor = written_.nodes[index];
            const std::vector<Monomial> next = factor.kind == Kind::X
                                                   ? std::vector<Monomial>{{1, factor.power, false}}
                                                   : BracketMonomials(factor);
            std::vector<Monomial> result;
            for (const Monomial& m : product) {
                for (const Monomial& n : next) {
                    if (m.power + n.power <= 2 && m.coefficient * n.coefficient != 0) {
                        result.push_back(
                            {m.coefficient * n.coefficient, m.power + n.power, term.divided});
                        tooLong = tooLong || TooManyDigits(result.back().coefficient);
                    }
                }
            }
            product = std::move(result);
            if (tooLong) {
                break;
            }
        }
        std::erase_if(product, [](const Monomial& m) { return m.coefficient == 0; });
        return product;
    }

    const WrittenEquation& written_;
    char16_t separator_;
};

// Whether a coefficient of the quadratic fits the exact working, as a sum of plain terms must: a
// decimal of at most kMaxExactDigits digits written out, or a fraction of as many digits over
// and under its bar.
bool FitsTheWorking(const mpq_class& value) {
    if (!EndsAsDecimal(value)) {
        return mpz_sizeinbase(value.get_num_mpz_t(), 10) <= kMaxExactDigits &&
               mpz_sizeinbase(value.get_den_mpz_t(), 10) <= kMaxExactDigits;
    }
    const ScaledDigits scaled = ScaledDigitsOf(value);
    return FitsDigits({0, value == 0 ? 0 : scaled.digits.size(), scaled.exponent});
}

mpz_class Lcm(const mpz_class& a, const mpz_class& b) {
    mpz_class l;
    mpz_lcm(l.get_mpz_t(), a.get_mpz_t(), b.get_mpz_t());
    return l;
}

// The common denominator of the terms written with one, 1 where there is none.
mpz_class CommonDenominator(const ExpandedEquation& e) {
    mpz_class l = 1;
    for (const ExactSide* side : {&e.left, e.right ? &*e.right : nullptr}) {
        for (std::size_t i = 0; side && i < side->terms.size(); ++i) {
            if (side->terms[i].divided) {
                l = Lcm(l, side->terms[i].coefficient.get_den());
            }
        }
    }
    return l;
}

} // namespace

std::variant<ExpandedEquation, TooLong> ExpandWritten(const WrittenEquation& written,
                                                      char16_t separator, bool withTerms) {
    Expander expander(written, separator);
    ExpandedEquation equation;
    equation.left = expander.Side(written.left, withTerms);
    if (written.right) {
        equation.right = expander.Side(*written.right, withTerms);
    }
    if (expander.tooLong) {
        return TooLong{};
    }
    Polynomial standard = equation.left.sum;
    if (equation.right) {
        equation.movedRight = written.leftDegree == 0;
        for (std::size_t p = 0; p < 3; ++p) {
            standard[p] = equation.movedRight ? mpq_class(equation.right->sum[p] - standard[p])
                                              : mpq_class(standard[p] - equation.right->sum[p]);
        }
    }
    if (equation.right && written.name == WrittenEquation::Name::None) {
        equation.denominator = CommonDenominator(equation);
        for (mpq_class& c : standard) {
            c *= equation.denominator;
        }
    }
    for (const mpq_class& c : standard) {
        if (!FitsTheWorking(c)) {
            return TooLong{};
        }
    }
    equation.standard = {standard[2], standard[1], standard[0]};
    return equation;
}

std::optional<Polynomial> PolynomialOfNode(const WrittenEquation& written, std::size_t node,
                                           char16_t separator) {
    Expander expander(written, separator);
    Polynomial p = expander.Of(node);
    return expander.tooLong ? std::nullopt : std::optional(std::move(p));
}

std::optional<mpq_class> NumberOfNode(const WrittenEquation& written, std::size_t node,
                                      char16_t separator) {
    Expander expander(written, separator);
    return expander.Number(written.nodes[node]);
}

} // namespace veltrix
