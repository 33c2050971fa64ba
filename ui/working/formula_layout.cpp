#include "ui/working/formula_layout.hpp"

#include "engine/formula/latex.hpp"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <variant>

namespace veltrix::ui {

namespace {

using math::Formula;
using Box = FormulaLayout;

constexpr char16_t kMinus = u'\u2212';
// A power's exponent is set at this part of its base's size.
constexpr double kExponentScale = 0.7;

QString Text(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

// How a part of the formula is set: its font, whether it is the formula's top level, where the
// line may break, and the letters and digits of the school's books.
struct Setting {
    QFont font;
    bool top = false;
    FormulaScript script = FormulaScript::Latin;

    bool Arabic() const { return script == FormulaScript::ArabicMirrored; }
    Setting Inner() const { return {font, false, script}; }
    Setting Smaller() const {
        QFont smaller = font;
        if (font.pointSizeF() > 0) {
            smaller.setPointSizeF(font.pointSizeF() * kExponentScale);
        } else {
            smaller.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * kExponentScale)));
        }
        return {smaller, false, script};
    }
    Setting Italic() const {
        QFont italic = font;
        italic.setItalic(true);
        return {italic, top, script};
    }
    QFontMetricsF Metrics() const { return QFontMetricsF(font); }
    // The room around an operator: a space of the font.
    double Room() const { return Metrics().horizontalAdvance(u' '); }
};

// The letters of books that set formulas in Arabic for those of the working. x, y and a, b, c are
// the letters every such book writes for them. k, p and q, which the books do not name, are the
// Arabic letters that stand where k, p and q stand in the alphabets' common old order, as أ, ب
// and جـ stand for a, b and c. f is د, of دالة, as the books write a function: د(س). The
// discriminant is Δ, as the books write it, whether the working names it D or Δ; the word
// المميز is too long to stand in a formula. A letter without a row keeps its Latin form.
struct ArabicLetter {
    char16_t latin;
    std::u16string_view arabic;
};
constexpr ArabicLetter kArabicLetters[] = {
    {u'x', u"س"}, {u'y', u"ص"}, {u'a', u"أ"}, {u'b', u"ب"}, {u'c', u"جـ"},
    {u'k', u"ك"}, {u'p', u"ف"}, {u'q', u"ق"}, {u'f', u"د"}, {u'D', u"Δ"},
};

QString LetterText(char16_t name, const Setting& setting) {
    if (setting.Arabic()) {
        const auto* found = std::ranges::find(kArabicLetters, name, &ArabicLetter::latin);
        if (found != std::ranges::end(kArabicLetters)) {
            return Text(std::u16string(found->arabic));
        }
    }
    return QString(QChar(name));
}

// Digits as the script writes them: in Arabic the Eastern Arabic digits ٠ to ٩, the decimal
// separator ٫ in a number, and the comma ، between a subscript's indices (x₁,₂).
QString DigitsText(QString text, const Setting& setting, bool number) {
    if (!setting.Arabic()) {
        return text;
    }
    for (QChar& c : text) {
        if (c >= u'0' && c <= u'9') {
            c = QChar(u'\u0660' + (c.unicode() - u'0'));
        } else if (c == u'.' || c == u',') {
            c = number ? QChar(u'\u066B') : QChar(u'\u060C');
        }
    }
    return text;
}

// `item` put into `into` with its origin at `offset`, without changing `into`'s extent.
void Place(Box& into, const Box& item, QPointF offset) {
    for (FormulaText text : item.texts) {
        text.at += offset;
        into.texts.push_back(std::move(text));
    }
    for (const QPolygonF& stroke : item.strokes) {
        into.strokes.push_back(stroke.translated(offset));
    }
    for (FormulaPart part : item.parts) {
        part.box.translate(offset);
        part.baseline += offset.y();
        into.parts.push_back(part);
    }
    for (const double at : item.breaks) {
        into.breaks.push_back(at + offset.x());
    }
}

