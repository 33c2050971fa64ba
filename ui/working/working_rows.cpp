#include "ui/working/working_rows.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace veltrix::ui {

namespace {

// The room around a formula's piece in which ink that stands out of its advance still shows.
constexpr double kInkRoom = 4;

const LinePiece& PieceAt(const LaidOutLine& line, const LineRow& row, std::size_t i) {
    return line.pieces[static_cast<std::size_t>(row.pieces[i].first)];
}

// The words between two formulas cut where a line may break (after a space, between CJK
// characters), each cut keeping the space that follows it.
std::vector<QString> BreakableWords(const QString& words) {
    std::vector<QString> cuts;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, words);
    qsizetype from = 0;
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        cuts.push_back(words.mid(from, at - from));
        from = at;
    }
    if (from < words.size()) {
        cuts.push_back(words.mid(from));
    }
    return cuts;
}

void AddWords(LaidOutLine& line, const QString& part, const QFontMetricsF& metrics) {
    const std::size_t first = line.pieces.size();
    for (const QString& cut : BreakableWords(part)) {
        const bool glued =
            line.pieces.size() == first && first > 0 && !cut.front().isSpace() &&
            (line.pieces.back().formula >= 0 || !line.pieces.back().words.back().isSpace());
        line.pieces.push_back({cut, -1, 0, 0, metrics.horizontalAdvance(cut), metrics.ascent(),
                               metrics.descent(), glued});
    }
}

// How far the texts and strokes of `formula` that start between `from` and `to` reach above and
// below its baseline: a piece after a tall fraction is no taller than what it holds itself.
std::pair<double, double> InkBetween(const FormulaLayout& formula, double from, double to) {
    double ascent = 0, descent = 0;
    for (const FormulaText& text : formula.texts) {
        if (text.at.x() >= from && text.at.x() < to) {
            const QFontMetricsF metrics(text.font);
            ascent = std::max(ascent, metrics.ascent() * text.stretch - text.at.y());
            descent = std::max(descent, metrics.descent() * text.stretch + text.at.y());
        }
    }
    for (const QPolygonF& stroke : formula.strokes) {
        const QRectF box = stroke.boundingRect();
        if (box.left() >= from && box.left() < to) {
            ascent = std::max(ascent, -box.top());
            descent = std::max(descent, box.bottom());
        }
    }
    return {ascent, descent};
}

// The formula's cuts between its breaks, as it reads: from the left, or from the right where it
// is mirrored.
std::vector<std::pair<double, double>> CutsOf(const FormulaLayout& formula) {
    std::vector<double> ends = formula.breaks;
    ends.insert(ends.begin(), 0);
    ends.push_back(formula.width);
    std::vector<std::pair<double, double>> cuts;
    for (std::size_t i = 1; i < ends.size(); ++i) {
        cuts.emplace_back(ends[i - 1], ends[i]);
    }
    if (formula.mirrored) {
        std::ranges::reverse(cuts);
    }
    return cuts;
}

// The formula's pieces, cut at its breaks, each as tall as what it holds; the pieces that hold
// its tallest parts take its whole height, so that a formula on one row stands as it is set.
void AddFormula(LaidOutLine& line, int index) {
    const FormulaLayout& formula = line.formulas[static_cast<std::size_t>(index)];
    const auto [inkAscent, inkDescent] = InkBetween(formula, 0, formula.width);
    bool first = true;
    for (const auto& [start, end] : CutsOf(formula)) {
        const bool glued = first && !line.pieces.empty() && !line.pieces.back().words.isEmpty() &&
                           !line.pieces.back().words.back().isSpace();
        const auto [ascent, descent] = InkBetween(formula, start, end);
        line.pieces.push_back({{},
                               index,
                               start,
                               end,
                               end - start,
                               ascent >= inkAscent ? formula.ascent : ascent,
                               descent >= inkDescent ? formula.descent : descent,
                               glued});
        first = false;
    }
}

