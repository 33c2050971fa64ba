// Mathematics as a small tree, written three ways: as plain Unicode text, as the windows show it
// and a plain-text copy takes it (y = 10x² − 2x − 3); as LaTeX source (y = 10x^2 - 2x - 3); and
// laid out in two dimensions by the window that draws it, which walks the tree itself.
//
// A Formula holds one node, and a node holds its children as Parts. Walk it with std::visit:
//
//     std::visit([](const auto& node) { … }, formula.node);
//
// Numbers keep ASCII digits and "-" in every form, so that a value copied from either text reads
// back; the operators between terms are Unicode in the plain text. Parentheses that every form
// shows are Group nodes: (x − 0.1)², (-2)², 4·10·(-3). The plain text adds the ones its single
// line needs where the other forms have a fraction bar or a root's bar instead: (2 ± √124)/20,
// (−b ± √(b² − 4ac))/(2a), √(-16), 4·(1/3).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace veltrix::math {

struct Formula;

// A formula inside another. Formulas are built once and never changed, so copies share their
// parts; two parts are equal when the formulas they hold are. A formula converts to a part
// where one is expected: Fraction{numerator, denominator}.
class Part {
  public:
    Part(Formula formula);
    const Formula& operator*() const { return *formula_; }
    const Formula* operator->() const { return formula_.get(); }
    friend bool operator==(const Part& left, const Part& right);

  private:
    std::shared_ptr<const Formula> formula_;
};

// A number as it is written: ASCII digits, a leading "-" and the decimal separator ("10", "-0.5",
// "0,4"), or a double as NumberToText writes it in E notation ("1.5E+20", 1.5 \times 10^{20} in
// LaTeX). A rational whose decimals do not end is a Fraction of two whole numbers instead.
struct Number {
    std::u16string text;
    friend bool operator==(const Number&, const Number&) = default;
};

// A letter standing for a number: x, y, a, b, c, the discriminant's D or Δ. A letter that names
// one of several carries a subscript of digits and commas or primes: x₁, x₁,₂, x′, x″, D₁, b′.
struct Variable {
    char16_t name;
    std::u16string subscript = {};
    unsigned primes = 0;
    friend bool operator==(const Variable&, const Variable&) = default;
};

// i, the square root of -1.
struct ImaginaryUnit {
    friend bool operator==(const ImaginaryUnit&, const ImaginaryUnit&) = default;
};

// The operators of a sum: " + ", " − " and " ± ".
enum class Sign { Plus, Minus, PlusMinus };

struct Term {
    Sign sign;
    Part operand;
    friend bool operator==(const Term&, const Term&) = default;
};

// Terms with an operator between each two: b² − 4ac, 1 ± √2. A sign before the first term is
// an operator too: −b (the plain text's "−"), and ±√3, a prefix ±, is a sum of one term.
struct Sum {
    std::optional<Sign> leading;
    Part first;
    std::vector<Term> rest;
    friend bool operator==(const Sum&, const Sum&) = default;
};

// A value's own sign where the value is not a Number that holds it: -1/3, -x² (a coefficient of
// -1 left out), -2x² as a sum's first term. Written "-" as a number's sign is, where the operator
// before a letter in a general formula is a Sum's leading "−": −b, −c/b.
struct Negative {
    Part operand;
    friend bool operator==(const Negative&, const Negative&) = default;
};

// Factors side by side (4ac, 2x, i√3, 10(x − 0.1)²) or with a dot between them (4·10·(-3)).
struct Product {
    std::vector<Part> factors;
    bool dotted = false;
    friend bool operator==(const Product&, const Product&) = default;
};

// numerator/denominator, \frac{numerator}{denominator}.
struct Fraction {
    Part numerator, denominator;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// √radicand, \sqrt{radicand}.
struct SquareRoot {
    Part radicand;
    friend bool operator==(const SquareRoot&, const SquareRoot&) = default;
};

// base to the power of exponent: x², (x − 1)². The exponent is a whole Number, written in
// superscript digits in the plain text.
struct Power {
    Part base, exponent;
    friend bool operator==(const Power&, const Power&) = default;
};

// The brackets of a group: parentheses, or the braces round a set, {2; 3}, or { } when empty.
enum class Bracket { Round, Brace };

// A formula in brackets in every form.
struct Group {
    Part inner;
    Bracket bracket = Bracket::Round;
    friend bool operator==(const Group&, const Group&) = default;
};

// " = ", " ≈ " (\approx) where the right side is rounded, and " < " where a value is negative:
// D < 0.
enum class Relation { Equals, Approximately, Less };

struct Link {
    Relation relation;
    Part side;
    friend bool operator==(const Link&, const Link&) = default;
};

// Sides with a relation between each two: x = … = (1 ± √31)/10, x ≈ 0.66.
struct Chain {
    Part first;
    std::vector<Link> rest;
    friend bool operator==(const Chain&, const Chain&) = default;
};

// Items with ", " between them, "; " where the decimal separator is a comma, or " | " (\mid) where
// a school writes a point's coordinates apart so: a = 10, b = -2, c = -3. A point is a list in a
// Group: (0.1, -3.1), (2,5 | -0,25); a named one a product of its letter and that group:
// S(2,5 | -0,25). A set is a list in braces, and the empty set an empty list in them: { }.
enum class ListSeparator { Comma, Semicolon, Bar };

struct List {
    std::vector<Part> items;
    ListSeparator separator = ListSeparator::Comma;
    friend bool operator==(const List&, const List&) = default;
};

using Node = std::variant<Number, Variable, ImaginaryUnit, Sum, Negative, Product, Fraction,
                          SquareRoot, Power, Group, Chain, List>;

struct Formula {
    Node node;
    friend bool operator==(const Formula&, const Formula&) = default;
};

inline Part::Part(Formula formula)
    : formula_(std::make_shared<const Formula>(std::move(formula))) {}

inline bool operator==(const Part& left, const Part& right) {
    return *left == *right;
}

// A letter's primes as the plain text writes them: ′, ″.
std::u16string Primes(unsigned count);

// The formula as plain Unicode text, and as LaTeX source for a worksheet.
std::u16string PlainText(const Formula& formula);
std::u16string Latex(const Formula& formula);

} // namespace veltrix::math

namespace veltrix {
using math::Formula;
} // namespace veltrix
