#include "ui/working/working_lines.hpp"

#include <QAbstractScrollArea>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace veltrix::ui {

namespace {

int Ceil(double value) {
    return static_cast<int>(std::ceil(value));
}

// The colours of the window's state, as the rest of its widgets take theirs: paler while another
// window is active.
QPalette::ColorGroup ColourGroupOf(const QStyle::State state) {
    if (!state.testFlag(QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

} // namespace

void WorkingLinesModel::SetLines(std::vector<WorkingTextLine> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

int WorkingLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant WorkingLinesModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return lines_[static_cast<std::size_t>(index.row())].plain;
}

void WorkingLineDelegate::LayOut(const std::vector<WorkingTextLine>& lines, const QFont& font) {
    lines_.clear();
    for (const WorkingTextLine& line : lines) {
        lines_.push_back(LayOutLine(line, font));
    }
    WrapTo(width_);
}

void WorkingLineDelegate::WrapTo(int width) {
    width_ = width;
    rows_.clear();
    for (const LaidOutLine& line : lines_) {
        rows_.push_back(RowsOf(line, width - 2 * kLinesMargin));
    }
}

WorkingLineDelegate::Extent WorkingLineDelegate::ExtentAt(int width) const {
    Extent extent{2 * kLinesMargin, 0};
    for (const LaidOutLine& line : lines_) {
        const std::vector<LineRow> rows = RowsOf(line, width - 2 * kLinesMargin);
        extent.height += RowsHeight(line, rows);
        extent.width = std::max(extent.width, Ceil(ShownWidth(rows) + 2 * kLinesMargin));
    }
    return extent;
}

int WorkingLineDelegate::UnwrappedWidth() const {
    double widest = 0;
    for (const LaidOutLine& line : lines_) {
        widest = std::max(widest, ui::UnwrappedWidth(line));
    }
    return Ceil(widest + 2 * kLinesMargin) + 1;
}

QMargins WorkingLineDelegate::MarginsOf(int line) const {
    const int last = static_cast<int>(lines_.size()) - 1;
    return {0, line == 0 ? kLinesMargin : 0, 0, line == last ? kLinesMargin : 0};
}

QSize WorkingLineDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    const auto line = static_cast<std::size_t>(index.row());
    if (line >= rows_.size()) {
        return {};
    }
    const QMargins margins = MarginsOf(index.row());
    return {Ceil(ShownWidth(rows_[line]) + 2 * kLinesMargin),
            RowsHeight(lines_[line], rows_[line]) + margins.top() + margins.bottom()};
}

void WorkingLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const auto line = static_cast<std::size_t>(index.row());
    if (line >= rows_.size()) {
        return;
    }
    const QRect area = option.rect.marginsRemoved(MarginsOf(index.row()));
    const QPalette::ColorGroup colours = ColourGroupOf(option.state);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    if (selected) {
        painter->fillRect(area, option.palette.brush(colours, QPalette::Highlight));
    }
    const auto* view = qobject_cast<const QAbstractScrollArea*>(option.widget);
    const QRect visible = view != nullptr ? view->viewport()->rect() : option.rect;
    painter->save();
    painter->setLayoutDirection(option.direction);
    painter->setPen(
        option.palette.color(colours, selected ? QPalette::HighlightedText : QPalette::Text));
    PaintRows(*painter, lines_[line], rows_[line],
              {double(area.top()), double(area.left() + kLinesMargin),
               double(area.right() + 1 - kLinesMargin), double(visible.left()),
               double(visible.right() + 1), option.direction == Qt::RightToLeft});
    painter->restore();
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = area;
        const QStyle* style = option.widget != nullptr ? option.widget->style() : nullptr;
        if (style != nullptr) {
            style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
        }
    }
}

} // namespace veltrix::ui