// `item` set after what `row` holds, on the same baseline.
void Append(Box& row, const Box& item) {
    Place(row, item, {row.width, 0});
    row.width += item.width;
    row.ascent = std::max(row.ascent, item.ascent);
    row.descent = std::max(row.descent, item.descent);
}

// `box` mirrored about the middle of its width: each text, stroke, part and break stands as far
// from the right end as it stood from the left. The texts are moved, not mirrored: letters and
// digits keep their shapes.
void Reflect(Box& box) {
    const double width = box.width;
    for (FormulaText& text : box.texts) {
        text.at.setX(width - text.at.x() - text.width);
    }
    for (QPolygonF& stroke : box.strokes) {
        for (QPointF& point : stroke) {
            point.setX(width - point.x());
        }
    }
    for (FormulaPart& part : box.parts) {
        part.box.moveLeft(width - part.box.right());
    }
    for (double& at : box.breaks) {
        at = width - at;
    }
    std::ranges::reverse(box.breaks);
}

Box Empty(const Setting& setting) {
    const QFontMetricsF metrics = setting.Metrics();
    Box box;
    box.ascent = metrics.ascent();
    box.descent = metrics.descent();
    box.ruleWidth = std::max(1.0, metrics.lineWidth());
    return box;
}

Box Space(const Setting& setting, double width) {
    Box box = Empty(setting);
    box.width = width;
    return box;
}

// A long number in pieces of a few digits, each measured as the sum of its characters' advances,
// which the number's digits, point, sign and exponent share: a number of hundreds of digits is
// then measured without shaping it whole, and drawn in the pieces that are in sight.
Box LongNumberBox(const QString& text, const Setting& setting) {
    constexpr qsizetype kPiece = 16;
    Box box = Empty(setting);
    const QFontMetricsF metrics = setting.Metrics();
    QHash<char16_t, double> advances;
    for (qsizetype from = 0; from < text.size(); from += kPiece) {
        const QString piece = text.mid(from, kPiece);
        double width = 0;
        for (const QChar c : piece) {
            auto known = advances.find(c.unicode());
            if (known == advances.end()) {
                known = advances.insert(c.unicode(), metrics.horizontalAdvance(c));
            }
            width += *known;
        }
        box.texts.push_back({{box.width, 0}, piece, setting.font, width});
        box.width += width;
    }
    return box;
}

// A text in the setting's font; an italic letter keeps room for what leans out of its advance.
Box TextBox(const QString& text, const Setting& setting) {
    Box box = Empty(setting);
    const QFontMetricsF metrics = setting.Metrics();
    box.width = metrics.horizontalAdvance(text);
    if (setting.font.italic() && !text.isEmpty()) {
        // Not more than a sliver: a font without italics slants its letters and reports their
        // whole slant, which would set them apart from what follows.
        box.width += std::clamp(-metrics.rightBearing(text.back()), 0.0, metrics.height() / 16);
    }
    box.texts.push_back({{0, 0}, text, setting.font, box.width});
    return box;
}

// An operator between two operands, with room either side; the line may break after it.
Box Operator(const QString& symbol, const Setting& setting, double room) {
    Box box = Space(setting, room);
    Append(box, TextBox(symbol, setting));
    Append(box, Space(setting, room));
    if (setting.top) {
        box.breaks.push_back(box.width);
    }
    return box;
}

QString SignText(math::Sign sign) {
    switch (sign) {
    case math::Sign::Plus:
        return QStringLiteral("+");
    case math::Sign::Minus:
        return QString(kMinus);
    case math::Sign::PlusMinus:
        break;
    }
    return QStringLiteral("±");
}

Box LayOutPart(const Formula& formula, const Setting& setting);

double Em(const Setting& setting) {
    return QFontInfo(setting.font).pixelSize();
}

// How far a superscript's baseline stands over its base's at the least, as TeX raises it.
double SuperscriptRaise(const Setting& setting) {
    return 0.413 * Em(setting);
}

