// The working's formulas set as a textbook sets them: a fraction stacked over its rule, the
// radical sign with its bar over the whole radicand, a power raised and smaller, a subscript
// lowered and smaller, Latin letters italic and Greek capitals, Arabic letters and numbers
// upright, the operators − ± · and the relations = ≈ < with room around them. The engine gives the
// tree; here it becomes boxes measured with the window's font, and the boxes are painted.
//
// A school whose books write formulas in Arabic letters and digits reading from the right has
// them set so: the letters and digits its books print, and the whole layout mirrored, its first
// term rightmost, an exponent at its base's upper left, the radical sign's hook on the right.
//
// A layout's coordinates run from the left end of its baseline, x to the right and y downward,
// so that the ascent lies at negative y.
#pragma once

#include "engine/formula/formula.hpp"
#include "engine/working/schools.hpp"

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

class QPainter;

namespace veltrix::ui {

// A text drawn from the left end of its baseline in its own font. Parentheses around a tall
// formula are stretched upward and downward about their baseline by `stretch`, and widened by
// `widen`; `width` is the widened advance.
struct FormulaText {
    QPointF at;
    QString text;
    QFont font;
    double width = 0;
    double stretch = 1;
    double widen = 1;
};

// What the parts of fractions, roots, powers and a letter's subscript are, so that where each
// stands can be asked.
enum class FormulaRole {
    Numerator,
    FractionRule,
    Denominator,
    Radicand,
    RadicalBar,
    Base,
    Exponent,
    Subscript
};

struct FormulaPart {
    FormulaRole role;
    QRectF box;      // from the top of its ascent to the bottom of its descent; a rule's ink
    double baseline; // the y of its baseline
};

struct FormulaLayout {
    double width = 0, ascent = 0, descent = 0;
    double ruleWidth = 1; // of the fraction rules and the radical signs
    std::vector<FormulaText> texts;
    std::vector<QPolygonF> strokes; // rules and radical signs
    std::vector<FormulaPart> parts;
    // Where the formula may be broken across lines: after each relation and operator at its top
    // level, at the end of the room that follows it.
    std::vector<double> breaks;
    // Reads from the right: its pieces between breaks follow one another leftward.
    bool mirrored = false;
};

FormulaLayout LayOut(const math::Formula& formula, const QFont& font,
                     FormulaScript script = FormulaScript::Latin);

// Draws `layout` with the left end of its baseline at `origin`, in the painter's pen colour; of
// its texts only those that reach into `visible`, from left to right.
void PaintFormula(QPainter& painter, const FormulaLayout& layout, QPointF origin,
                  double visibleLeft, double visibleRight);

} // namespace veltrix::ui
