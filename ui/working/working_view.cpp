#include "ui/working/working_view.hpp"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <cmath>

namespace veltrix::ui {

namespace {

// Room around the lines, as a text view keeps inside its edges.
constexpr double kMargin = 4;

const WorkingView::Piece& PieceAt(const auto& line, const WorkingView::Row& row, std::size_t i) {
    return line.pieces[static_cast<std::size_t>(row.pieces[i].first)];
}

int Ceil(double value) {
    return static_cast<int>(std::ceil(value));
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

// One line as a screen reader reads it: an item of the view's list, read as its plain text.
class LineAccessible final : public QAccessibleInterface {
  public:
    LineAccessible(WorkingView& view, int line) : view_(&view), line_(line) {}

    bool isValid() const override { return view_ && line_ < view_->LineCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? view_->Lines().value(line_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect shown = view_->LineRect(line_);
        return {view_->viewport()->mapToGlobal(shown.topLeft()), shown.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.readOnly = true;
        state.selected = view_->IsSelected(line_);
        state.focused = view_->hasFocus() && view_->CurrentLine() == line_;
        return state;
    }

  private:
    QPointer<WorkingView> view_;
    int line_;
};

// The view as a list of its lines. Each line's interface is made when first asked for and kept
// while the view lives; it reads whichever line stands at its place.
class ViewAccessible final : public QAccessibleWidget {
  public:
    explicit ViewAccessible(WorkingView& view) : QAccessibleWidget(&view, QAccessible::List) {}
    ~ViewAccessible() override {
        for (const QAccessible::Id id : lines_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return View().LineCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        while (static_cast<int>(lines_.size()) <= index) {
            lines_.push_back(QAccessible::registerAccessibleInterface(
                new LineAccessible(View(), static_cast<int>(lines_.size()))));
        }
        return QAccessible::accessibleInterface(lines_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (QAccessible::accessibleInterface(lines_[i]) == child) {
                return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(View().LineAt(View().viewport()->mapFromGlobal(QPoint(x, y))));
    }

  private:
    WorkingView& View() const { return *static_cast<WorkingView*>(widget()); }

    mutable std::vector<QAccessible::Id> lines_;
};

QAccessibleInterface* ViewInterface(const QString& className, QObject* object) {
    auto* view = qobject_cast<WorkingView*>(object);
    if (view == nullptr || className != QLatin1String(WorkingView::staticMetaObject.className())) {
        return nullptr;
    }
    return new ViewAccessible(*view);
}

} // namespace

WorkingView::WorkingView(QWidget& window) : QAbstractScrollArea(&window) {
    static const bool accessible = [] {
        QAccessible::installFactory(ViewInterface);
        return true;
    }();
    (void)accessible;
    setObjectName(QStringLiteral("Lines"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
}

void WorkingView::SetLines(std::vector<WorkingTextLine> lines) {
    lines_.clear();
    for (WorkingTextLine& line : lines) {
        lines_.push_back({std::move(line), {}, {}});
    }
    // The lines selected were of the working before.
    selected_ = false;
    anchor_ = current_ = lines_.empty() ? -1 : 0;
    LayOutLines();
    QAccessibleEvent changed(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&changed);
}

QStringList WorkingView::Lines() const {
    QStringList plain;
    for (const ShownLine& line : lines_) {
        plain << line.text.plain;
    }
    return plain;
}

std::vector<int> WorkingView::SelectedLines() const {
    std::vector<int> selected;
    for (int line = 0; line < LineCount(); ++line) {
        if (IsSelected(line)) {
            selected.push_back(line);
        }
    }
    return selected;
}

bool WorkingView::IsSelected(int line) const {
    return selected_ && line >= std::min(anchor_, current_) && line <= std::max(anchor_, current_);
}

void WorkingView::Select(int anchor, int current) {
    if (lines_.empty()) {
        return;
    }
    anchor_ = std::clamp(anchor, 0, LineCount() - 1);
    current_ = std::clamp(current, 0, LineCount() - 1);
    selected_ = true;
    const QRect shown = LineRect(current_);
    QScrollBar& bar = *verticalScrollBar();
    if (shown.bottom() >= viewport()->height()) {
        bar.setValue(bar.value() + shown.bottom() + 1 - viewport()->height());
    }
    if (shown.top() < 0) {
        bar.setValue(bar.value() + shown.top());
    }
    viewport()->update();
    TellCurrent();
}

QRect WorkingView::LineRect(int line) const {
    if (line < 0 || line >= LineCount()) {
        return {};
    }
    const auto at = static_cast<std::size_t>(line);
    const int top = static_cast<int>(std::floor(tops_[at]));
    return {-horizontalScrollBar()->value(), top - verticalScrollBar()->value(),
            std::max(viewport()->width(), Ceil(contentWidth_)), Ceil(tops_[at + 1]) - top};
}

int WorkingView::LineAt(QPoint point) const {
    const double y = point.y() + verticalScrollBar()->value();
    for (int line = 0; line < LineCount(); ++line) {
        if (y < tops_[static_cast<std::size_t>(line) + 1]) {
            return y >= 0 ? line : 0;
        }
    }
    return LineCount() - 1;
}

// Each line cut into the pieces a row may break between: its words, cut where words may break,
// and its formulas, cut at their breaks.
void WorkingView::LayOutLines() {
    static const QRegularExpression marker(QStringLiteral("%(\\d+)"));
    const QFontMetricsF metrics(font());
    for (ShownLine& line : lines_) {
        line.formulas.clear();
        line.pieces.clear();
        for (const math::Formula& formula : line.text.formulas) {
            line.formulas.push_back(LayOut(formula, font()));
        }
        const QString& words = line.text.words;
        qsizetype from = 0;
        const auto addWords = [&](const QString& part) {
            const std::size_t first = line.pieces.size();
            for (const QString& cut : BreakableWords(part)) {
                const bool glued =
                    line.pieces.size() == first && first > 0 && !cut.front().isSpace() &&
                    (line.pieces.back().formula >= 0 || !line.pieces.back().words.back().isSpace());
                line.pieces.push_back({cut, -1, 0, 0, metrics.horizontalAdvance(cut),
                                       metrics.ascent(), metrics.descent(), glued});
            }
        };
        for (const QRegularExpressionMatch& match : marker.globalMatch(words)) {
            addWords(words.mid(from, match.capturedStart() - from));
            from = match.capturedEnd();
            const int index = match.captured(1).toInt() - 1;
            if (index < 0 || index >= static_cast<int>(line.formulas.size())) {
                continue;
            }
            const FormulaLayout& formula = line.formulas[static_cast<std::size_t>(index)];
            std::vector<double> ends = formula.breaks;
            ends.push_back(formula.width);
            double start = 0;
            for (const double end : ends) {
                const bool glued = start == 0 && !line.pieces.empty() &&
                                   !line.pieces.back().words.isEmpty() &&
                                   !line.pieces.back().words.back().isSpace();
                line.pieces.push_back(
                    {{}, index, start, end, end - start, formula.ascent, formula.descent, glued});
                start = end;
            }
        }
        addWords(words.mid(from));
    }
    Reflow();
}

// The rows of `line` within `width`: as many pieces on a row as fit, pieces glued to the one
// before never starting a row. A piece wider than the room has a row of its own, and the view
// scrolls sideways to it.
std::vector<WorkingView::Row> WorkingView::RowsOf(const ShownLine& line, double width) const {
    const QFontMetricsF metrics(font());
    const double room = width - 2 * kMargin;
    const Row empty{{}, 0, metrics.ascent(), metrics.descent()};
    std::vector<Row> rows{empty};
    const std::vector<Piece>& pieces = line.pieces;
    for (std::size_t i = 0; i < pieces.size();) {
        std::size_t end = i + 1;
        double together = pieces[i].width;
        for (; end < pieces.size() && pieces[end].glued; ++end) {
            together += pieces[end].width;
        }
        const QString& last = pieces[end - 1].words;
        const double trailing =
            last.isEmpty() || !last.back().isSpace() ? 0 : metrics.horizontalAdvance(u' ');
        if (!rows.back().pieces.empty() && rows.back().width + together - trailing > room) {
            rows.push_back(empty);
        }
        Row& row = rows.back();
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

// A line's rows, and a little room below it so that the lines read apart.
double WorkingView::LineHeight(const std::vector<Row>& rows) const {
    double height = std::ceil(QFontMetricsF(font()).leading() + 2);
    for (const Row& row : rows) {
        height += std::ceil(row.ascent + row.descent);
    }
    return height;
}

// The lines wrapped to the viewport. A scroll bar that came up while the lines needed it narrows
// the width they wrap in, and may keep itself needed when they would fit the whole width: they
// are then wrapped to the whole width, and the bar goes.
void WorkingView::Reflow() {
    int width = viewport()->width();
    if (verticalScrollBar()->isVisible() && HeightForWidth(this->width()) <= height()) {
        width = this->width();
    }
    rows_.clear();
    tops_ = {kMargin};
    contentWidth_ = 0;
    for (const ShownLine& line : lines_) {
        rows_.push_back(RowsOf(line, width));
        tops_.push_back(tops_.back() + LineHeight(rows_.back()));
        for (const Row& row : rows_.back()) {
            contentWidth_ = std::max(contentWidth_, row.shown + 2 * kMargin);
        }
    }
    verticalScrollBar()->setRange(0,
                                  std::max(0, Ceil(tops_.back() + kMargin) - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    horizontalScrollBar()->setRange(0, std::max(0, Ceil(contentWidth_) - width));
    horizontalScrollBar()->setPageStep(viewport()->width());
    viewport()->update();
}

int WorkingView::UnwrappedWidth() const {
    double widest = 0;
    for (const ShownLine& line : lines_) {
        double width = 0;
        for (const Piece& piece : line.pieces) {
            width += piece.width;
        }
        widest = std::max(widest, width);
    }
    return Ceil(widest + 2 * kMargin) + 1;
}

// The lines' height wrapped at `width`, and a sideways scroll bar's where a piece is wider.
int WorkingView::HeightForWidth(int width) const {
    double height = 2 * kMargin;
    double widest = 0;
    for (const ShownLine& line : lines_) {
        const std::vector<Row> rows = RowsOf(line, width);
        height += LineHeight(rows);
        for (const Row& row : rows) {
            widest = std::max(widest, row.shown + 2 * kMargin);
        }
    }
    const int bar = widest > width ? horizontalScrollBar()->sizeHint().height() : 0;
    return Ceil(height) + bar + 1;
}

void WorkingView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scrolled);
    painter.setLayoutDirection(layoutDirection());
    exposed_ = QRectF(event->rect().translated(scrolled));
    const double right = std::max<double>(viewport()->width(), contentWidth_) - kMargin;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (tops_[i + 1] < exposed_.top() || tops_[i] > exposed_.bottom()) {
            continue;
        }
        const bool selected = IsSelected(static_cast<int>(i));
        if (selected) {
            painter.fillRect(QRectF(0, tops_[i], right + kMargin, tops_[i + 1] - tops_[i]),
                             palette().brush(QPalette::Highlight));
        }
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        double top = tops_[i];
        for (const Row& row : rows_[i]) {
            PaintRow(painter, lines_[i], row, top + row.ascent, right);
            top += std::ceil(row.ascent + row.descent);
        }
    }
    if (hasFocus() && current_ >= 0) {
        painter.resetTransform();
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = LineRect(current_);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// A row from the left margin, or under a right-to-left language from `rowRight` leftward.
void WorkingView::PaintRow(QPainter& painter, const ShownLine& line, const Row& row,
                           double baseline, double rowRight) const {
    const bool fromTheRight = layoutDirection() == Qt::RightToLeft;
    painter.setFont(font());
    // A formula's pieces on one row read from the left together, as one run among the words.
    std::size_t runStart = 0;
    double runWidth = 0;
    for (std::size_t i = 0; i < row.pieces.size(); ++i) {
        const auto& [index, x] = row.pieces[i];
        const Piece& piece = line.pieces[static_cast<std::size_t>(index)];
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
        const double left = fromTheRight ? rowRight - runX - runWidth + (x - runX) : kMargin + x;
        if (left > exposed_.right() || left + piece.width < exposed_.left()) {
            continue;
        }
        if (piece.formula < 0) {
            painter.drawText(QPointF(left, baseline), piece.words);
            continue;
        }
        const FormulaLayout& formula = line.formulas[static_cast<std::size_t>(piece.formula)];
        // A piece of a broken formula shows its part alone; its outer ends may show ink that
        // stands out of the advance.
        const double before = piece.from > 0 ? 0 : kMargin;
        const double after = piece.to < formula.width ? 0 : kMargin;
        painter.save();
        painter.setClipRect(QRectF(left - before, baseline - piece.ascent - kMargin,
                                   piece.width + before + after,
                                   piece.ascent + piece.descent + 2 * kMargin),
                            Qt::IntersectClip);
        PaintFormula(painter, formula, {left - piece.from, baseline},
                     std::max(left - before, exposed_.left()),
                     std::min(left + piece.width + after, exposed_.right()));
        painter.restore();
    }
}

void WorkingView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Reflow();
}

void WorkingView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        LayOutLines();
    }
}

void WorkingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || lines_.empty()) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const int line = LineAt(event->position().toPoint());
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier) && selected_;
    Select(extend ? anchor_ : line, line);
}

void WorkingView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons().testFlag(Qt::LeftButton) && selected_) {
        Select(anchor_, LineAt(event->position().toPoint()));
    }
}

void WorkingView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        Select(0, LineCount() - 1);
        return;
    }
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (event->key()) {
    case Qt::Key_Up:
        SetCurrent(current_ - 1, extend);
        break;
    case Qt::Key_Down:
        SetCurrent(current_ + 1, extend);
        break;
    case Qt::Key_Home:
        SetCurrent(0, extend);
        break;
    case Qt::Key_End:
        SetCurrent(LineCount() - 1, extend);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}

// The focus moves to `line`, taking the selection along or extending it from its anchor.
void WorkingView::SetCurrent(int line, bool extend) {
    const int anchor = extend ? (selected_ ? anchor_ : current_) : line;
    Select(anchor, line);
}

void WorkingView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
    TellCurrent();
}

void WorkingView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// A screen reader follows the line the focus is on, and reads it.
void WorkingView::TellCurrent() {
    if (!hasFocus() || current_ < 0) {
        return;
    }
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(current_);
    QAccessible::updateAccessibility(&focus);
    QAccessibleEvent selection(this, QAccessible::SelectionWithin);
    QAccessible::updateAccessibility(&selection);
}

} // namespace veltrix::ui