// The exponent smaller, raised as TeX raises a superscript: over a letter, a number or a bracket
// at the text's size, its baseline about four tenths of an em up, and always high enough that
// its descent clears the lower quarter of the base's x-height; over a stretched bracket, whose
// ink reaches up to `tallTop`, just under that top by the exponent's own drop, so that it hangs
// at the bracket's shoulder.
Box Raised(const Box& base, const Box& exponent, const Setting& setting,
           std::optional<double> tallTop = std::nullopt) {
    const QFontMetricsF metrics = setting.Metrics();
    const double drop = 0.386 * kExponentScale * Em(setting);
    const double raise = std::max({tallTop ? *tallTop - drop : 0.0, SuperscriptRaise(setting),
                                   exponent.descent + metrics.xHeight() / 4});
    Box box = Empty(setting);
    Append(box, base);
    const QPointF at(box.width, -raise);
    Place(box, exponent, at);
    box.width = at.x() + exponent.width;
    box.ascent = std::max(box.ascent, raise + exponent.ascent);
    box.descent = std::max(box.descent, exponent.descent - raise);
    box.parts.push_back(
        {FormulaRole::Base, QRectF(0, -base.ascent, base.width, base.ascent + base.descent), 0});
    box.parts.push_back({FormulaRole::Exponent,
                         QRectF(at.x(), at.y() - exponent.ascent, exponent.width,
                                exponent.ascent + exponent.descent),
                         -raise});
    return box;
}

// How high the ink of a stretched bracket at the end of `base` reaches over its baseline, if
// the base ends in one.
std::optional<double> StretchedBracketTop(const Box& base) {
    if (base.texts.empty() || base.texts.back().stretch == 1) {
        return std::nullopt;
    }
    const FormulaText& bracket = base.texts.back();
    const double glyphTop = -QFontMetricsF(bracket.font).tightBoundingRect(bracket.text).top();
    return bracket.stretch * glyphTop - bracket.at.y();
}

// A letter as TeX sets it: a Latin one italic, a Greek capital (Δ) upright; an Arabic one upright,
// as the books print it.
Box LetterGlyph(char16_t name, const Setting& setting) {
    const QString letter = LetterText(name, setting);
    const char16_t first = letter.front().unicode();
    const bool greekCapital = first >= u'\u0391' && first <= u'\u03A9';
    const bool upright = greekCapital || letter.front().script() == QChar::Script_Arabic;
    return TextBox(letter, upright ? setting : setting.Italic());
}

// Primes at the height of a superscript prime. The Unicode prime already stands high in its em,
// unlike TeX's, which a superscript raises; so it keeps the letter's size and is moved only until
// its top is level with the top of the exponent's digits that may follow it: b′².
Box PrimesBox(unsigned primes, const Setting& setting) {
    const QString marks = Text(math::Primes(primes));
    Box box = TextBox(marks, setting);
    const double digitTop =
        -setting.Smaller().Metrics().tightBoundingRect(QStringLiteral("0")).top();
    const double markTop = -setting.Metrics().tightBoundingRect(marks).top();
    const double lift = SuperscriptRaise(setting) + digitTop - markTop;
    box.texts.front().at.ry() -= lift;
    box.ascent += lift;
    box.descent -= lift;
    return box;
}

// A subscript smaller and lowered as TeX lowers one: by 0.15 em, or by 0.247 em under an exponent
// so that the two stay apart, and further if need be to keep its top under four fifths of the
// x-height. It stands at `at`, where the letter ends, under the primes and the exponent.
void AttachSubscript(Box& row, double at, const QString& text, const Setting& setting,
                     bool underExponent) {
    const Setting script = setting.Smaller();
    const Box subscript = TextBox(text, script);
    const double inkTop = -script.Metrics().tightBoundingRect(text).top();
    const double lower = std::max((underExponent ? 0.247 : 0.15) * Em(setting),
                                  inkTop - 0.8 * setting.Metrics().xHeight());
    Place(row, subscript, {at, lower});
    row.width = std::max(row.width, at + subscript.width);
    row.ascent = std::max(row.ascent, subscript.ascent - lower);
    row.descent = std::max(row.descent, subscript.descent + lower);
    row.parts.push_back({FormulaRole::Subscript,
                         QRectF(at, lower - subscript.ascent, subscript.width,
                                subscript.ascent + subscript.descent),
                         lower});
}

