#include "tests/support/working_checks.hpp"

#include "engine/working/exact/rationals.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <regex>
#include <string_view>
#include <variant>

namespace veltrix::fuzz {
namespace {

mpq_class Q(const mpz_class& n, const mpz_class& d = 1) {
    mpq_class q(n, d);
    q.canonicalize();
    return q;
}

// A decimal such as "-0.87" as a rational; nothing for any other text.
std::optional<mpq_class> ReadDecimal(const std::u16string& text) {
    std::string digits;
    std::size_t places = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'-' && i == 0) {
            digits.push_back('-');
        } else if (c == u'.' && !point) {
            point = true;
        } else if (c >= u'0' && c <= u'9') {
            digits.push_back(static_cast<char>(c));
            places += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty() || digits == "-") {
        return std::nullopt;
    }
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, places);
    return Q(mpz_class(digits, 10), ten);
}

// The sign of l − m·√d, d > 0.
int CompareWithRoot(const mpq_class& l, const mpz_class& m, const mpz_class& d) {
    if (m == 0) {
        return sgn(l);
    }
    if (sgn(l) != sgn(m)) {
        return l == 0 ? -sgn(m) : sgn(l);
    }
    const int squares = cmp(l * l, mpq_class(m * m * d));
    return l > 0 ? squares : -squares;
}

// Whether (p + t√d)/r (d > 0, not a square) lies within half a unit of the last place of `value`.
bool SurdRoundsTo(const mpq_class& value, unsigned places, const mpz_class& p, const mpz_class& t,
                  const mpz_class& d, const mpz_class& r) {
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, places);
    const mpq_class half = Q(1, 2 * ten);
    // value − half < (p + t√d)/r < value + half, times r, less p.
    const mpq_class low = (value - half) * r - p;
    const mpq_class high = (value + half) * r - p;
    return CompareWithRoot(low, t, d) < 0 && CompareWithRoot(high, t, d) > 0;
}

bool RationalRoundsTo(const mpq_class& value, unsigned places, const mpq_class& exact) {
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, places);
    const mpq_class scaledError = (exact - value) * ten; // in units of the last place
    const mpq_class half(1, 2);
    if (abs(scaledError) < half) {
        return true;
    }
    // Exactly halfway: the even neighbour.
    const mpq_class scaled = value * ten;
    return abs(scaledError) == half && scaled.get_den() == 1 &&
           mpz_even_p(scaled.get_num_mpz_t()) != 0;
}

// The primes below 10^6, by a sieve of Eratosthenes of the checks' own.
const std::vector<unsigned long>& PrimesBelowAMillion() {
    static const std::vector<unsigned long> primes = [] {
        std::vector<unsigned long> found;
        std::vector<bool> composite(1'000'000, false);
        for (unsigned long p = 2; p < composite.size(); ++p) {
            if (!composite[p]) {
                found.push_back(p);
                for (unsigned long j = p * p; j < composite.size(); j += p) {
                    composite[j] = true;
                }
            }
        }
        return found;
    }();
    return primes;
}

bool HasSquareFactorBelowAMillion(const mpz_class& n) {
    const mpz_class magnitude = abs(n);
    for (const unsigned long p : PrimesBelowAMillion()) {
        if (p * p > magnitude) {
            break;
        }
        if (mpz_divisible_ui_p(magnitude.get_mpz_t(), p * p) != 0) {
            return true;
        }
    }
    return false;
}

mpq_class TenToThe(std::int64_t power) {
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, static_cast<unsigned long>(power < 0 ? -power : power));
    return power < 0 ? Q(1, ten) : Q(ten);
}

// "-1.5E+20", "0.66" or "1E-401" as its mantissa and the power of ten after it.
std::optional<std::pair<mpq_class, std::int64_t>> SplitNumber(std::u16string_view text) {
    const std::size_t e = std::min(text.find(u'E'), text.size());
    const std::optional<mpq_class> mantissa = ReadDecimal(std::u16string(text.substr(0, e)));
    const std::string power(text.begin() + std::min(e + 1, text.size()), text.end());
    return mantissa ? std::optional(std::pair(*mantissa, power.empty() ? 0 : std::stoll(power)))
                    : std::nullopt;
}

