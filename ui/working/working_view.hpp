// The Working window's lines, each drawn as its words in the window's font with its formulas set
// in their places as a textbook sets them (see working_rows.hpp), wrapped to the view's width;
// what cannot break is reached by scrolling sideways.
//
// A list view of the lines: whole lines are selected with the mouse (click, Shift+click, drag)
// and the keyboard (arrows, Home, End, with Shift to extend, and Ctrl+A), as in any list; a
// screen reader finds a list with an item a line, each read as its plain text. The view tells the
// window how large it would like to be.
#pragma once

#include "ui/working/working_placement.hpp"
#include "ui/working/working_text.hpp"

#include <QListView>
#include <QStringList>
#include <vector>

namespace veltrix::ui {

class WorkingLineDelegate;
class WorkingLinesModel;

class WorkingView final : public QListView, public PreferredSize {
    Q_OBJECT

  public:
    explicit WorkingView(QWidget& window);

    void SetLines(std::vector<WorkingTextLine> lines);
    // Each line's plain text, as shown.
    QStringList Lines() const;
    int LineCount() const;

    // The lines selected, first to last; none until the user selects.
    std::vector<int> SelectedLines() const;
    // Where line `line` is drawn, in the viewport's coordinates.
    QRect LineRect(int line) const;

    int UnwrappedWidth() const override;
    int HeightForWidth(int width) const override;

    // Below the last line is the last line's place, as above the first is the first's.
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int WrapWidth() const;

    WorkingLinesModel* lines_ = nullptr;
    WorkingLineDelegate* layout_ = nullptr;
    bool layingOut_ = false;
};

} // namespace veltrix::ui