// A letter with its scripts as TeX attaches them: the primes, then the exponent after them as one
// superscript (b′²), and the subscript under both from the letter's end (x₁²).
Box LetterBox(const math::Variable& letter, const Setting& setting, const Box* exponent = nullptr) {
    Box row = LetterGlyph(letter.name, setting);
    const double scriptsAt = row.width;
    if (letter.primes > 0) {
        Append(row, PrimesBox(letter.primes, setting));
    }
    if (exponent != nullptr) {
        row = Raised(row, *exponent, setting);
    }
    if (!letter.subscript.empty()) {
        AttachSubscript(row, scriptsAt, DigitsText(Text(letter.subscript), setting, false), setting,
                        exponent != nullptr);
    }
    return row;
}

Box PowerBox(const math::Power& power, const Setting& setting) {
    const Box exponent = LayOutPart(*power.exponent, setting.Smaller());
    if (const auto* letter = std::get_if<math::Variable>(&power.base->node)) {
        return LetterBox(*letter, setting.Inner(), &exponent);
    }
    const Box base = LayOutPart(*power.base, setting.Inner());
    return Raised(base, exponent, setting, StretchedBracketTop(base));
}

// Digits as written, their sign the minus sign a textbook prints.
Box DigitsBox(QString text, const Setting& setting) {
    if (text.startsWith(u'-')) {
        text[0] = kMinus;
    }
    text = DigitsText(text, setting, true);
    if (!setting.Arabic()) {
        return text.size() > 32 ? LongNumberBox(text, setting) : TextBox(text, setting);
    }
    // The sign apart from the digits, so that mirrored it stands before them as one reads, on
    // their right: ٣−.
    Box row = Empty(setting);
    if (text.startsWith(kMinus)) {
        Append(row, TextBox(QString(kMinus), setting));
        text.remove(0, 1);
    }
    // A number's digits read from the left in a formula that reads from the right: reflected
    // here, a long number's pieces are back in their order when the whole formula is.
    Box digits = text.size() > 32 ? LongNumberBox(text, setting) : TextBox(text, setting);
    Reflect(digits);
    Append(row, digits);
    return row;
}

// A number too large or small for plain decimals as a textbook writes it: 1.5E-07 as 1.5 × 10
// to the −7, and a bare 1 before the power as the power alone.
Box ScientificBox(std::u16string_view text, std::size_t at, const math::PowerOfTen& power,
                  const Setting& setting) {
    const std::u16string_view mantissa = text.substr(0, at);
    Box row = Empty(setting);
    if (math::IsUnitMantissa(mantissa)) {
        if (mantissa.size() > 1) {
            Append(row, TextBox(QString(kMinus), setting));
        }
    } else {
        Append(row, DigitsBox(Text(std::u16string(mantissa)), setting));
        Append(row, Operator(QStringLiteral("×"), setting.Inner(), setting.Room() / 3));
    }
    const QString exponent =
        (power.negative ? QString(kMinus) : QString()) + Text(std::u16string(power.digits));
    Append(row, Raised(DigitsBox(QStringLiteral("10"), setting),
                       DigitsBox(exponent, setting.Smaller()), setting));
    return row;
}

Box NumberBox(const math::Number& number, const Setting& setting) {
    const std::u16string_view text = number.text;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (const std::optional<math::PowerOfTen> power = math::PowerOfTenAt(text, at)) {
            return ScientificBox(text, at, *power, setting);
        }
    }
    return DigitsBox(Text(number.text), setting);
}

