#include "engine/sketch/sketch_tikz.hpp"

#include "engine/core/text_concat.hpp"
#include "engine/formula/latex.hpp"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>
#include <vector>

namespace veltrix {
namespace {

// A piece of a text in math mode, and its width in ems of Computer Modern: digits 0.5, a
// binary operator with its spaces 1.222, a superscript's digit (set at 6 of the 9 points) 0.41,
// and the half point TeX puts after a superscript.
struct Piece {
    std::u16string latex;
    double ems;
    bool raised = false; // a superscript, which makes the line taller
};

constexpr double kDigit = 0.5;
constexpr double kPunctuation = 0.278;
constexpr double kThinSpace = 0.167;
constexpr double kBinary = 1.222;
constexpr double kUnary = 0.778;
constexpr double kSuperscriptDigit = 0.41;
constexpr double kScriptSpace = 0.056;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool IsLetter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// ×10 to the power, as the working writes 1.5E+20; 10 to the power alone where it replaces the
// bare 1 of 1E+20.
Piece PowerOfTenPiece(const math::PowerOfTen& power, bool alone) {
    const double ems = (alone ? 0 : kBinary) + 2 * kDigit +
                       kSuperscriptDigit * static_cast<double>(power.digits.size()) +
                       (power.negative ? kUnary * 2 / 3 : 0) + kScriptSpace;
    return {alone ? math::LatexTenTo(power) : math::LatexPowerOfTen(power), ems, true};
}

// Whether the power of ten at `at` follows a bare 1, not the last digit of a longer number.
bool FollowsABareOne(std::u16string_view text, std::size_t at, char16_t separator) {
    if (at == 0 || text[at - 1] != u'1') {
        return false;
    }
    const char16_t before = at >= 2 ? text[at - 2] : u' ';
    return !IsDigit(before) && before != u'.' && before != separator;
}

// A minus or plus is a binary operator after an operand, and a sign elsewhere.
Piece Sign(std::u16string latex, const std::vector<Piece>& before) {
    const bool operand = !before.empty() && !before.back().latex.empty() &&
                         (IsDigit(before.back().latex.back()) ||
                          IsLetter(before.back().latex.back()) || before.back().latex == u")");
    return {std::move(latex), operand ? kBinary : kUnary};
}

std::optional<Piece> Special(char16_t c) {
    switch (c) {
    case u'#':
    case u'$':
    case u'%':
    case u'&':
    case u'_':
        return Piece{std::u16string(u"\\") + c, 0.833};
    case u'{':
    case u'}':
        return Piece{std::u16string(u"\\") + c, kDigit};
    case u'\\':
        return Piece{u"\\backslash ", kDigit};
    case u'^':
        return Piece{u"\\hat{}", kDigit};
    case u'~':
        return Piece{u"\\sim ", 1.333};
    case u'(':
    case u')':
    case u'[':
    case u']':
        return Piece{std::u16string(1, c), 0.389};
    case u'/':
        return Piece{u"/", kDigit};
    case u'=':
    case u'<':
    case u'>':
        return Piece{std::u16string(1, c), 1.333};
    case u'|': // between a point's coordinates, as German schools write them: S(2,5 | -0,25)
        return Piece{u"\\mid{}", 1.333};
    case u' ':
        return Piece{u" ", 0};
    default:
        return std::nullopt;
    }
}

// The working's operators, and the direction marks a right-to-left window puts around formulas.
std::optional<Piece> NonAscii(char16_t c) {
    switch (c) {
    case u'\u00B1':
        return Piece{u"\\pm ", kBinary};
    case u'\u221A':
        return Piece{u"\\surd ", 0.833};
    case u'\u00B7':
        return Piece{u"\\cdot ", 0.722};
    case u'\u00D7':
        return Piece{u"\\times ", kBinary};
    case u'\u2248':
        return Piece{u"\\approx ", 1.333};
    case u'\u00B2':
        return Piece{u"^{2}", kSuperscriptDigit + kScriptSpace, true};
    case u'\u2026':
        return Piece{u"\\ldots ", 1.0};
    case u'\u200E':
    case u'\u200F':
    case u'\u2066':
    case u'\u2067':
    case u'\u2068':
    case u'\u2069':
        return Piece{u"", 0};
    default:
        return std::nullopt;
    }
}

Piece PieceOf(std::u16string_view text, std::size_t& at, char16_t separator,
              const std::vector<Piece>& before) {
    const char16_t c = text[at];
    if (IsDigit(c)) {
        return {std::u16string(1, c), kDigit};
    }
    if (c == u',') {
        return separator == u',' ? Piece{std::u16string(math::kLatexDecimalComma), kPunctuation}
                                 : Piece{u",", kPunctuation + kThinSpace};
    }
    if (c == u'.' || c == u';') {
        return {std::u16string(1, c), c == u';' ? kPunctuation + kThinSpace : kPunctuation};
    }
    if (const std::optional<math::PowerOfTen> power = math::PowerOfTenAt(text, at)) {
        const bool alone = FollowsABareOne(text, at, separator);
        at += power->length - 1;
        return PowerOfTenPiece(*power, alone);
    }
    if (c == u'-' || c == u'+' || c == u'\u2212') {
        return Sign(c == u'+' ? u"+" : u"-", before);
    }
    if (IsLetter(c)) {
        return {std::u16string(1, c), 1.0};
    }
    if (std::optional<Piece> piece = c < 0x80 ? Special(c) : NonAscii(c)) {
        return *piece;
    }
    return {u"?", 0.472}; // anything else would stop pdflatex
}

std::vector<Piece> Pieces(std::u16string_view text, char16_t separator) {
    std::vector<Piece> pieces;
    for (std::size_t at = 0; at < text.size(); ++at) {
        Piece piece = PieceOf(text, at, separator, pieces);
        if (piece.raised && piece.latex.starts_with(u"10^")) {
            pieces.pop_back(); // the bare 1 that the power stands for
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// An em of the 9-point font in the plan's unit (0.4 cm is 11.38 points), and what the estimate
// adds for the fonts' own widths, which are a little over the round ones above.
constexpr double kUnitsPerEm = 9.0 / (kTikzCentimetresPerUnit * 72.27 / 2.54);
constexpr double kAllowance = 1.06;

std::u16string Ascii(const char* text) {
    std::u16string wide;
    for (; *text != '\0'; ++text) {
        wide.push_back(static_cast<char16_t>(*text));
    }
    return wide;
}

// A length in centimetres, to a hundredth of a millimetre.
std::u16string Centimetres(double units) {
    std::array<char, 32> buffer{};
    const double cm = std::round(units * kTikzCentimetresPerUnit * 1000) / 1000;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), cm + 0.0).ptr;
    *end = '\0';
    return Ascii(buffer.data());
}

// A point of the plan on the page, whose y grows upward.
std::u16string At(PicturePoint p) {
    return Concat({u"(", Centimetres(p.x), u",", Centimetres(kSketchHeight - p.y), u")"});
}

std::u16string Line(PicturePoint from, PicturePoint to) {
    return Concat({u"\\draw ", At(from), u" -- ", At(to), u";\n"});
}

std::u16string Node(const PictureBox& box, std::u16string_view text, char16_t separator) {
    const PicturePoint centre{box.left + box.width / 2, box.top + box.height / 2};
    return u"\\node[inner sep=0pt] at " + At(centre) + u" {$" + LatexText(text, separator) +
           u"$};\n";
}

std::u16string AxisOf(const SketchAxis& axis, bool horizontal, char16_t separator) {
    std::u16string tikz = Line(axis.from, axis.to);
    const double half = kSketchTickLength / 2;
    for (const SketchTick& tick : axis.ticks) {
        tikz += horizontal ? Line({tick.at, axis.from.y - half}, {tick.at, axis.from.y + half})
                           : Line({axis.from.x - half, tick.at}, {axis.from.x + half, tick.at});
        if (tick.numberBox) {
            tikz += Node(*tick.numberBox, tick.number, separator);
        }
    }
    return tikz;
}

std::u16string CurveOf(const std::vector<PicturePoint>& polyline) {
    if (polyline.size() < 2) {
        return {};
    }
    std::u16string tikz = u"\\draw[line width=0.8pt] " + At(polyline.front());
    for (std::size_t i = 1; i < polyline.size(); ++i) {
        tikz += (i % 6 == 0 ? u"\n  -- " : u" -- ") + At(polyline[i]);
    }
    return tikz + u";\n";
}

} // namespace

std::u16string LatexText(std::u16string_view text, char16_t separator) {
    std::u16string latex;
    for (const Piece& piece : Pieces(text, separator)) {
        latex += piece.latex;
    }
    return latex;
}

TextExtent LatexTextExtent(std::u16string_view text, char16_t separator) {
    double ems = 0;
    bool raised = false;
    for (const Piece& piece : Pieces(text, separator)) {
        ems += piece.ems;
        raised = raised || piece.raised;
    }
    // A line of digits and parentheses is an em deep and high; a superscript adds to it.
    return {ems * kUnitsPerEm * kAllowance, (raised ? 1.15 : 1.0) * kUnitsPerEm * kAllowance};
}

std::u16string TikzPicture(const SketchPlan& plan) {
    std::u16string tikz = u"% The sketch, in TikZ. Lengths in centimetres.\n"
                          u"\\begin{tikzpicture}[font=" +
                          std::u16string(kTikzFont) + u"]\n";
    tikz += u"\\useasboundingbox (0,0) rectangle " + At({kSketchWidth, 0}) + u";\n";
    tikz += AxisOf(plan.xAxis, true, plan.separator);
    tikz += AxisOf(plan.yAxis, false, plan.separator);
    for (std::size_t i = 1; i < plan.axisBreak.size(); ++i) {
        tikz += Line(plan.axisBreak[i - 1], plan.axisBreak[i]);
    }
    for (const std::vector<PicturePoint>& polyline : plan.curve) {
        tikz += CurveOf(polyline);
    }
    const std::u16string radius = Centimetres(kSketchMarkRadius);
    for (const SketchMark& mark : plan.marks) {
        tikz += u"\\fill " + At(mark.at) + u" circle[radius=" + radius + u"];\n";
        if (mark.labelBox && !mark.sharedLabel) {
            tikz += Node(*mark.labelBox, mark.label, plan.separator);
        }
    }
    return tikz + u"\\end{tikzpicture}\n";
}

} // namespace veltrix
