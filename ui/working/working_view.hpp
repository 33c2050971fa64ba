// The Working window's lines, each drawn as its words in the window's font with its formulas set
// in their places as a textbook sets them. A line too wide for the view breaks between words and
// after a formula's relations and operators; what cannot break (a number of hundreds of digits)
// is reached by scrolling sideways. Under a right-to-left language the words read from the right
// and each formula from the left.
//
// Whole lines are selected with the mouse (click, Shift+click, drag) and the keyboard (Up, Down,
// Home, End, with Shift to extend, and Ctrl+A); a screen reader finds a list with an item a line,
// each read as its plain text. The view tells the window how large it would like to be.
#pragma once

#include "ui/working/formula_layout.hpp"
#include "ui/working/working_placement.hpp"
#include "ui/working/working_text.hpp"

#include <QAbstractScrollArea>
#include <QStringList>
#include <vector>

namespace veltrix::ui {

class WorkingView final : public QAbstractScrollArea, public PreferredSize {
    Q_OBJECT

  public:
    explicit WorkingView(QWidget& window);

    void SetLines(std::vector<WorkingTextLine> lines);
    // Each line's plain text, as shown.
    QStringList Lines() const;
    int LineCount() const { return static_cast<int>(lines_.size()); }

    // The lines selected, first to last; none until the user selects.
    std::vector<int> SelectedLines() const;
    bool IsSelected(int line) const;
    // Selects the lines from `anchor` to `current`, both included, `current` taking the focus.
    void Select(int anchor, int current);
    int CurrentLine() const { return current_; }
    // Where line `line` is drawn, in the viewport's coordinates.
    QRect LineRect(int line) const;
    // The line at `point` in the viewport; -1 where there is none.
    int LineAt(QPoint point) const;

    int UnwrappedWidth() const override;
    int HeightForWidth(int width) const override;

    // A word of the line, or a piece of one of its formulas between two of its breaks.
    struct Piece {
        QString words;
        int formula = -1;
        double from = 0, to = 0; // of the formula
        double width = 0, ascent = 0, descent = 0;
        // Takes no line break before it: it follows a formula or a word with no room between.
        bool glued = false;
    };
    struct Row {
        std::vector<std::pair<int, double>> pieces; // each piece with its x from the row's start
        double width = 0, ascent = 0, descent = 0;
        double shown = 0; // the width without the room after its last word
    };

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    struct ShownLine {
        WorkingTextLine text;
        std::vector<FormulaLayout> formulas;
        std::vector<Piece> pieces;
    };

    void LayOutLines();
    void Reflow();
    std::vector<Row> RowsOf(const ShownLine& line, double width) const;
    double LineHeight(const std::vector<Row>& rows) const;
    void PaintRow(QPainter& painter, const ShownLine& line, const Row& row, double baseline,
                  double rowRight) const;
    void SetCurrent(int line, bool extend);
    void TellCurrent();

    std::vector<ShownLine> lines_;
    std::vector<std::vector<Row>> rows_; // at the viewport's width
    std::vector<double> tops_;           // of each line, and the end of the last
    double contentWidth_ = 0;
    QRectF exposed_; // of the paint under way, in the lines' coordinates
    int anchor_ = -1, current_ = -1;
    bool selected_ = false;
};

} // namespace veltrix::ui
