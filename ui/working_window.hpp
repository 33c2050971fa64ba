// The Working window, Form6: the working a student writes down for the equation in the main
// window's box, at the current accuracy, a line a step. It follows the box and the accuracy as
// they change, and grows with its text; a text that is not a quadratic shows why in its place.
#pragma once

#include "ui/geometry.hpp"
#include "ui/window_set.hpp"
#include "ui/working_text.hpp"

#include <QWidget>

class QPlainTextEdit;

namespace veltrix::ui {

class AppContext;

// The command that opens the window, in the equation box's and the Solution window's menus.
QString ShowWorkingCommand();

class WorkingWindow final : public SetWindow<QWidget> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form6";
    // To the right of the main window; the size is where it starts, and its text makes it larger.
    static constexpr TwipsRect kClientArea{7455, 3090, 5400, 2355};

    explicit WorkingWindow(AppContext& app);

    // The lines as shown.
    QStringList Lines() const;
    // What Copy (Ctrl+C) takes: the text selected, or else the whole working.
    QString TextToCopy() const;
    // What Copy as LaTeX takes: the whole working as LaTeX source.
    QString LatexToCopy() const { return LatexOf(text_); }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void Refresh();
    QSize TextSize() const;
    void GrowToFit();

    AppContext& app_;
    QPlainTextEdit* lines_ = nullptr;
    WorkingText text_;
};

} // namespace veltrix::ui
