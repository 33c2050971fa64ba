#include "engine/working/bounded_quadratic.hpp"

#include "engine/core/decimal_digits.hpp"
#include "engine/working/exact/enclosure.hpp"
#include "engine/working/exact/sign.hpp"

#include <algorithm>
#include <vector>

namespace veltrix {
namespace {

using digits::TypedDigits;
using enclosure::GridPoint;
using enclosure::Interval;
using exact::Term;

constexpr std::size_t kShownDigits = 15;
constexpr std::size_t kDrawnDigits = 17;
// A figure rounded at the places has at most this many digits before its point; a larger one is
// shown in scientific notation.
constexpr std::int64_t kFixedDigits = 15;
// Where the precision starts: the shown digits and the places of a figure below 10^15 need about
// 63 bits, and the margin leaves a value undecided only where it lies within 2^-60 of a boundary.
constexpr mpfr_prec_t kFirstPrecision = 128;
// Beyond this many bits, exact signs settle a value faster than more precision would.
constexpr mpfr_prec_t kHighestCap = 1 << 14;
// The most rounding boundaries one exact settling crosses before it asks for more precision.
constexpr int kMostSteps = 4;

enum class Quantity { Discriminant, TurningX, TurningY, PlusRoot, MinusRoot, Imaginary, LineRoot };

struct Coefficients {
    explicit Coefficients(const std::array<DecimalParts, 3>& parts)
        : typed{TypedDigits(parts[0]), TypedDigits(parts[1]), TypedDigits(parts[2])}, a(typed[0]),
          b(typed[1]), c(typed[2]) {}