std::optional<mpq_class> ReadNumber(std::u16string_view text) {
    const auto split = SplitNumber(text);
    return split ? std::optional(split->first * TenToThe(split->second)) : std::nullopt;
}

// Whether the number `after` is `before` times 10^power.
bool Moved(std::u16string_view before, std::u16string_view after, std::int64_t power) {
    const auto x = SplitNumber(before), y = SplitNumber(after);
    const std::int64_t shift = x && y ? x->second + power - y->second : 0;
    // 15 digits or fewer on both sides: equal values are not far apart.
    return x && y &&
           (shift > -40 && shift < 40 ? x->first * TenToThe(shift) == y->first
                                      : x->first == 0 && y->first == 0);
}

// An exact value as the checks see it: its sign against any rational, and the whole number
// nearest to it times 10^s, halves to even.
struct ExactValue {
    int sign;
    std::function<int(const mpq_class&)> against;
    std::function<mpz_class(std::int64_t)> roundScaled;
};

ExactValue OfRational(const mpq_class& v) {
    return {sgn(v), [v](const mpq_class& q) { return sgn(mpq_class(v - q)); },
            [v](std::int64_t s) {
                return s >= 0 ? RoundScaled(v, static_cast<unsigned>(s))
                              : RoundScaled(v * TenToThe(s), 0);
            }};
}

// (p + t√d)/r, with d > 1 not a square and r > 0.
ExactValue OfSurd(const mpz_class& p, const mpz_class& t, const mpz_class& d, const mpz_class& r) {
    const int sign = -CompareWithRoot(mpq_class(-p), t, d); // sign(p + t√d)
    return {sign, [=](const mpq_class& q) { return -CompareWithRoot(mpq_class(q * r - p), t, d); },
            [=](std::int64_t s) {
                return s >= 0 ? RoundScaledSurd(p, t, d, r, static_cast<unsigned>(s))
                              : RoundScaledSurd(p, t, d, r * TenToThe(-s).get_num(), 0);
            }};
}

// The root (p + signedQ·√d)/r of ExactRoots.
ExactValue OfRoot(const ExactRoots& roots, const mpz_class& signedQ) {
    if (roots.d == 0 || roots.d == 1) {
        return OfRational(Q(roots.p + signedQ, roots.r));
    }
    return OfSurd(roots.p, signedQ, roots.d, roots.r);
}

// The value rounded half to even to 15 significant digits.
mpq_class FifteenDigits(const ExactValue& v, const mpq_class& estimate) {
    const auto size = [](const mpz_class& n) {
        return static_cast<std::int64_t>(mpz_sizeinbase(n.get_mpz_t(), 10));
    };
    std::int64_t first = size(estimate.get_num()) - size(estimate.get_den());
    // 10^first ≤ |v| < 10^(first + 1), moved there by exact comparisons.
    const auto above = [&](std::int64_t n) {
        return v.sign * v.against(v.sign * TenToThe(n)) >= 0;
    };
    while (!above(first)) {
        --first;
    }
    while (above(first + 1)) {
        ++first;
    }
    mpz_class m = v.roundScaled(14 - first);
    if (abs(m) == TenToThe(15).get_num()) { // rounded up to the next power of ten
        m /= 10;
        ++first;
    }
    return m * TenToThe(first - 14);
}

class Faults {
  public:
    void Expect(bool holds, const std::string& rule) {
        if (!holds) {
            list_.push_back(rule);
        }
    }

    void Value(const std::string& name, const ExactValue& v, const ShownValue& shown,
               unsigned places) {
        const std::optional<mpq_class> significant = ReadNumber(shown.significant);
        if (!significant || (v.sign == 0) != (*significant == 0)) {
            return Expect(false, name + ": the significant digits read back, 0 only for 0");
        }
        Expect(v.sign == 0 || *significant == FifteenDigits(v, *significant),
               name + ": 15 significant digits of the value, rounded half to even");
        const std::optional<double> inDoubles = TextToNumber(shown.significant);
        const double size = inDoubles ? std::abs(*inDoubles) : 0;
        Expect(!(size > 1e-300 && size < 1e300) || NumberToText(*inDoubles) == shown.significant,
               name + ": written as NumberToText writes it");
        const mpz_class rounded = v.roundScaled(places);
        const bool fixed = abs(rounded) < TenToThe(15 + places).get_num();
        Expect(shown.rounded == (fixed ? ScaledText(rounded, places) : shown.significant),
               name + ": rounded at the places as the exact working rounds");
        const std::optional<mpq_class> near =
            ReadNumber(std::u16string(shown.approximate.begin(), shown.approximate.end()));
        const mpq_class margin = near ? mpq_class(abs(*near) * TenToThe(-14)) : mpq_class(0);
        Expect(near && v.against(*near - margin) >= 0 && v.against(*near + margin) <= 0,
               name + ": the approximate value within 10^-14 of it");
    }

