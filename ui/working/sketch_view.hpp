// The sketch of the curve, drawn from the engine's plan at the desktop font's size: the axes with
// their numbered ticks, the curve, and its points of interest with their labels, in the palette's
// text colour on its base colour, so that a dark theme shows it light on dark. It is a drawing in
// the plane and is never mirrored, under a right-to-left language too.
//
// Its context menu copies its picture or saves it as a PNG or SVG file, as the Graph window's
// does. A screen reader is told what it shows.
#pragma once

#include "engine/sketch/sketch.hpp"

#include <QWidget>
#include <optional>

class QFont;
class QPalette;

namespace veltrix::ui {

class AppContext;

class SketchView final : public QWidget {
    Q_OBJECT

  public:
    explicit SketchView(AppContext& app, QWidget* parent = nullptr);

    // Draws the sketch of `input`; an input that has none leaves the view empty.
    void ShowSketch(SketchInput input);

    // The plan drawn, made with the view's font: nothing before ShowSketch, or for an input
    // without a sketch.
    const std::optional<SketchPlan>& Plan() const { return plan_; }

    // The plan's size at the font's line height. Where the view is given less width, as where the
    // screen beside the main window is narrow, it draws the whole plan smaller, keeping its shape.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void Replan();
    double Unit() const;
    double Scale() const;

    std::optional<SketchInput> input_;
    std::optional<SketchPlan> plan_;
};

// A saved, copied or printed sketch is black ink on white paper whatever the theme, so that it
// prints and reads on any page; the view itself follows the theme.
QPalette PaperPalette();

// The plan of `input` with its texts measured in `font`, a unit of the plan its line height;
// nothing for an input that has no sketch.
std::optional<SketchPlan> PlanOf(const SketchInput& input, const QFont& font);

// Draws the plan at `unit` pixels a unit of the plan, from the top-left corner, in the palette's
// Text colour on its Base colour.
void PaintSketch(QPainter& painter, const SketchPlan& plan, const QPalette& palette, double unit,
                 const QFont& font);

void PaintPlan(QPainter& painter, const std::optional<SketchPlan>& plan, const QPalette& palette,
               double unit, const QFont& font);

// What the sketch shows, in words: "Parabola, minimum at (0.1, -3.1), roots at -0.46 and 0.66,
// crosses the y axis at (0, -3)".
QString DescriptionOf(const SketchPlan& plan);

} // namespace veltrix::ui