    std::array<TypedDigits, 3> typed;
    exact::Decimal a, b, c;
};

// -1, 0 or 1: where β stands against the vertex −b/2a, exactly.
int VertexAgainst(const Coefficients& k, const exact::Decimal& beta) {
    // −b/2a − β = (−b − 2aβ)/2a.
    return k.a.Sign() * exact::SignOfSum({Term(-1, {&k.b}), Term(-2, {&k.a, &beta})});
}

// A real root against β, from the sign of f(β) = aβ² + bβ + c. The roots lie on either side of
// the vertex h; a β on the far side of h from the root is beyond the other root too, so f(β)'s
// sign, which is a's between the roots and the opposite outside them, says on which side of the
// root β lies.
int RootAgainst(const Coefficients& k, bool upperRoot, const exact::Decimal& beta) {
    const int vertex = VertexAgainst(k, beta); // sign(h − β)
    const int f =
        exact::SignOfSum({Term(1, {&k.a, &beta, &beta}), Term(1, {&k.b, &beta}), Term(1, {&k.c})});
    if (upperRoot) {
        return vertex >= 0 ? 1 : -f * k.a.Sign();
    }
    return vertex <= 0 ? -1 : f * k.a.Sign();
}

// sign(value − β), decided exactly from the coefficients as typed.
int CompareExactly(Quantity quantity, const Coefficients& k, const exact::Decimal& beta) {
    const exact::Decimal *a = &k.a, *b = &k.b, *c = &k.c, *t = &beta;
    switch (quantity) {
    case Quantity::Discriminant:
        return exact::SignOfSum({Term(1, {b, b}), Term(-4, {a, c}), Term(-1, {t})});
    case Quantity::TurningX:
        return VertexAgainst(k, beta);
    case Quantity::TurningY: // (4ac − b² − 4aβ)/4a
        return a->Sign() * exact::SignOfSum({Term(4, {a, c}), Term(-1, {b, b}), Term(-4, {a, t})});
    case Quantity::PlusRoot: // (−b + √D)/2a is the upper root where a > 0
        return RootAgainst(k, a->Sign() > 0, beta);
    case Quantity::MinusRoot:
        return RootAgainst(k, a->Sign() < 0, beta);
    case Quantity::Imaginary: // √(−D)/2|a| > 0 against β > 0: −D against 4a²β²
        return beta.Sign() <= 0
                   ? 1
                   : exact::SignOfSum({Term(4, {a, c}), Term(-1, {b, b}), Term(-4, {a, a, t, t})});
    case Quantity::LineRoot: // (−c − bβ)/b
        return b->Sign() * exact::SignOfSum({Term(-1, {c}), Term(-1, {b, t})});
    }
    return 0;
}

struct Enclosed {
    Interval a, b, c, discriminant;
};

Enclosed EncloseAll(const Coefficients& k, mpfr_prec_t precision) {
    Enclosed e{enclosure::Enclose(k.typed[0], precision), enclosure::Enclose(k.typed[1], precision),
               enclosure::Enclose(k.typed[2], precision), Interval(precision)};
    e.discriminant = Subtract(Multiply(e.b, e.b), TimesPowerOfTwo(Multiply(e.a, e.c), 2));
    return e;
}

// A real root without cancellation: q = −(b + sign(b)·√D)/2 adds two numbers of one sign, and the
// roots are q/a and c/q.
Interval RealRoot(bool plus, const Enclosed& e, bool bNegative) {
    const Interval root = SquareRoot(e.discriminant);
    const Interval q =
        TimesPowerOfTwo(bNegative ? Subtract(root, e.b) : Negate(Add(e.b, root)), -1);
    // (−b + √D)/2a is c/q where b ≥ 0 and q/a where b < 0.
    return plus != bNegative ? Divide(e.c, q) : Divide(q, e.a);
}

Interval EncloseQuantity(Quantity quantity, const Enclosed& e, const Coefficients& k) {
    switch (quantity) {
    case Quantity::Discriminant:
        return e.discriminant;
    case Quantity::TurningX:
        return Divide(Negate(e.b), TimesPowerOfTwo(e.a, 1));
    case Quantity::TurningY: // c − b²/4a = −D/4a, without the cancellation
        return Divide(Negate(e.discriminant), TimesPowerOfTwo(e.a, 2));
    case Quantity::PlusRoot:
    case Quantity::MinusRoot:
        return RealRoot(quantity == Quantity::PlusRoot, e, k.b.Sign() < 0);
    case Quantity::Imaginary: {
        const Interval twiceA = TimesPowerOfTwo(k.a.Sign() < 0 ? Negate(e.a) : e.a, 1);
        return Divide(SquareRoot(Negate(e.discriminant)), twiceA);
    }
    case Quantity::LineRoot:
        return Divide(Negate(e.c), e.b);
    }
    return e.discriminant;
}

// What is settled of one value so far.
struct Finding {
    Quantity quantity;
    std::optional<GridPoint> significant, fixed;
    bool scientific = false; // rounded, it is shown in its significant digits
    std::string approximate;