    std::vector<std::string> Take() { return std::move(list_); }

  private:
    std::vector<std::string> list_;
};

void CheckRoots(Faults& faults, const ExactQuadratic& q, const BoundedRoots& shown,
                unsigned places) {
    const ExactRoots roots = SolveExactly(q);
    const mpz_class t = roots.plusSign * roots.q;
    if (const auto* real = std::get_if<BoundedRealRoots>(&shown)) {
        faults.Expect(roots.d > 0, "two real roots where the discriminant is above 0");
        faults.Value("plus root", OfRoot(roots, t), real->plus, places);
        faults.Value("minus root", OfRoot(roots, -t), real->minus, places);
    } else if (const auto* twice = std::get_if<BoundedDoubleRoot>(&shown)) {
        faults.Expect(roots.d == 0, "a double root where the discriminant is 0");
        faults.Value("double root", OfRoot(roots, 0), twice->root, places);
    } else {
        const auto& complex = std::get<BoundedComplexRoots>(shown);
        faults.Expect(roots.d < 0, "complex roots where the discriminant is below 0");
        faults.Value("real part", OfRational(Q(roots.p, roots.r)), complex.real, places);
        faults.Value("imaginary part",
                     roots.d == -1 ? OfRational(Q(roots.q, roots.r))
                                   : OfSurd(0, roots.q, -roots.d, roots.r),
                     complex.imaginary, places);
    }
}

void CheckCurve(Faults& faults, const ExactQuadratic& q, const BoundedWorking& w, unsigned places) {
    if (const auto* line = std::get_if<BoundedLine>(&w.curve)) {
        faults.Expect(q.a == 0 && line->root.has_value() == (q.b != 0), "a line's root, if any");
        if (q.a == 0 && q.b != 0 && line->root) {
            faults.Value("line root", OfRational(-q.c / q.b), *line->root, places);
        }
        return;
    }
    const auto& parabola = std::get<BoundedParabola>(w.curve);
    faults.Expect(q.a != 0, "a parabola where a is not 0");
    const mpq_class discriminant = Discriminant(q);
    faults.Expect(parabola.discriminantSign == sgn(discriminant), "the discriminant's sign");
    faults.Value("discriminant", OfRational(discriminant), parabola.discriminant, places);
    faults.Value("turning x", OfRational(-q.b / (2 * q.a)), parabola.turningX, places);
    faults.Value("turning y", OfRational(q.c - q.b * q.b / (4 * q.a)), parabola.turningY, places);
    CheckRoots(faults, q, parabola.roots, places);
}

std::optional<std::array<DecimalParts, 3>> PartsOfEquation(const ParseOutcome& parsed) {
    const auto* split = std::get_if<QuadraticCoefficients>(&parsed);
    if (split == nullptr) {
        return std::nullopt;
    }
    const auto a = PartsOf(split->a), b = PartsOf(split->b), c = PartsOf(split->c);
    return a && b && c ? std::optional(std::array{*a, *b, *c}) : std::nullopt;
}

// The texts that scaling a, b and c alike leaves as they are: the turning point's x and the
// roots, each to 15 digits and rounded.
std::vector<std::u16string> Unmoved(const BoundedParabola& p) {
    std::vector<std::u16string> texts;
    const auto add = [&](const ShownValue& v) {
        texts.insert(texts.end(), {v.significant, v.rounded});
    };
    add(p.turningX);
    if (const auto* real = std::get_if<BoundedRealRoots>(&p.roots)) {
        add(real->plus);
        add(real->minus);
    } else if (const auto* complex = std::get_if<BoundedComplexRoots>(&p.roots)) {
        add(complex->imaginary);
    }
    return texts;
}

