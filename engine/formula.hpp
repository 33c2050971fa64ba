// Mathematics written twice: as plain Unicode text, as the windows show it and a plain-text copy
// takes it (y = 10x² − 2x − 3), and as LaTeX source (y = 10x^2 - 2x - 3). Numbers keep ASCII
// digits and "-" in both, so that a value copied from either reads back; the operators between
// terms are Unicode in the plain text.
#pragma once

#include <gmpxx.h>
#include <initializer_list>
#include <string>
#include <string_view>

namespace veltrix {

struct Formula {
    std::u16string plain, latex;

    Formula& operator+=(const Formula& more) {
        plain += more.plain;
        latex += more.latex;
        return *this;
    }
    friend Formula operator+(Formula left, const Formula& right) { return left += right; }
    friend bool operator==(const Formula&, const Formula&) = default;
};

namespace math {

// The same text in both forms, such as a letter or a parenthesis.
Formula Same(std::u16string_view text);

// The operators between terms.
Formula Plus();
Formula Minus();
Formula PlusMinus();
Formula Times();  // "·", "\cdot"
Formula Equals(); // " = "

// A number, signed: a decimal where it ends, otherwise a fraction ("1/3", "\frac{1}{3}").
Formula Number(const mpq_class& value, char16_t separator);
// A number as NumberToText writes it, "1.5E+20" becoming 1.5 \times 10^{20} in LaTeX.
Formula Number(std::u16string_view text);

// A number as a factor of a product or a base of a power: in parentheses when it is negative.
Formula Factor(const mpq_class& value, char16_t separator);

// The fraction numerator/denominator: (n)/d in plain text, with the numerator in parentheses
// where `compound` says it has an operator of its own; \frac{n}{d} in LaTeX.
Formula Fraction(const Formula& numerator, const Formula& denominator, bool compound);

// The square root of a radicand: √31 or √(-16), \sqrt{31}.
Formula SquareRoot(const Formula& radicand, bool compound);

// "(0.1, -3.1)": the list separator is "; " where the decimal separator is a comma.
Formula Point(const Formula& x, const Formula& y, char16_t separator);
std::u16string ListSeparator(char16_t separator);

// One term of a sum, its sign apart from its magnitude, so that it can be written with an
// operator before it ("− 2x") or, first, with its own sign ("-2x").
struct Term {
    int sign = 0; // -1, 0 (no term) or 1
    Formula magnitude;
    bool unit = false; // a magnitude of 1, left out before a variable
};
Term TermOf(const mpq_class& value, char16_t separator);

// The terms written one after the other: a term's magnitude followed by its `variable` (a
// magnitude of 1 left out before one); terms of 0 left out; "0" when every term is.
struct Monomial {
    Term coefficient;
    Formula variable; // empty for a constant
};
Formula Sum(std::initializer_list<Monomial> terms);

} // namespace math
} // namespace veltrix