    bool Settled() const { return significant && (scientific || fixed); }
};

// The grid point of the value from its enclosure: where both ends round alike, that (rounding
// never goes down as the value goes up); otherwise, where `exactly`, by exact comparisons with
// the boundaries between the ends' points.
std::optional<GridPoint> SettleOnGrid(const enclosure::Grid& grid, const Interval& x, bool exactly,
                                      Quantity quantity, const Coefficients& k) {
    GridPoint point = Nearest(grid, x.Lower(), enclosure::End::Lower);
    const GridPoint last = Nearest(grid, x.Upper(), enclosure::End::Upper);
    for (int step = 0; exactly && step < kMostSteps && point != last; ++step) {
        if (grid.significant > 0 && point.m == 0) {
            return std::nullopt; // no next point: only a value of 0 has this one
        }
        const GridPoint next = Next(grid, point);
        const GridPoint boundary = Midpoint(point, next);
        const int side = CompareExactly(quantity, k, exact::Decimal(boundary.m, boundary.e));
        if (side <= 0) {
            return side < 0 || mpz_even_p(point.m.get_mpz_t()) ? point : next;
        }
        point = next;
    }
    return point == last ? std::optional(point) : std::nullopt;
}

// Both ends at least 2^51 (above 10^15) in size.
bool BeyondFixed(const Interval& x) {
    const auto large = [](mpfr_srcptr end) { return !mpfr_zero_p(end) && mpfr_get_exp(end) > 51; };
    return x.Sign() != 0 && large(x.Lower()) && large(x.Upper());
}

void Settle(Finding& f, const Interval& x, unsigned places, bool exactly, const Coefficients& k) {
    f.approximate = GeneralAscii(enclosure::Approximately(x.Lower(), kDrawnDigits),
                                 static_cast<int>(kDrawnDigits));
    if (!f.significant) {
        f.significant = SettleOnGrid({kShownDigits, 0}, x, exactly, f.quantity, k);
    }
    if (!f.scientific && !f.fixed) {
        f.scientific = BeyondFixed(x);
        if (!f.scientific) {
            f.fixed = SettleOnGrid({0, places}, x, exactly, f.quantity, k);
            f.scientific = f.fixed && ToRounded(*f.fixed).lead >= kFixedDigits;
        }
    }
}

// The precision at which what is still undecided is taken to lie on or extremely near a rounding
// boundary: enough for the products of two coefficients' significant digits with a margin, and
// no more than kHighestCap.
mpfr_prec_t PrecisionCap(const Coefficients& k) {
    std::size_t digits = 0;
    for (const TypedDigits& t : k.typed) {
        digits = std::max(digits, t.Count());
    }
    const std::size_t bits = std::min<std::size_t>(digits, kHighestCap) * 2 * 3322 / 1000 + 1;
    return std::min<mpfr_prec_t>(kFirstPrecision + static_cast<mpfr_prec_t>(bits), kHighestCap);
}

std::vector<Finding> FindingsFor(std::initializer_list<Quantity> quantities) {
    std::vector<Finding> findings;
    for (const Quantity q : quantities) {
        findings.push_back({q, std::nullopt, std::nullopt, false, {}});
    }
    return findings;
}

std::vector<Finding> ParabolaFindings(int discriminantSign) {
    using enum Quantity;
    if (discriminantSign > 0) {
        return FindingsFor({Discriminant, TurningX, TurningY, PlusRoot, MinusRoot});
    }
    if (discriminantSign < 0) {
        return FindingsFor({Discriminant, TurningX, TurningY, Imaginary});
    }
    return FindingsFor({Discriminant, TurningX, TurningY});
}

// The findings of the curve, settled at a precision doubled until each is.
struct Settled {
    int discriminantSign = 0;
    std::vector<Finding> findings;
};

Settled SettleCurve(const Coefficients& k, unsigned places) {
    const bool parabola = k.a.Sign() != 0;
    // Where the discriminant's enclosure holds 0, b² and 4ac cancel: they are then of one size,
    // so that their exact difference has no more digits than they have, and it takes the
    // enclosure's place, exactly 0 where it is 0.
    std::optional<exact::Decimal> exactDiscriminant;
    std::vector<Finding> findings;
    const mpfr_prec_t cap = PrecisionCap(k);
    for (mpfr_prec_t precision = kFirstPrecision;; precision *= 2) {
        Enclosed e = EncloseAll(k, precision);
        if (parabola && !exactDiscriminant && e.discriminant.Sign() == 0) {
            exactDiscriminant = exact::SumOf({Term(1, {&k.b, &k.b}), Term(-4, {&k.a, &k.c})});
        }
        if (exactDiscriminant) {
            const exact::Decimal& d = *exactDiscriminant;
            e.discriminant = enclosure::Enclose(d.Sign() * d.Magnitude(), d.Unit(), precision);
        }
        const int sign = parabola ? e.discriminant.Sign() : 0;
        if (findings.empty()) {
            findings = parabola ? ParabolaFindings(sign) : FindingsFor({Quantity::LineRoot});
        }
        bool all = true;
        for (Finding& f : findings) {
            if (!f.Settled()) {
                Settle(f, EncloseQuantity(f.quantity, e, k), places, precision >= cap, k);
            }
            all = all && f.Settled();
        }
        if (all) {
            return {sign, std::move(findings)};
        }
    }
}

ShownValue Shown(const Finding& f, char16_t separator) {
    const std::u16string significant =
        GeneralText(ToRounded(*f.significant), static_cast<int>(kShownDigits), separator);
    return {significant, f.scientific ? significant : FixedText(ToRounded(*f.fixed), separator),
            f.approximate};
}

ShownCoefficient ShownTyped(const TypedDigits& t, unsigned places, char16_t separator) {
    const std::u16string significant =
        GeneralText(RoundSignificant(t, kShownDigits), static_cast<int>(kShownDigits), separator);
    std::u16string rounded = significant;
    if (t.Lead() < kFixedDigits) {
        const digits::Rounded fixed = RoundAtPosition(t, -static_cast<std::int64_t>(places));
        rounded = fixed.lead < kFixedDigits ? FixedText(fixed, separator) : significant;
    }
    const std::string approximate =
        GeneralAscii(RoundSignificant(t, kDrawnDigits), static_cast<int>(kDrawnDigits));
    return {{significant, rounded, approximate},
            t.Count() <= kShownDigits,
            t.IsZero() ? 0 : (t.Negative() ? -1 : 1)};
}

BoundedRoots RootsOf(const Settled& s, char16_t separator) {
    const auto shown = [&](std::size_t i) { return Shown(s.findings[i], separator); };
    // ParabolaFindings' order: the discriminant and the turning point, then the roots.
    if (s.discriminantSign > 0) {
        return BoundedRealRoots{shown(3), shown(4)};
    }
    if (s.discriminantSign < 0) {
        return BoundedComplexRoots{shown(1), shown(3)};
    }
    return BoundedDoubleRoot{shown(1)};
}

std::variant<BoundedParabola, BoundedLine> CurveOf(const Coefficients& k, unsigned places,
                                                   char16_t separator) {
    if (k.a.Sign() == 0 && k.b.Sign() == 0) {
        return BoundedLine{};
    }
    const Settled s = SettleCurve(k, places);
    if (k.a.Sign() == 0) {
        return BoundedLine{Shown(s.findings[0], separator)};
    }
    return BoundedParabola{Shown(s.findings[0], separator), s.discriminantSign,
                           RootsOf(s, separator), Shown(s.findings[1], separator),
                           Shown(s.findings[2], separator)};
}

} // namespace

const std::u16string& InterceptText(const ShownCoefficient& c) {
    const bool roundsToZero =
        std::ranges::none_of(c.value.rounded, [](char16_t ch) { return ch >= u'1' && ch <= u'9'; });
    return c.sign != 0 && roundsToZero ? c.value.significant : c.value.rounded;
}

BoundedWorking WorkOutBounded(const std::array<DecimalParts, 3>& parts, unsigned places,
                              char16_t separator) {
    enclosure::WidenExponentRange();
    const Coefficients k(parts);
    BoundedWorking working;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        working.coefficients[i] = ShownTyped(k.typed[i], places, separator);
    }
    working.curve = CurveOf(k, places, separator);
    return working;
}