Box SumBox(const math::Sum& sum, const Setting& setting) {
    Box row = Empty(setting);
    if (sum.leading) {
        Append(row, TextBox(SignText(*sum.leading), setting));
    }
    Append(row, LayOutPart(*sum.first, setting));
    for (const math::Term& term : sum.rest) {
        Append(row, Operator(SignText(term.sign), setting, setting.Room()));
        Append(row, LayOutPart(*term.operand, setting));
    }
    return row;
}

Box NegativeBox(const math::Negative& negative, const Setting& setting) {
    Box row = TextBox(QString(kMinus), setting);
    Append(row, LayOutPart(*negative.operand, setting.Inner()));
    return row;
}

// Numbers multiplied stand apart by a dot; in Arabic by ×, as the books write it, the Arabic zero
// ٠ being a dot itself: ٤ × ١ × ٦.
Box ProductBox(const math::Product& product, const Setting& setting) {
    const QString times = setting.Arabic() ? QStringLiteral("×") : QStringLiteral("·");
    Box row = Empty(setting);
    for (std::size_t i = 0; i < product.factors.size(); ++i) {
        if (i > 0 && product.dotted) {
            Append(row, Operator(times, setting.Inner(), setting.Room() / 3));
        }
        Append(row, LayOutPart(*product.factors[i], setting.Inner()));
    }
    return row;
}

// Numerator over a rule over denominator, each centred on the rule, the rule on the font's
// axis, where the minus sign's bar stands.
Box FractionBox(const math::Fraction& fraction, const Setting& setting) {
    const Box numerator = LayOutPart(*fraction.numerator, setting.Inner());
    const Box denominator = LayOutPart(*fraction.denominator, setting.Inner());
    Box box = Empty(setting);
    const QFontMetricsF metrics = setting.Metrics();
    const double axis = metrics.strikeOutPos() + box.ruleWidth / 2;
    const double gap = std::max(2 * box.ruleWidth, metrics.height() / 12);
    const double side = setting.Room() / 4;
    const double rule = std::max(numerator.width, denominator.width) + 2 * side;
    const double over = -axis - box.ruleWidth / 2 - gap - numerator.descent;
    const double under = -axis + box.ruleWidth / 2 + gap + denominator.ascent;
    const QPointF numeratorAt(side + (rule - numerator.width) / 2, over);
    const QPointF denominatorAt(side + (rule - denominator.width) / 2, under);
    Place(box, numerator, numeratorAt);
    Place(box, denominator, denominatorAt);
    box.strokes.push_back(QPolygonF({QPointF(side, -axis), QPointF(side + rule, -axis)}));
    box.width = rule + 2 * side;
    box.ascent = std::max(box.ascent, numerator.ascent + numerator.descent - over);
    box.descent = std::max(box.descent, under + denominator.descent);
    const auto extent = [](const Box& part, QPointF at) {
        return QRectF(at.x(), at.y() - part.ascent, part.width, part.ascent + part.descent);
    };
    box.parts.push_back({FormulaRole::Numerator, extent(numerator, numeratorAt), over});
    box.parts.push_back({FormulaRole::FractionRule,
                         QRectF(side, -axis - box.ruleWidth / 2, rule, box.ruleWidth), -axis});
    box.parts.push_back({FormulaRole::Denominator, extent(denominator, denominatorAt), under});
    return box;
}

// The radical sign: a short rise, a stroke down below the radicand's baseline, a long one up to
// the bar, and the bar over the whole radicand.
Box RootBox(const math::SquareRoot& root, const Setting& setting) {
    const Box radicand = LayOutPart(*root.radicand, setting.Inner());
    Box box = Empty(setting);
    const QFontMetricsF metrics = setting.Metrics();
    const double gap = 2 * box.ruleWidth;
    const double bar = radicand.ascent + gap + box.ruleWidth / 2;
    const double sign = metrics.height() / 2;
    const double room = setting.Room() / 5;
    const double bottom = std::max(radicand.descent, metrics.descent()) * 0.8;
    const double barEnd = sign + 2 * room + radicand.width;
    box.strokes.push_back(
        QPolygonF({QPointF(0, -bar * 0.35), QPointF(sign * 0.25, -bar * 0.45),
                   QPointF(sign * 0.6, bottom), QPointF(sign, -bar), QPointF(barEnd, -bar)}));
    Place(box, radicand, {sign + room, 0});
    box.width = barEnd + room;
    box.ascent = std::max(box.ascent, bar + box.ruleWidth);
    box.descent = std::max({box.descent, radicand.descent, bottom + box.ruleWidth});
    box.parts.push_back(
        {FormulaRole::Radicand,
         QRectF(sign + room, -radicand.ascent, radicand.width, radicand.ascent + radicand.descent),
         0});
    box.parts.push_back({FormulaRole::RadicalBar,
                         QRectF(sign, -bar - box.ruleWidth / 2, barEnd - sign, box.ruleWidth),
                         -bar});
    return box;
}

