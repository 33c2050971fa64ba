#include "engine/formula/latex.hpp"

#include "engine/core/text_concat.hpp"

#include <algorithm>

namespace veltrix::math {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// A character of the words as text mode writes it; nothing where it stays as it is.
std::optional<std::u16string_view> EscapedInText(char16_t c) {
    switch (c) {
    case u'\\':
        return u"\\textbackslash{}";
    case u'^':
        // The character itself, as in a text to type (X^2+0X-4), not an accent over nothing.
        return u"\\textasciicircum{}";
    case u'~':
        return u"\\textasciitilde{}";
    case u'{':
        return u"\\{";
    case u'}':
        return u"\\}";
    case u'$':
        return u"\\$";
    case u'&':
        return u"\\&";
    case u'#':
        return u"\\#";
    case u'_':
        return u"\\_";
    case u'%':
        return u"\\%";
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<PowerOfTen> PowerOfTenAt(std::u16string_view text, std::size_t at) {
    if (text[at] != u'E' || at == 0 || !IsDigit(text[at - 1]) || at + 2 >= text.size() ||
        (text[at + 1] != u'+' && text[at + 1] != u'-') || !IsDigit(text[at + 2])) {
        return std::nullopt;
    }
    std::size_t end = at + 2;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    std::u16string_view digits = text.substr(at + 2, end - at - 2);
    digits.remove_prefix(std::min(digits.find_first_not_of(u'0'), digits.size() - 1));
    return PowerOfTen{text[at + 1] == u'-', digits, end - at};
}

std::u16string LatexPowerOfTen(const PowerOfTen& power) {
    return u"\\times " + LatexTenTo(power);
}

std::u16string LatexTenTo(const PowerOfTen& power) {
    return Concat({u"10^{", power.negative ? u"-" : u"", power.digits, u"}"});
}

bool IsUnitMantissa(std::u16string_view mantissa) {
    if (!mantissa.empty() && (mantissa.front() == u'-' || mantissa.front() == u'\u2212')) {
        mantissa.remove_prefix(1);
    }
    return mantissa == u"1";
}

std::u16string LatexNumber(std::u16string_view number) {
    std::u16string latex;
    for (std::size_t at = 0; at < number.size(); ++at) {
        const char16_t c = number[at];
        if (const std::optional<PowerOfTen> power = PowerOfTenAt(number, at)) {
            if (IsUnitMantissa(number.substr(0, at))) {
                latex.pop_back(); // the 1, leaving the sign
                latex += LatexTenTo(*power);
            } else {
                latex += u' ';
                latex += LatexPowerOfTen(*power);
            }
            at += power->length - 1;
        } else if (c == u',') {
            latex += kLatexDecimalComma;
        } else {
            latex += c == u'\u2212' ? u'-' : c;
        }
    }
    return latex;
}

std::u16string LatexWords(std::u16string_view words) {
    std::u16string latex;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const bool formulaPlace =
            words[at] == u'%' && at + 1 < words.size() && IsDigit(words[at + 1]);
        const std::optional<std::u16string_view> escaped = EscapedInText(words[at]);
        if (escaped && !formulaPlace) {
            latex += *escaped;
        } else {
            latex += words[at];
        }
    }
    return latex;
}

} // namespace veltrix::math
