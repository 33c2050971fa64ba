#include "engine/formula/formula.hpp"

#include "engine/core/text_concat.hpp"
#include "engine/formula/latex.hpp"

namespace veltrix::math {
namespace {

template <class Kind> bool Is(const Formula& formula) {
    return std::holds_alternative<Kind>(formula.node);
}

// Whether a formula reads as one thing in a line of text, wherever it stands: a number without
// a sign, a letter, i, a power, a root or a group.
bool StandsAlone(const Formula& formula) {
    if (const auto* number = std::get_if<Number>(&formula.node)) {
        return !number->text.starts_with(u'-');
    }
    return Is<Variable>(formula) || Is<ImaginaryUnit>(formula) || Is<Power>(formula) ||
           Is<SquareRoot>(formula) || Is<Group>(formula);
}

template <class Write>
std::u16string Joined(const std::vector<Part>& parts, std::u16string_view between, Write write) {
    std::u16string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += i == 0 ? std::u16string_view() : between;
        text += write(*parts[i]);
    }
    return text;
}

std::u16string ItemSeparator(ListSeparator separator) {
    return separator == ListSeparator::Semicolon ? u"; " : u", ";
}

// The plain text, node by node.

// The plain text of a part, in parentheses where `needs` says the line needs them.
std::u16string PlainOf(const Part& part, bool needs) {
    const std::u16string text = PlainText(*part);
    return needs ? Concat({u"(", text, u")"}) : text;
}

std::u16string PlainSign(Sign sign) {
    switch (sign) {
    case Sign::Plus:
        return u"+";
    case Sign::Minus:
        return u"\u2212";
    case Sign::PlusMinus:
        return u"\u00B1";
    }
    return {};
}

// A whole exponent in superscript digits: ², ¹⁰.
std::u16string Superscript(std::u16string_view digits) {
    static constexpr std::u16string_view kDigits =
        u"\u2070\u00B9\u00B2\u00B3\u2074\u2075\u2076\u2077\u2078\u2079";
    std::u16string raised;
    for (const char16_t digit : digits) {
        raised += kDigits[static_cast<std::size_t>(digit - u'0')];
    }
    return raised;
}

std::u16string Plain(const Number& number) {
    return number.text;
}
std::u16string Plain(const Variable& variable) {
    return {variable.name};
}
std::u16string Plain(const ImaginaryUnit&) {
    return u"i";
}

std::u16string Plain(const Sum& sum) {
    std::u16string text = sum.leading ? PlainSign(*sum.leading) : u"";
    text += PlainText(*sum.first);
    for (const Term& term : sum.rest) {
        text += Concat({u" ", PlainSign(term.sign), u" ", PlainText(*term.operand)});
    }
    return text;
}

std::u16string Plain(const Negative& negative) {
    return Concat({u"-", PlainText(*negative.operand)});
}

// A fraction among factors, or as a power's base, keeps its bar to itself: 4·(1/3), (1/3)i.
std::u16string PlainFactor(const Part& part) {
    return PlainOf(part, Is<Fraction>(*part));
}

std::u16string Plain(const Product& product) {
    std::u16string text;
    for (std::size_t i = 0; i < product.factors.size(); ++i) {
        text += i > 0 && product.dotted ? u"\u00B7" : u"";
        text += PlainFactor(product.factors[i]);
    }
    return text;
}

// Above the bar, a product reads as one (i√3/2); a sum or another fraction does not:
// (2 ± √124)/20. Below it only what stands alone does, since "/2a" also reads as (1/2)·a:
// /(2a), /(-4).
std::u16string Plain(const Fraction& fraction) {
    const Formula& numerator = *fraction.numerator;
    const bool group = !StandsAlone(numerator) && !Is<Product>(numerator) && !Is<Number>(numerator);
    return PlainOf(fraction.numerator, group) + u"/" +
           PlainOf(fraction.denominator, !StandsAlone(*fraction.denominator));
}

std::u16string Plain(const SquareRoot& root) {
    return Concat({u"\u221A", PlainOf(root.radicand, !StandsAlone(*root.radicand))});
}

std::u16string Plain(const Power& power) {
    return PlainFactor(power.base) + Superscript(PlainText(*power.exponent));
}

std::u16string Plain(const Group& group) {
    return Concat({u"(", PlainText(*group.inner), u")"});
}

std::u16string Plain(const Chain& chain) {
    std::u16string text = PlainText(*chain.first);
    for (const Link& link : chain.rest) {
        text += link.relation == Relation::Equals ? u" = " : u" \u2248 ";
        text += PlainText(*link.side);
    }
    return text;
}

std::u16string Plain(const List& list) {
    return Joined(list.items, ItemSeparator(list.separator), PlainText);
}

// LaTeX, node by node.

std::u16string LatexSign(Sign sign) {
    switch (sign) {
    case Sign::Plus:
        return u"+";
    case Sign::Minus:
        return u"-";
    case Sign::PlusMinus:
        return u"\\pm";
    }
    return {};
}

std::u16string LatexOf(const Number& number) {
    return LatexNumber(number.text);
}

std::u16string LatexOf(const Variable& variable) {
    return {variable.name};
}
std::u16string LatexOf(const ImaginaryUnit&) {
    return u"i";
}

std::u16string LatexOf(const Sum& sum) {
    std::u16string text;
    if (sum.leading) {
        // A command's name ends at a space: \pm \sqrt{3}.
        text = LatexSign(*sum.leading) + (*sum.leading == Sign::PlusMinus ? u" " : u"");
    }
    text += Latex(*sum.first);
    for (const Term& term : sum.rest) {
        text += Concat({u" ", LatexSign(term.sign), u" ", Latex(*term.operand)});
    }
    return text;
}

std::u16string LatexOf(const Negative& negative) {
    return Concat({u"-", Latex(*negative.operand)});
}

std::u16string LatexOf(const Product& product) {
    return Joined(product.factors, product.dotted ? u" \\cdot " : u"", Latex);
}

std::u16string LatexOf(const Fraction& fraction) {
    return Concat(
        {u"\\frac{", Latex(*fraction.numerator), u"}{", Latex(*fraction.denominator), u"}"});
}

std::u16string LatexOf(const SquareRoot& root) {
    return Concat({u"\\sqrt{", Latex(*root.radicand), u"}"});
}

std::u16string LatexOf(const Power& power) {
    const std::u16string exponent = Latex(*power.exponent);
    return Concat({Latex(*power.base), u"^",
                   exponent.size() == 1 ? exponent : Concat({u"{", exponent, u"}"})});
}

// Brackets round a fraction grow with it, as they do in the window: a worksheet sets its
// fractions at full size, and a fixed bracket would reach only to the fraction's middle.
std::u16string LatexOf(const Group& group) {
    const std::u16string inner = Latex(*group.inner);
    if (inner.find(u"\\frac") != std::u16string::npos) {
        return Concat({u"\\left(", inner, u"\\right)"});
    }
    return Concat({u"(", inner, u")"});
}

std::u16string LatexOf(const Chain& chain) {
    std::u16string text = Latex(*chain.first);
    for (const Link& link : chain.rest) {
        text += link.relation == Relation::Equals ? u" = " : u" \\approx ";
        text += Latex(*link.side);
    }
    return text;
}

std::u16string LatexOf(const List& list) {
    return Joined(list.items, ItemSeparator(list.separator), Latex);
}

} // namespace

std::u16string PlainText(const Formula& formula) {
    return std::visit([](const auto& node) { return Plain(node); }, formula.node);
}

std::u16string Latex(const Formula& formula) {
    return std::visit([](const auto& node) { return LatexOf(node); }, formula.node);
}

} // namespace veltrix::math
