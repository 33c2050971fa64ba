#include "ui/working/working_view.hpp"

#include "ui/working/working_lines.hpp"

#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace veltrix::ui {

WorkingView::WorkingView(QWidget& window)
    : QListView(&window), lines_(new WorkingLinesModel(this)),
      layout_(new WorkingLineDelegate(this)) {
    setObjectName(QStringLiteral("Lines"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(ContiguousSelection);
    setVerticalScrollMode(ScrollPerPixel);
    setHorizontalScrollMode(ScrollPerPixel);
    setItemDelegate(layout_);
    setModel(lines_);
}

void WorkingView::SetLines(std::vector<WorkingTextLine> lines) {
    layout_->LayOut(lines, font());
    // The lines selected were of the working before: a new model's selection starts empty.
    lines_->SetLines(std::move(lines));
    executeDelayedItemsLayout();
}

QStringList WorkingView::Lines() const {
    QStringList plain;
    for (const WorkingTextLine& line : lines_->Lines()) {
        plain << line.plain;
    }
    return plain;
}

int WorkingView::LineCount() const {
    return lines_->rowCount();
}

std::vector<int> WorkingView::SelectedLines() const {
    std::vector<int> selected;
    for (const QModelIndex& line : selectionModel()->selectedRows()) {
        selected.push_back(line.row());
    }
    std::ranges::sort(selected);
    return selected;
}

QRect WorkingView::LineRect(int line) const {
    return visualRect(lines_->index(line));
}

int WorkingView::UnwrappedWidth() const {
    return layout_->UnwrappedWidth();
}

// The lines' height wrapped at `width`, and a sideways scroll bar's where a piece is wider.
int WorkingView::HeightForWidth(int width) const {
    const WorkingLineDelegate::Extent extent = layout_->ExtentAt(width);
    const int bar = extent.width > width ? horizontalScrollBar()->sizeHint().height() : 0;
    return extent.height + bar + 1;
}

QModelIndex WorkingView::indexAt(const QPoint& point) const {
    const QModelIndex at = QListView::indexAt(point);
    if (at.isValid() || LineCount() == 0) {
        return at;
    }
    const QRect first = LineRect(0);
    return lines_->index(point.y() < first.top() ? 0 : LineCount() - 1);
}

// The lines wrapped to the viewport. A scroll bar that came up while the lines needed it narrows
// the width they wrap in, and may keep itself needed when they would fit the whole width: they
// are then wrapped to the whole width, and the bar goes.
int WorkingView::WrapWidth() const {
    if (verticalScrollBar()->isVisible() && HeightForWidth(width()) <= height()) {
        return width();
    }
    return viewport()->width();
}

// A scroll bar that comes or goes while the lines are laid out resizes the viewport, which asks
// for the layout again from inside it. That inner request is left to the outer layout, which
// lays the lines out again while the width they wrap in still changes: a few rounds, as a
// sideways and an upright bar that each need the other never settle, and recursing on them
// would only run the stack out.
void WorkingView::doItemsLayout() {
    if (layingOut_) {
        return;
    }
    const QScopedValueRollback busy(layingOut_, true);
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        const int width = WrapWidth();
        layout_->WrapTo(width);
        QListView::doItemsLayout();
        if (WrapWidth() == width) {
            break;
        }
    }
}

// Rows whose height follows the width are laid out again at once, so that the window's size and
// its scroll bars agree with them before anything is drawn.
void WorkingView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    doItemsLayout();
}

void WorkingView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        layout_->LayOut(lines_->Lines(), font());
        doItemsLayout();
    }
}

// A right click leaves the selection as it is, for the window's menu to copy.
void WorkingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    QListView::mousePressEvent(event);
}

} // namespace veltrix::ui
