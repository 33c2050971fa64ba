// The working's lines as an item view shows them: a list model of the lines, each read as its
// plain text (by a screen reader, and by a copy), and the delegate that lays each line out with
// its formulas set as a textbook sets them, wrapped to the view's width, and paints it.
#pragma once

#include "ui/working/working_rows.hpp"
#include "ui/working/working_text.hpp"

#include <QAbstractListModel>
#include <QStyledItemDelegate>
#include <vector>

namespace veltrix::ui {

class WorkingLinesModel final : public QAbstractListModel {
    Q_OBJECT

  public:
    using QAbstractListModel::QAbstractListModel;

    void SetLines(std::vector<WorkingTextLine> lines);
    const std::vector<WorkingTextLine>& Lines() const { return lines_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    std::vector<WorkingTextLine> lines_;
};

// The room the lines keep inside the view's edges, as a text view keeps it: the first line has
// it above, the last below, and every line on either side.
inline constexpr int kLinesMargin = 4;

class WorkingLineDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Measures `lines` in `font`; they are shown wrapped to the width WrapTo last gave.
    void LayOut(const std::vector<WorkingTextLine>& lines, const QFont& font);
    // Wraps the lines to a view `width` wide.
    void WrapTo(int width);

    // The lines' height wrapped to a view `width` wide, and the width of the widest row.
    struct Extent {
        int height = 0;
        int width = 0;
    };
    Extent ExtentAt(int width) const;
    // The width that shows every line on one row.
    int UnwrappedWidth() const;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  private:
    // The view's margins above the first line and below the last, which their items take in:
    // the lines scroll with them, as a text view's do.
    QMargins MarginsOf(int line) const;

    std::vector<LaidOutLine> lines_;
    std::vector<std::vector<LineRow>> rows_; // at width_
    int width_ = 0;
};

} // namespace veltrix::ui
