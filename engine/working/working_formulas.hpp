// The formulas the working's steps are written with: letters, numbers and exact values, the
// equation and its coefficients, sums, points, the general formulas, and the lines that the exact
// and the bounded working share. Only the working's own files use them.
#pragma once

#include "engine/formula/formula.hpp"
#include "engine/working/working.hpp"

#include <array>
#include <gmpxx.h>
#include <optional>
#include <string>
#include <vector>

namespace veltrix::steps {

Formula Letter(char16_t name);

// "; " between the items of a list where the decimal separator is a comma, ", " otherwise.
math::ListSeparator ListSeparatorFor(char16_t separator);
Formula Text(std::u16string text);
Formula Whole(const mpz_class& n);

// A rational: a decimal where it ends ("0.1", "-3.1"), otherwise a fraction of whole numbers in
// lowest terms with its sign before it (-1/3, -\frac{1}{3}).
Formula Value(const mpq_class& value, char16_t sep);

// A rational as a factor of a product or the base of a power: in parentheses when negative.
Formula Factor(const mpq_class& value, char16_t sep);

Formula Squared(Formula base);

// √k for a rational k ≥ 0: its value where k is the square of a rational (√6.25 = 2.5), else √k.
Formula SquareRootOf(const mpq_class& k, char16_t sep);
Formula Equals(Formula left, Formula right, math::Relation relation = math::Relation::Equals);
Formula Approximately(Formula left, Formula right);

// The first term alone where no other follows it.
Formula SumOf(Formula first, std::vector<math::Term> rest, std::optional<math::Sign> leading = {});

// (x, y); (x; y) where the decimal separator is a comma.
Formula Point(Formula x, Formula y, char16_t sep);

// q times i, q left out where it is 1: 2i, 0.87i, (1/3)i, i.
Formula TimesI(Formula q);

// p ± qi
Formula ComplexPair(Formula real, Formula imaginary);

// x ≈ value, or x = value where rounding has left the root as it is.
Formula RoundedX(Formula value, bool exact);

// One term of a polynomial, its sign apart from its magnitude, so that it can be written with
// an operator before it ("− 2x") or, first, with its own sign ("-2x").
struct Coefficient {
    int sign = 0; // -1, 0 (no term) or 1
    Formula magnitude;
    bool unit = false; // a magnitude of 1, left out before a variable
};

Coefficient CoefficientOf(const mpq_class& value, char16_t sep);

// The magnitude times the variable, if the term has one: 2x, x (a magnitude of 1 left out), 3.
Formula MonomialOf(const Coefficient& coefficient, const std::optional<Formula>& variable);

// A term of a sum with its sign apart, so that the first is written with its own sign ("-2x")
// and each other with an operator before it ("− 2x").
struct SignedTerm {
    bool negative = false;
    Formula term;
};

// The terms as a sum; 0 where there is none.
Formula SignedSum(std::vector<SignedTerm> terms);

// ax² + bx + c with its terms of 0 left out; 0 where every term is.
Formula PolynomialOf(const Coefficient& a, const Coefficient& b, const Coefficient& c);

// y = ax² + bx + c with its terms of 0 left out; y = 0 where every term is. y ≈ … where a
// coefficient is shown rounded.
Formula EquationOf(const Coefficient& a, const Coefficient& b, const Coefficient& c,
                   math::Relation relation = math::Relation::Equals);

// a = 10, b = -2, c = -3; "≈" for a coefficient shown rounded.
Formula CoefficientList(Formula a, Formula b, Formula c, char16_t separator,
                        std::array<bool, 3> exact = {true, true, true});

// b² − 4ac
Formula GeneralDiscriminant();

// (−b ± √(b² − 4ac))/(2a), or with a letter for the discriminant: (−b ± √D)/(2a).
Formula QuadraticFormula(Formula discriminant = GeneralDiscriminant());

// a times the factors: a left out where it is 1, and only its sign written where it is -1.
Formula Times(const mpq_class& a, std::vector<math::Part> factors, char16_t sep);

// x − r without brackets: x, x − 0.1, x + 1.
Formula XMinus(const mpq_class& r, char16_t sep);
// x − r as a factor: "x" alone for r = 0, "(x − 0.1)" or "(x + 1)" otherwise.
Formula Shifted(const mpq_class& r, char16_t sep);

// qx − p, the factor of a root p/q in lowest terms with whole numbers only: "x" alone for 0,
// "(2x − 1)" for 0.5, "(x + 3)" for -3.
Formula RootFactor(const mpq_class& root);

// a = 0: the curve is a straight line.
WorkingLine NotAQuadraticLine();

// x = −c/b = root, or ≈ where the root is shown rounded.
WorkingLine LineRootLine(Formula root, math::Relation relation);

} // namespace veltrix::steps
