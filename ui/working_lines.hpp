// The Working window's view of the working as lines of text: a paragraph a step, read-only and
// selectable, wrapped to the view's width. It tells the window how large it would like to be.
#pragma once

#include "ui/working_placement.hpp"

#include <QPlainTextEdit>
#include <QStringList>

namespace veltrix::ui {

class WorkingLines final : public QPlainTextEdit, public PreferredSize {
    Q_OBJECT

  public:
    explicit WorkingLines(QWidget& window);

    // Shows `text`, a paragraph a line.
    void SetText(const QString& text);
    // The lines as shown, a paragraph each.
    QStringList Lines() const;

    int UnwrappedWidth() const override;
    int HeightForWidth(int width) const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void DropNeedlessScrollBar();
    double WrappedHeight(const QString& line, double lineWidth) const;

    bool droppingScrollBar_ = false;
};

} // namespace veltrix::ui