std::optional<DecimalParts> PartsOf(const Coefficient& coefficient, char16_t separator) {
    if (const auto* text = std::get_if<std::u16string>(&coefficient)) {
        return SplitDecimal(*text, separator);
    }
    const double supplied = std::get<double>(coefficient);
    if (supplied == 0) {
        return DecimalParts{false, u"0", {}, 0};
    }
    if (supplied == 1 || supplied == -1) {
        return DecimalParts{supplied < 0, u"1", {}, 0};
    }
    return std::nullopt;
}

BoundedOutcome WorkOutBounded(std::u16string_view equation, unsigned places, char16_t separator) {
    const ParseOutcome parsed = ParseQuadratic(equation);
    if (std::holds_alternative<InvalidQuadratic>(parsed)) {
        return InvalidQuadratic{};
    }
    const auto* split = std::get_if<QuadraticCoefficients>(&parsed);
    if (split == nullptr) {
        return EvaluationFailed{}; // no room for the x coefficient
    }
    const std::optional<DecimalParts> a = PartsOf(split->a, separator);
    const std::optional<DecimalParts> b = PartsOf(split->b, separator);
    const std::optional<DecimalParts> c = PartsOf(split->c, separator);
    if (!a || !b || !c) {
        return EvaluationFailed{};
    }
    return WorkOutBounded({*a, *b, *c}, places, separator);
}

} // namespace veltrix