// Whether the piece is a formula's part that ends, as it reads, with one of its relations, =, ≈
// or <, which a mirrored formula turns to >.
bool EndsWithRelation(const LaidOutLine& line, const LinePiece& piece) {
    if (piece.formula < 0) {
        return false;
    }
    const FormulaLayout& formula = line.formulas[static_cast<std::size_t>(piece.formula)];
    const double sense = formula.mirrored ? -1 : 1;
    const FormulaText* last = nullptr;
    for (const FormulaText& text : formula.texts) {
        if (text.at.x() >= piece.from && text.at.x() < piece.to &&
            (last == nullptr || sense * text.at.x() >= sense * last->at.x())) {
            last = &text;
        }
    }
    return last != nullptr &&
           (last->text == u"=" || last->text == u"≈" || last->text == u"<" || last->text == u">");
}

// The first of the pieces that are glued to one another with the piece at `index`.
std::size_t GroupStart(const LaidOutLine& line, std::size_t index) {
    while (index > 0 && line.pieces[index].glued) {
        --index;
    }
    return index;
}

// As many pieces on a row as fit, and a new row at the piece `breakAt` in any case.
std::vector<LineRow> FillRows(const LaidOutLine& line, double room, std::size_t breakAt) {
    const QFontMetricsF metrics(line.font);
    const LineRow empty{{}, 0, metrics.ascent(), metrics.descent()};
    std::vector<LineRow> rows{empty};
    const std::vector<LinePiece>& pieces = line.pieces;
    for (std::size_t i = 0; i < pieces.size();) {
        std::size_t end = i + 1;
        double together = pieces[i].width;
        for (; end < pieces.size() && pieces[end].glued; ++end) {
            together += pieces[end].width;
        }
        const QString& last = pieces[end - 1].words;
        const double trailing =
            last.isEmpty() || !last.back().isSpace() ? 0 : metrics.horizontalAdvance(u' ');
        if (!rows.back().pieces.empty() &&
            (i == breakAt || rows.back().width + together - trailing > room)) {
            rows.push_back(empty);
        }
        LineRow& row = rows.back();
        for (; i < end; ++i) {
            row.pieces.emplace_back(static_cast<int>(i), row.width);
            row.width += pieces[i].width;
            row.ascent = std::max(row.ascent, pieces[i].ascent);
            row.descent = std::max(row.descent, pieces[i].descent);
        }
        row.shown = row.width - trailing;
    }
    return rows;
}

bool LastRowStartsAt(const std::vector<LineRow>& rows, std::size_t index) {
    return rows.size() > 1 && static_cast<std::size_t>(rows.back().pieces.front().first) == index;
}

double HeightOf(const std::vector<LineRow>& rows) {
    double height = 0;
    for (const LineRow& row : rows) {
        height += std::ceil(row.ascent + row.descent);
    }
    return height;
}

// A piece of a formula, which shows its part of the formula alone; its outer ends may show ink
// that stands out of the advance.
// Breaks fall at the end of the room after an operator, where the next text starts; this much
// less still counts as there, against the rounding of the sums that placed them.
constexpr double kBreakSlack = 1e-6;

void PaintFormulaPiece(QPainter& painter, const LaidOutLine& line, const LinePiece& piece,
                       QPointF at, const RowsPlace& place) {
    const FormulaLayout& formula = line.formulas[static_cast<std::size_t>(piece.formula)];
    const double before = piece.from > 0 ? 0 : kInkRoom;
    const double after = piece.to < formula.width ? 0 : kInkRoom;
    painter.save();
    painter.setClipRect(QRectF(at.x() - before, at.y() - piece.ascent - kInkRoom,
                               piece.width + before + after,
                               piece.ascent + piece.descent + 2 * kInkRoom),
                        Qt::IntersectClip);
    // Each text is drawn by the piece it starts in alone: the clip hides a neighbour's text on
    // screen, but a PDF would hold it twice in its text, which a reader copies and searches.
    FormulaLayout own = formula;
    std::erase_if(own.texts, [&piece](const FormulaText& text) {
        return text.at.x() < piece.from - kBreakSlack || text.at.x() >= piece.to - kBreakSlack;
    });
    PaintFormula(painter, own, {at.x() - piece.from, at.y()},
                 std::max(at.x() - before, place.visibleLeft),
                 std::min(at.x() + piece.width + after, place.visibleRight));
    painter.restore();
}

