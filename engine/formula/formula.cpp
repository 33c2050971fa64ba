#include "engine/formula/formula.hpp"

#include "engine/core/text_concat.hpp"
#include "engine/formula/latex.hpp"

#include <algorithm>

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
    switch (separator) {
    case ListSeparator::Comma:
        break;
    case ListSeparator::Semicolon:
        return u"; ";
    case ListSeparator::Bar:
        return u" | ";
    }
    return u", ";
}

// What stands between a group's brackets where it holds nothing, so that { } reads as one mark.
std::u16string NotEmpty(std::u16string inner, std::u16string_view space) {
    return inner.empty() ? std::u16string(space) : inner;
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
// A subscript's digits lowered: x₁,₂. Its comma stays a comma, for there is no lowered one.
std::u16string Lowered(std::u16string_view subscript) {
    std::u16string lowered;
    for (const char16_t c : subscript) {
        lowered += c >= u'0' && c <= u'9' ? static_cast<char16_t>(u'\u2080' + (c - u'0')) : c;
    }
    return lowered;
}

std::u16string Plain(const Variable& variable) {
    return Concat(
        {std::u16string(1, variable.name), Lowered(variable.subscript), Primes(variable.primes)});
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
    const bool brace = group.bracket == Bracket::Brace;
    return Concat(
        {brace ? u"{" : u"(", NotEmpty(PlainText(*group.inner), u" "), brace ? u"}" : u")"});
}

std::u16string PlainRelation(Relation relation) {
    switch (relation) {
    case Relation::Equals:
        break;
    case Relation::Approximately:
        return u" \u2248 ";
    case Relation::Less:
        return u" < ";
    }
    return u" = ";
}

std::u16string Plain(const Chain& chain) {
    std::u16string text = PlainText(*chain.first);
    for (const Link& link : chain.rest) {
        text += PlainRelation(link.relation) + PlainText(*link.side);
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

// A Greek capital is a command (\Delta), as is the empty set (\emptyset); the primes are TeX's own
// (x''), which take an exponent after them into the same superscript: b'^{2}.
std::u16string LatexOf(const Variable& variable) {
    std::u16string text = variable.name == u'\u0394'   ? u"\\Delta"
                          : variable.name == u'\u2205' ? u"\\emptyset"
                                                       : std::u16string(1, variable.name);
    if (!variable.subscript.empty()) {
        text += Concat({u"_{", variable.subscript, u"}"});
    }
    return text + std::u16string(variable.primes, u'\'');
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

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Whether the text ends in a command's name, which a letter after it would lengthen: \Delta.
bool EndsInCommandName(std::u16string_view text) {
    const auto letters = std::find_if_not(text.rbegin(), text.rend(), IsLetter);
    return letters != text.rbegin() && letters != text.rend() && *letters == u'\\';
}

std::u16string LatexOf(const Product& product) {
    std::u16string text;
    for (std::size_t i = 0; i < product.factors.size(); ++i) {
        const std::u16string factor = Latex(*product.factors[i]);
        if (i > 0 && product.dotted) {
            text += u" \\cdot ";
        } else if (EndsInCommandName(text) && !factor.empty() && IsLetter(factor.front())) {
            text += u' '; // \Delta x, not \Deltax
        }
        text += factor;
    }
    return text;
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
    const auto* letter = std::get_if<Variable>(&power.base->node);
    const bool primed = letter != nullptr && letter->primes > 0;
    return Concat({Latex(*power.base), u"^",
                   exponent.size() == 1 && !primed ? exponent : Concat({u"{", exponent, u"}"})});
}

// Brackets round a fraction grow with it, as they do in the window: a worksheet sets its
// fractions at full size, and a fixed bracket would reach only to the fraction's middle.
// An empty set's braces hold a thin space, as a textbook sets { }.
std::u16string LatexOf(const Group& group) {
    const std::u16string inner = NotEmpty(Latex(*group.inner), u"\\,");
    const bool brace = group.bracket == Bracket::Brace;
    std::u16string_view open = brace ? u"\\{" : u"(", close = brace ? u"\\}" : u")";
    if (inner.find(u"\\frac") != std::u16string::npos) {
        return Concat({u"\\left", open, inner, u"\\right", close});
    }
    return Concat({open, inner, close});
}

std::u16string LatexRelation(Relation relation) {
    switch (relation) {
    case Relation::Equals:
        break;
    case Relation::Approximately:
        return u" \\approx ";
    case Relation::Less:
        return u" < ";
    }
    return u" = ";
}

std::u16string LatexOf(const Chain& chain) {
    std::u16string text = Latex(*chain.first);
    for (const Link& link : chain.rest) {
        text += LatexRelation(link.relation) + Latex(*link.side);
    }
    return text;
}

std::u16string LatexOf(const List& list) {
    const bool bar = list.separator == ListSeparator::Bar;
    return Joined(list.items, bar ? u" \\mid " : ItemSeparator(list.separator), Latex);
}

} // namespace

// A third prime and more are written one by one.
std::u16string Primes(unsigned count) {
    return count == 2 ? u"\u2033" : std::u16string(count, u'\u2032');
}

std::u16string PlainText(const Formula& formula) {
    return std::visit([](const auto& node) { return Plain(node); }, formula.node);
}

std::u16string Latex(const Formula& formula) {
    return std::visit([](const auto& node) { return LatexOf(node); }, formula.node);
}

} // namespace veltrix::math