template <class... Cases> struct Overloaded : Cases... { using Cases::operator()...; };
template <class... Cases> Overloaded(Cases...) -> Overloaded<Cases...>;

// Calls `check` on the formula and on every formula inside it.
template <class Check> void Walk(const math::Formula& formula, const Check& check) {
    check(formula);
    const auto walk = [&check](const math::Part& part) { Walk(*part, check); };
    std::visit(
        Overloaded{
            [&](const math::Sum& sum) {
                walk(sum.first);
                for (const math::Term& term : sum.rest) {
                    walk(term.operand);
                }
            },
            [&](const math::Negative& negative) { walk(negative.operand); },
            [&](const math::Product& product) { std::ranges::for_each(product.factors, walk); },
            [&](const math::Fraction& fraction) {
                walk(fraction.numerator);
                walk(fraction.denominator);
            },
            [&](const math::SquareRoot& root) { walk(root.radicand); },
            [&](const math::Power& power) {
                walk(power.base);
                walk(power.exponent);
            },
            [&](const math::Group& group) { walk(group.inner); },
            [&](const math::Chain& chain) {
                walk(chain.first);
                for (const math::Link& link : chain.rest) {
                    walk(link.side);
                }
            },
            [&](const math::List& list) { std::ranges::for_each(list.items, walk); },
            [](const auto&) {}, // a number, a letter, i
        },
        formula.node);
}

// A sign, digits, a decimal separator between digits, an exponent as NumberToText writes it.
bool IsNumberText(std::u16string_view text) {
    static const std::regex number("-?[0-9]+([.,][0-9]+)?(E[+-][0-9]+)?");
    std::string ascii;
    for (const char16_t c : text) {
        ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return std::regex_match(ascii, number);
}

// The value of "x ≈ value" or "x = value"; the formula itself where it is not so written, which
// reads as no value.
const Formula& RoundedValue(const Formula& formula) {
    const auto* chain = std::get_if<math::Chain>(&formula.node);
    const bool ofX = chain != nullptr && chain->rest.size() == 1 &&
                     *chain->first == Formula{math::Variable{u'x'}};
    return ofX ? *chain->rest[0].side : formula;
}

// Whether a rounded root says it is exact: "x = value".
bool SaysEquals(const Formula& formula) {
    const auto* chain = std::get_if<math::Chain>(&formula.node);
    return chain != nullptr && !chain->rest.empty() &&
           chain->rest.back().relation == math::Relation::Equals;
}

std::optional<mpq_class> NumberValue(const Formula& formula) {
    const auto* number = std::get_if<math::Number>(&formula.node);
    return number != nullptr ? ReadDecimal(number->text) : std::nullopt;
}

// The coefficient of i: i alone is 1i.
std::optional<mpq_class> ImaginaryValue(const Formula& formula) {
    const Formula i{math::ImaginaryUnit{}};
    if (formula == i) {
        return mpq_class(1);
    }
    const auto* product = std::get_if<math::Product>(&formula.node);
    const bool timesI =
        product != nullptr && product->factors.size() == 2 && *product->factors[1] == i;
    return timesI ? NumberValue(*product->factors[0]) : std::nullopt;
}

} // namespace

std::vector<std::string> FormulaFaults(const Working& working) {
    std::vector<std::string> faults;
    const auto check = [&faults](const math::Formula& formula) {
        const auto* number = std::get_if<math::Number>(&formula.node);
        const auto* letter = std::get_if<math::Variable>(&formula.node);
        if (number != nullptr && !IsNumberText(number->text)) {
            faults.emplace_back("a number node holds one number");
        }
        if (letter != nullptr &&
            std::u16string_view(u"xyabcf").find(letter->name) == std::u16string_view::npos) {
            faults.emplace_back("a letter is x, y, a, b, c or f, the name of f(x)");
        }
    };
    for (const WorkingLine& line : working) {
        for (const Formula& formula : line.formulas) {
            Walk(formula, check);
        }
    }
    return faults;
}