// Parentheses as tall as what they hold and no taller: as TeX sizes a delimiter, from the font's
// axis, where the minus sign's bar stands, as far above and below it as what they hold reaches.
// The bracket is stretched about the axis, so that a bracket round plain text keeps its size. A
// stretched bracket is widened a little too, as a larger size of a bracket is, so that its curve
// keeps its weight and its room from what it holds.
// Braces are sized as parentheses are; an empty pair holds a thin space, a sixth of an em: { }.
Box GroupBox(const math::Group& group, const Setting& setting) {
    Box inner = LayOutPart(*group.inner, setting.Inner());
    if (inner.texts.empty()) {
        inner = Space(setting, Em(setting) / 6);
    }
    const QFontMetricsF metrics = setting.Metrics();
    const double axis = metrics.strikeOutPos();
    const double above = metrics.ascent() - axis;
    const double below = metrics.descent() + axis;
    const double stretch =
        std::max({1.0, (inner.ascent - axis) / above, (inner.descent + axis) / below});
    const bool brace = group.bracket == math::Bracket::Brace;
    QString opening = brace ? QStringLiteral("{") : QStringLiteral("(");
    QString closing = brace ? QStringLiteral("}") : QStringLiteral(")");
    // Laid out swapped, a mirrored formula's brackets still open towards what they hold.
    if (setting.Arabic()) {
        std::swap(opening, closing);
    }
    Box open = TextBox(opening, setting);
    Box close = TextBox(closing, setting);
    if (stretch > 1) {
        const double widen = std::min(1.0 + (stretch - 1) / 4, 1.6);
        const double room = setting.Room() / 8;
        for (Box* paren : {&open, &close}) {
            FormulaText& glyph = paren->texts.front();
            glyph.stretch = stretch;
            glyph.widen = widen;
            glyph.at.ry() += (stretch - 1) * axis;
            glyph.width *= widen;
            paren->width = glyph.width + room;
            paren->ascent = axis + stretch * above;
            paren->descent = stretch * below - axis;
        }
        close.texts.front().at.rx() += room;
    }
    Append(open, inner);
    Append(open, close);
    return open;
}

// Mirrored, Δ < 0 reads from the right with its sign turned, as the words around it turn it:
// ٠ > Δ, the smaller side still at Δ.
QString RelationText(math::Relation relation, const Setting& setting) {
    switch (relation) {
    case math::Relation::Equals:
        break;
    case math::Relation::Approximately:
        return QStringLiteral("≈");
    case math::Relation::Less:
        return setting.Arabic() ? QStringLiteral(">") : QStringLiteral("<");
    }
    return QStringLiteral("=");
}

Box ChainBox(const math::Chain& chain, const Setting& setting) {
    Box row = LayOutPart(*chain.first, setting);
    for (const math::Link& link : chain.rest) {
        Append(row, Operator(RelationText(link.relation, setting), setting, setting.Room()));
        Append(row, LayOutPart(*link.side, setting));
    }
    return row;
}

