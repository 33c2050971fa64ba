// A line of the working laid out as it is drawn: its words in the view's font with its formulas
// set in their places as a textbook sets them. A line too wide for its room breaks between words
// and after a formula's relations and operators into rows; what cannot break (a number of
// hundreds of digits) keeps a row of its own, wider than the room. Under a right-to-left language
// the words read from the right and each formula from the left, unless it is mirrored, as the
// books of a school that sets formulas in Arabic print it; its pieces then read from the right.
#pragma once

#include "ui/working/formula_layout.hpp"
#include "ui/working/working_text.hpp"

#include <QFont>
#include <utility>
#include <vector>

class QPainter;

namespace veltrix::ui {

// A word of the line, or a piece of one of its formulas between two of its breaks.
struct LinePiece {
    QString words;
    int formula = -1;
    double from = 0, to = 0; // of the formula
    double width = 0, ascent = 0, descent = 0;
    // Takes no line break before it: it follows a formula or a word with no room between.
    bool glued = false;
};

struct LineRow {
    std::vector<std::pair<int, double>> pieces; // each piece with its x from the row's start
    double width = 0, ascent = 0, descent = 0;
    double shown = 0; // the width without the room after its last word
};

// A line cut into the pieces a row may break between, in the font it was measured with.
struct LaidOutLine {
    QFont font;
    std::vector<FormulaLayout> formulas;
    std::vector<LinePiece> pieces;
};

LaidOutLine LayOutLine(const WorkingTextLine& line, const QFont& font);

// The rows of `line` within `room`: as many pieces on a row as fit, pieces glued to the one before
// never starting a row. A piece wider than the room has a row of its own. The line's last value
// is not left alone on the last row where the part with its relation can go down with it. Each
// row is as tall as what it holds.
std::vector<LineRow> RowsOf(const LaidOutLine& line, double room);

// The rows' height, and a little room below them so that the lines read apart.
int RowsHeight(const LaidOutLine& line, const std::vector<LineRow>& rows);
// The widest row's width as shown.
double ShownWidth(const std::vector<LineRow>& rows);
// The line's width on one row.
double UnwrappedWidth(const LaidOutLine& line);

// Where the rows are painted: from `left` to `right` below `top`, only what reaches between
// `visibleLeft` and `visibleRight`.
struct RowsPlace {
    double top = 0, left = 0, right = 0;
    double visibleLeft = 0, visibleRight = 0;
    bool rightToLeft = false;
};

// Paints the rows in the painter's pen, each from `left`, or under a right-to-left language from
// `right` leftward.
void PaintRows(QPainter& painter, const LaidOutLine& line, const std::vector<LineRow>& rows,
               const RowsPlace& place);

} // namespace veltrix::ui