// A row from `place.left`, or under a right-to-left language from `place.right` leftward. A
// formula's pieces on one row stand together as one run among the words, reading from the left,
// or from the right where the formula is mirrored.
void PaintRow(QPainter& painter, const LaidOutLine& line, const LineRow& row, double baseline,
              const RowsPlace& place) {
    std::size_t runStart = 0;
    double runWidth = 0;
    for (std::size_t i = 0; i < row.pieces.size(); ++i) {
        const auto& [index, x] = row.pieces[i];
        const LinePiece& piece = line.pieces[static_cast<std::size_t>(index)];
        if (i == 0 || piece.formula < 0 || piece.formula != PieceAt(line, row, i - 1).formula) {
            runStart = i;
            runWidth = piece.width;
            for (std::size_t j = i + 1; j < row.pieces.size() && piece.formula >= 0 &&
                                        PieceAt(line, row, j).formula == piece.formula;
                 ++j) {
                runWidth += PieceAt(line, row, j).width;
            }
        }
        const double runX = row.pieces[runStart].second;
        const double runLeft =
            place.rightToLeft ? place.right - runX - runWidth : place.left + runX;
        const bool mirrored =
            piece.formula >= 0 && line.formulas[static_cast<std::size_t>(piece.formula)].mirrored;
        const double left = runLeft + (mirrored ? runWidth - (x - runX) - piece.width : x - runX);
        if (left > place.visibleRight || left + piece.width < place.visibleLeft) {
            continue;
        }
        if (piece.formula < 0) {
            painter.drawText(QPointF(left, baseline), piece.words);
        } else {
            PaintFormulaPiece(painter, line, piece, {left, baseline}, place);
        }
    }
}

} // namespace

LaidOutLine LayOutLine(const WorkingTextLine& text, const QFont& font) {
    static const QRegularExpression marker(QStringLiteral("%(\\d+)"));
    const QFontMetricsF metrics(font);
    LaidOutLine line{font, {}, {}};
    for (const math::Formula& formula : text.formulas) {
        line.formulas.push_back(LayOut(formula, font, text.script));
    }
    const QString& words = text.words;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : marker.globalMatch(words)) {
        AddWords(line, words.mid(from, match.capturedStart() - from), metrics);
        from = match.capturedEnd();
        const int index = match.captured(1).toInt() - 1;
        if (index >= 0 && index < static_cast<int>(line.formulas.size())) {
            AddFormula(line, index);
        }
    }
    AddWords(line, words.mid(from), metrics);
    return line;
}

std::vector<LineRow> RowsOf(const LaidOutLine& line, double room) {
    const std::size_t none = line.pieces.size();
    std::vector<LineRow> rows = FillRows(line, room, none);
    // A value alone on the last row, after a relation left at the end of the row before, reads as
    // cut off from it: the row breaks before the part that ends with the relation instead.
    if (rows.size() < 2) {
        return rows;
    }
    const auto value = static_cast<std::size_t>(rows.back().pieces.front().first);
    if (!EndsWithRelation(line, line.pieces[value - 1])) {
        return rows;
    }
    const std::size_t relation = GroupStart(line, value - 1);
    if (static_cast<std::size_t>(rows[rows.size() - 2].pieces.front().first) == relation) {
        return rows;
    }
    // Only as a move of the relation's part down to the last row, in as many rows as before: a
    // narrower room then never gives fewer rows.
    std::vector<LineRow> rebroken = FillRows(line, room, relation);
    const bool moved = rebroken.size() == rows.size() && LastRowStartsAt(rebroken, relation);
    return moved ? rebroken : rows;
}

int RowsHeight(const LaidOutLine& line, const std::vector<LineRow>& rows) {
    return static_cast<int>(std::ceil(QFontMetricsF(line.font).leading() + 2) + HeightOf(rows));
}

double ShownWidth(const std::vector<LineRow>& rows) {
    double widest = 0;
    for (const LineRow& row : rows) {
        widest = std::max(widest, row.shown);
    }
    return widest;
}

double UnwrappedWidth(const LaidOutLine& line) {
    double width = 0;
    for (const LinePiece& piece : line.pieces) {
        width += piece.width;
    }
    return width;
}

void PaintRows(QPainter& painter, const LaidOutLine& line, const std::vector<LineRow>& rows,
               const RowsPlace& place) {
    painter.setFont(line.font);
    double top = place.top;
    for (const LineRow& row : rows) {
        PaintRow(painter, line, row, top + row.ascent, place);
        top += std::ceil(row.ascent + row.descent);
    }
}

} // namespace veltrix::ui