// A comma or semicolon stands against the item before it; a bar stands apart from both, as a
// relation does: (2,5 | −0,25). Arabic has its own comma and semicolon: (٢، ٣).
Box ListBox(const math::List& list, const Setting& setting) {
    const bool comma = list.separator == math::ListSeparator::Comma;
    const QString separator =
        setting.Arabic() ? QString(comma ? u'\u060C' : u'\u061B') : QString(comma ? u',' : u';');
    Box row = Empty(setting);
    for (std::size_t i = 0; i < list.items.size(); ++i) {
        if (i > 0 && list.separator == math::ListSeparator::Bar) {
            Append(row, Operator(QStringLiteral("|"), setting, setting.Room()));
        } else if (i > 0) {
            Append(row, TextBox(separator, setting));
            Append(row, Space(setting, setting.Room()));
            if (setting.top) {
                row.breaks.push_back(row.width);
            }
        }
        Append(row, LayOutPart(*list.items[i], setting));
    }
    return row;
}

// i italic as TeX sets it; in Arabic ت, of تخيلي, as the Egyptian books write it, upright.
Box ImaginaryUnitBox(const Setting& setting) {
    return setting.Arabic() ? TextBox(QStringLiteral("ت"), setting)
                            : TextBox(QStringLiteral("i"), setting.Italic());
}

Box LayOutPart(const Formula& formula, const Setting& setting) {
    return std::visit(
        [&](const auto& node) -> Box {
            using Node = std::decay_t<decltype(node)>;
            if constexpr (std::is_same_v<Node, math::Number>) {
                return NumberBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Variable>) {
                return LetterBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::ImaginaryUnit>) {
                return ImaginaryUnitBox(setting);
            } else if constexpr (std::is_same_v<Node, math::Sum>) {
                return SumBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Negative>) {
                return NegativeBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Product>) {
                return ProductBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Fraction>) {
                return FractionBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::SquareRoot>) {
                return RootBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Power>) {
                return PowerBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Group>) {
                return GroupBox(node, setting);
            } else if constexpr (std::is_same_v<Node, math::Chain>) {
                return ChainBox(node, setting);
            } else {
                return ListBox(node, setting);
            }
        },
        formula.node);
}

} // namespace

FormulaLayout LayOut(const Formula& formula, const QFont& font, FormulaScript script) {
    QFont upright = font;
    upright.setItalic(false);
    Box layout = LayOutPart(formula, Setting{upright, true, script});
    // Laid out from the left as every formula is, then reflected whole, so that it reads from
    // the right: its first term rightmost, an exponent at its base's upper left, a fraction's
    // numerator and denominator mirrored each, the radical sign's hook on the right.
    if (script == FormulaScript::ArabicMirrored) {
        Reflect(layout);
        layout.mirrored = true;
    }
    return layout;
}

void PaintFormula(QPainter& painter, const FormulaLayout& layout, QPointF origin,
                  double visibleLeft, double visibleRight) {
    painter.save();
    // Each text is drawn from its left end, where the layout has placed it, whichever way the
    // words around the formula read.
    painter.setLayoutDirection(Qt::LeftToRight);
    for (const FormulaText& text : layout.texts) {
        const double left = origin.x() + text.at.x();
        // Ink may stand a little out of the advance.
        const double lean = text.font.pointSizeF() > 0 ? text.font.pointSizeF() : 8;
        if (left + text.width + lean < visibleLeft || left - lean > visibleRight) {
            continue;
        }
        painter.setFont(text.font);
        if (text.stretch == 1) {
            painter.drawText(origin + text.at, text.text);
            continue;
        }
        painter.save();
        painter.translate(origin + text.at);
        painter.scale(text.widen, text.stretch);
        painter.drawText(QPointF(0, 0), text.text);
        painter.restore();
    }
    QPen pen = painter.pen();
    pen.setWidthF(layout.ruleWidth);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    for (const QPolygonF& stroke : layout.strokes) {
        // A rule is sharpest on whole pixels; the radical sign's slants want smoothing.
        painter.setRenderHint(QPainter::Antialiasing, stroke.size() > 2);
        painter.drawPolyline(stroke.translated(origin));
    }
    painter.restore();
}

} // namespace veltrix::ui