std::vector<std::string> ExactRootFaults(const ExactQuadratic& q, const ExactRoots& roots) {
    std::vector<std::string> faults;
    const auto expect = [&faults](bool holds, const char* rule) {
        if (!holds) {
            faults.emplace_back(rule);
        }
    };
    const mpz_class &p = roots.p, &k = roots.q, &d = roots.d, &r = roots.r;
    expect(r > 0 && k >= 0, "r > 0 and q >= 0");
    expect(gcd(gcd(p, k), r) == 1, "p, q and r share no factor");
    expect((d == 0) == (k == 0), "q is 0 exactly for a double root");
    expect(roots.plusSign == (q.a < 0 ? -1 : 1), "the plus root's sign follows a's");
    // The sum and the product of (p + q√d)/r and (p − q√d)/r.
    expect(Q(2 * p, r) == -q.b / q.a, "the roots add up to -b/a");
    expect(Q(p * p - k * k * d, r * r) == q.c / q.a, "the roots multiply to c/a");
    // a·x² + b·x + c at x = (p ± q√d)/r: its rational part and the part that √d multiplies.
    const mpq_class rational = q.a * Q(p * p + k * k * d, r * r) + q.b * Q(p, r) + q.c;
    const mpq_class surd = q.a * Q(2 * p * k, r * r) + q.b * Q(k, r);
    if (d == 1) {
        expect(rational + surd == 0 && rational - surd == 0, "rational roots give 0");
    } else {
        expect(rational == 0 && surd == 0, "the roots give 0");
    }
    expect(d == 0 || d == 1 || d == -1 || !HasSquareFactorBelowAMillion(d),
           "the radicand has no square factor below 10^6");
    return faults;
}

std::vector<std::string> RoundedRootFaults(const ExactRoots& roots,
                                           const std::vector<WorkingLine>& lines, unsigned places) {
    if (lines.empty() || lines.size() > 2) {
        return {"the rounded roots are a line, and for complex roots maybe a second"};
    }
    const std::vector<Formula>& rounded = lines[0].formulas;
    // The first root: that of the written ±, which is Calculate's first for two rational roots
    // and (p + q√d)/r for irrational ones.
    const mpz_class t = roots.d == 1 ? mpz_class(roots.plusSign * roots.q) : roots.q;
    // Rounded from its exact value, and said with "=" exactly where it is that value.
    const auto realRoundsTo = [&](const Formula& formula, const mpz_class& signedQ) {
        const std::optional<mpq_class> value = NumberValue(RoundedValue(formula));
        if (!value) {
            return false;
        }
        if (roots.d == 0 || roots.d == 1) {
            const mpq_class exact = Q(roots.p + signedQ, roots.r);
            return RationalRoundsTo(*value, places, exact) &&
                   SaysEquals(formula) == (*value == exact);
        }
        return SurdRoundsTo(*value, places, roots.p, signedQ, roots.d, roots.r) &&
               !SaysEquals(formula);
    };
    if (roots.d >= 0) {
        const std::size_t count = roots.d == 0 ? 1 : 2;
        if (lines.size() != 1 || rounded.size() != count) {
            return {"one rounded root for a double root, two otherwise"};
        }
        if (!realRoundsTo(rounded[0], t) || (count == 2 && !realRoundsTo(rounded[1], -t))) {
            return {"each rounded root is its exact value rounded, = only where it is that value"};
        }
        return {};
    }
    // re ± im·i, with i alone for an imaginary part of 1.
    const auto* pair =
        rounded.size() == 1 ? std::get_if<math::Sum>(&RoundedValue(rounded[0]).node) : nullptr;
    if (pair == nullptr || pair->leading || pair->rest.size() != 1 ||
        pair->rest[0].sign != math::Sign::PlusMinus) {
        return {"complex roots are written re ± im·i"};
    }
    const std::optional<mpq_class> re = NumberValue(*pair->first);
    const std::optional<mpq_class> im = ImaginaryValue(*pair->rest[0].operand);
    const bool imaginaryRounds =
        im && (roots.d == -1 ? RationalRoundsTo(*im, places, Q(roots.q, roots.r))
                             : SurdRoundsTo(*im, places, 0, roots.q, -roots.d, roots.r));
    if (!re || !RationalRoundsTo(*re, places, Q(roots.p, roots.r)) || !imaginaryRounds) {
        return {"the complex roots' parts are their exact values rounded"};
    }
    const bool exact = roots.d == -1 && *re == Q(roots.p, roots.r) && *im == Q(roots.q, roots.r);
    if (SaysEquals(rounded[0]) != exact) {
        return {"complex roots are written with = exactly where both parts are exact"};
    }
    const bool saysNotReal =
        lines.size() == 2 && lines[1].step == WorkingStep::ImaginaryPartRoundsToZero;
    if (saysNotReal != (*im == 0)) {
        return {"an imaginary part that rounds to 0 is said not to be 0"};
    }
    return {};
}

