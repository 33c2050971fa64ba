#include "engine/formula.hpp"

#include "engine/exact.hpp"

#include <algorithm>

namespace veltrix::math {
namespace {

// A decimal's LaTeX: a comma as decimal separator in braces, so that it is not spaced as a
// punctuation mark.
std::u16string LatexDecimal(std::u16string_view text) {
    std::u16string latex;
    for (const char16_t c : text) {
        latex += c == u',' ? std::u16string(u"{,}") : std::u16string(1, c);
    }
    return latex;
}

std::u16string Digits(const mpz_class& n) {
    const std::string ascii = n.get_str();
    return {ascii.begin(), ascii.end()};
}

Formula Parenthesized(const Formula& inner) {
    return Same(u"(") + inner + Same(u")");
}

} // namespace

Formula Same(std::u16string_view text) {
    return {std::u16string(text), std::u16string(text)};
}

Formula Plus() {
    return Same(u" + ");
}
Formula Minus() {
    return {u" \u2212 ", u" - "};
}
Formula PlusMinus() {
    return {u" \u00B1 ", u" \\pm "};
}
Formula Times() {
    return {u"\u00B7", u" \\cdot "};
}
Formula Equals() {
    return Same(u" = ");
}

Formula Number(const mpq_class& value, char16_t separator) {
    const std::u16string plain = RationalText(value, separator);
    if (EndsAsDecimal(value)) {
        return {plain, LatexDecimal(plain)};
    }
    const std::u16string sign = value < 0 ? u"-" : u"";
    return {plain, sign + u"\\frac{" + Digits(abs(value.get_num())) + u"}{" +
                       Digits(value.get_den()) + u"}"};
}

Formula Number(std::u16string_view text) {
    const std::size_t e = text.find(u'E');
    if (e == std::u16string_view::npos) {
        return {std::u16string(text), LatexDecimal(text)};
    }
    // "E+20" or "E-07": the power's sign, then its digits without leading zeros.
    std::u16string power(text.substr(e + 2));
    power.erase(0, std::min(power.find_first_not_of(u'0'), power.size() - 1));
    if (text[e + 1] == u'-') {
        power.insert(power.begin(), u'-');
    }
    return {std::u16string(text),
            LatexDecimal(text.substr(0, e)) + u" \\times 10^{" + power + u"}"};
}

Formula Factor(const mpq_class& value, char16_t separator) {
    const Formula number = Number(value, separator);
    if (value < 0) {
        return Parenthesized(number);
    }
    // A positive fraction needs parentheses in the plain text only: 4·(1/3).
    return EndsAsDecimal(value) ? number : Formula{u"(" + number.plain + u")", number.latex};
}

Formula Fraction(const Formula& numerator, const Formula& denominator, bool compound) {
    const std::u16string top = compound ? u"(" + numerator.plain + u")" : numerator.plain;
    return {top + u"/" + denominator.plain,
            u"\\frac{" + numerator.latex + u"}{" + denominator.latex + u"}"};
}

Formula SquareRoot(const Formula& radicand, bool compound) {
    const std::u16string inner = compound ? u"(" + radicand.plain + u")" : radicand.plain;
    return {u"\u221A" + inner, u"\\sqrt{" + radicand.latex + u"}"};
}

std::u16string ListSeparator(char16_t separator) {
    return separator == u',' ? u"; " : u", ";
}

Formula Point(const Formula& x, const Formula& y, char16_t separator) {
    return Parenthesized(x + Same(ListSeparator(separator)) + y);
}

Term TermOf(const mpq_class& value, char16_t separator) {
    return {sgn(value), Number(mpq_class(abs(value)), separator), abs(value) == 1};
}

Formula Sum(std::initializer_list<Monomial> terms) {
    Formula sum;
    bool first = true;
    for (const Monomial& term : terms) {
        const Term& coefficient = term.coefficient;
        if (coefficient.sign == 0) {
            continue;
        }
        if (first) {
            sum += Same(coefficient.sign < 0 ? u"-" : u"");
        } else {
            sum += coefficient.sign < 0 ? Minus() : Plus();
        }
        first = false;
        const bool hasVariable = !term.variable.plain.empty();
        if (!coefficient.unit || !hasVariable) {
            sum += coefficient.magnitude;
        }
        sum += term.variable;
    }
    return first ? Same(u"0") : sum;
}

} // namespace veltrix::math
