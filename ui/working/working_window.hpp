// The Working window, Form6: the working a student writes down for the equation in the main
// window's box, at the current accuracy, a line a step, its formulas set as a textbook sets them,
// and below the lines a sketch of the curve with its points of interest. It prints them, or saves
// them as a PDF document, on white paper. It follows the box and
// the accuracy as they change; a text that is not a quadratic shows why in its place. It opens
// beside the main window and takes the size its working wants, as far as the room there goes,
// until the user moves or resizes it.
#pragma once

#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"
#include "ui/working/working_placement.hpp"
#include "ui/working/working_text.hpp"

#include <QWidget>
#include <optional>
#include <vector>

class QBoxLayout;
class QMenuBar;

namespace veltrix::ui {

class AppContext;
class MethodAndSchool;
class SketchView;
class WorkingView;

// The command that opens the window, in the equation box's and the Solution window's menus.
QString ShowWorkingCommand();

class WorkingWindow final : public SetWindow<QWidget>, public PreferredSize {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form6";
    // Where it is made; it opens beside the main window, never smaller than this where there is
    // room, and larger as its text needs.
    static constexpr TwipsRect kClientArea{7455, 3090, 5400, 2355};

    explicit WorkingWindow(AppContext& app);

    // Shows `text`: its lines, and its sketch where it has one.
    void ShowText(WorkingText text);

    // The lines as shown, each as its plain text.
    QStringList Lines() const;
    // What Copy (Ctrl+C) takes: the lines selected, or else the whole working.
    QString TextToCopy() const;
    // What Copy as LaTeX takes: the same lines as LaTeX source.
    QString LatexToCopy() const;

    // The method and the school chosen above the lines, which the desktop's settings keep between
    // runs; no method is the school's own.
    std::optional<WorkingMethod> Method() const;
    void ChooseMethod(std::optional<WorkingMethod> method);
    const School& SchoolChosen() const;
    void ChooseSchool(const School& school);

    // The lines' size, and the sketch's below them.
    int UnwrappedWidth() const override;
    int HeightForWidth(int width) const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void AddPrintCommands(QBoxLayout& layout);
    std::vector<WorkingTextLine> LinesToPrint() const;
    void Print();
    void SaveAsPdf();
    int MenuBarHeight() const;
    void Refresh();
    std::optional<Surroundings> SurroundingsNow() const;
    void Place(bool opening);
    void FitSketch();
    void Ask(const QRect& client);
    void NoteWindowSystemGeometry(const QEvent& event);
    bool PlacedByUser();

    AppContext& app_;
    // At the layout scale the window was made with, which it keeps.
    const WorkingSizes sizes_;
    MethodAndSchool* choice_ = nullptr;
    WorkingView* lines_ = nullptr;
    SketchView* sketch_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    WorkingText text_;
    // Chosen as the window opens and kept while its text changes, so that it does not jump
    // from side to side as the user types.
    std::optional<Side> side_;
    // The geometries the program gave the window that the window system has not yet reported
    // taking, and the one it took last; and the last geometry it reported.
    std::vector<QRect> asked_;
    std::optional<QRect> reported_;
    bool placedByUser_ = false;
};

} // namespace veltrix::ui