std::vector<std::string> BoundedFaults(std::u16string_view equation, unsigned places) {
    const ExactReadOutcome read = ReadExactQuadratic(equation);
    const auto* q = std::get_if<ExactQuadratic>(&read);
    if (q == nullptr) {
        return {};
    }
    const BoundedOutcome outcome = WorkOutBounded(equation, places);
    const auto* w = std::get_if<BoundedWorking>(&outcome);
    if (w == nullptr) {
        return {"an equation read exactly has a bounded working"};
    }
    Faults faults;
    const std::array<const mpq_class*, 3> exact = {&q->a, &q->b, &q->c};
    for (std::size_t i = 0; i < exact.size(); ++i) {
        const ShownCoefficient& shown = w->coefficients[i];
        const std::string name = std::string(1, static_cast<char>('a' + i));
        faults.Value(name, OfRational(*exact[i]), shown.value, places);
        faults.Expect(shown.sign == sgn(*exact[i]), name + ": its sign");
        faults.Expect(shown.exact == (ReadNumber(shown.value.significant) == *exact[i]),
                      name + ": shown exactly where its 15 digits are the value");
    }
    CheckCurve(faults, *q, *w, places);
    return faults.Take();
}

std::vector<std::string> ScaledFaults(std::u16string_view equation, unsigned places,
                                      std::int64_t power) {
    const ParseOutcome parsed = ParseQuadratic(equation);
    const std::optional<std::array<DecimalParts, 3>> parts = PartsOfEquation(parsed);
    if (!parts) {
        return {};
    }
    std::array<DecimalParts, 3> scaled = *parts;
    for (DecimalParts& p : scaled) {
        p.exponent += power;
    }
    const BoundedWorking x = WorkOutBounded(*parts, places), y = WorkOutBounded(scaled, places);
    Faults faults;
    const auto moved = [](const ShownValue& before, const ShownValue& after, std::int64_t by) {
        return Moved(before.significant, after.significant, by);
    };
    for (std::size_t i = 0; i < 3; ++i) {
        faults.Expect(moved(x.coefficients[i].value, y.coefficients[i].value, power),
                      "a coefficient's digits, its exponent moved");
    }
    const auto* before = std::get_if<BoundedParabola>(&x.curve);
    const auto* after = std::get_if<BoundedParabola>(&y.curve);
    if (before == nullptr || after == nullptr) {
        faults.Expect(x.curve.index() == y.curve.index(), "a line either way");
        return faults.Take();
    }
    faults.Expect(before->discriminantSign == after->discriminantSign, "the discriminant's sign");
    faults.Expect(moved(before->discriminant, after->discriminant, 2 * power) &&
                      moved(before->turningY, after->turningY, power),
                  "the discriminant's and the turning y's digits, their exponents moved");
    faults.Expect(before->roots.index() == after->roots.index() &&
                      Unmoved(*before) == Unmoved(*after),
                  "the same roots and turning x");
    return faults.Take();
}

namespace {

// Whether a line ends with the roots: a roots' line in any school's layout, or a product's, where
// factoring ends there.
bool EndsWithRoots(WorkingStep step) {
    using enum WorkingStep;
    return step == Roots || step == TwoRoots || step == DoubleRoot || step == ComplexRoots ||
           step == ProductIsZero || step == RootsEach || step == RootsThenEach;
}

// The roots a working ends its last roots' line with (or its product's, where factoring ends
// there), sorted; and its lines from the rounded roots on, the turning point worded as the
// formula's working words it.
std::pair<std::vector<std::u16string>, Working> RootsAndAfter(Working working) {
    using enum WorkingStep;
    std::vector<std::u16string> roots;
    for (WorkingLine& line : working) {
        if (EndsWithRoots(line.step)) {
            roots.clear();
            for (const Formula& formula : line.formulas) {
                const auto& chain = std::get<math::Chain>(formula.node);
                roots.push_back(math::PlainText(*chain.rest.back().side));
            }
        }
        line.step = line.step == MinimumFromSquare   ? Minimum
                    : line.step == MaximumFromSquare ? Maximum
                                                     : line.step;
    }
    std::ranges::sort(roots);
    const auto rounded = std::ranges::find_if(working, [](const WorkingLine& line) {
        return line.step == RoundedRoots || line.step == RoundedRoot;
    });
    working.erase(working.begin(), rounded == working.end() ? working.begin() : rounded);
    return {roots, working};
}

// A root as written with ± taken as + and as −: "(1 ± √2)/2" is "(1 + √2)/2" and "(1 − √2)/2",
// "±2i" is "2i" and "−2i", as a school that writes each root apart writes them.
void AddWrittenOut(std::vector<std::u16string>& roots, const std::u16string& root) {
    const std::size_t at = root.find(u'±');
    if (at == std::u16string::npos) {
        roots.push_back(root);
        return;
    }
    for (const std::u16string_view sign : {u"+", u"−"}) {
        std::u16string one = root;
        one.replace(at, 1, at == 0 && sign == u"+" ? u"" : sign);
        roots.push_back(one);
    }
}

// The roots a working ends its last roots' line with, in whatever notation its school writes
// them, each written out, sorted.
std::vector<std::u16string> WrittenRoots(const Working& working) {
    using enum WorkingStep;
    std::vector<std::u16string> roots;
    for (const WorkingLine& line : working) {
        if (EndsWithRoots(line.step)) {
            roots.clear();
            const std::size_t first = line.step == RootsThenEach ? 1 : 0;
            for (std::size_t i = first; i < line.formulas.size(); ++i) {
                const auto& chain = std::get<math::Chain>(line.formulas[i].node);
                AddWrittenOut(roots, math::PlainText(*chain.rest.back().side));
            }
        }
    }
    std::ranges::sort(roots);
    return roots;
}

} // namespace

std::vector<std::string> SchoolFaults(std::u16string_view equation, unsigned places,
                                      std::optional<std::size_t> only) {
    const WorkingOutcome formula = WorkOut(equation, places, kPoint, WorkingMethod::Formula);
    const auto* general = std::get_if<Working>(&formula);
    Faults faults;
    for (std::size_t i = 0; i < Schools().size(); ++i) {
        const School& school = Schools()[i];
        if (only && *only % Schools().size() != i) {
            continue;
        }
        for (const std::optional<WorkingMethod> method :
             {std::optional<WorkingMethod>(), std::optional(WorkingMethod::Formula)}) {
            const WorkingOutcome other = WorkOut(equation, places, kPoint, {method, school.id});
            const auto* working = std::get_if<Working>(&other);
            faults.Expect((working != nullptr) == (general != nullptr),
                          std::string(school.id) + ": the outcome's kind");
            if (working != nullptr && general != nullptr) {
                faults.Expect(WrittenRoots(*working) == WrittenRoots(*general),
                              std::string(school.id) + ": the formula's roots");
            }
        }
    }
    return faults.Take();
}

std::vector<std::string> MethodFaults(std::u16string_view equation, unsigned places) {
    const WorkingOutcome formula = WorkOut(equation, places);
    Faults faults;
    for (const auto& [method, id] : kNamedMethods) {
        const WorkingOutcome other = WorkOut(equation, places, kPoint, method);
        const bool sameKind = other.index() == formula.index();
        faults.Expect(sameKind, std::string(id) + ": the outcome's kind");
        if (const auto* working = std::get_if<Working>(&other); working && sameKind) {
            faults.Expect(RootsAndAfter(*working) == RootsAndAfter(std::get<Working>(formula)),
                          std::string(id) + ": the formula's roots and the lines after them");
        }
    }
    return faults.Take();
}

} // namespace veltrix::fuzz
