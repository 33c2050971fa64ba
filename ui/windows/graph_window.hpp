// The Graph window, Form2, and the main window's Plot command that draws on it: two axes with
// their ticks and the curve of the equation, at a fixed one unit per centimetre.
#pragma once

#include "engine/core/plot_curve.hpp"
#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"
#include "ui/windows/graph_export.hpp"
#include "ui/windows/graph_picture.hpp"

#include <QStringList>
#include <QWidget>
#include <cstddef>
#include <span>
#include <vector>

namespace veltrix::ui {

class AppContext;

// Lines are given in centimetres from the top-left corner of the client area, y growing
// downward, and stay until the window is closed: nothing clears it. The window keeps the lines
// themselves and a picture of them at the screen's resolution, so its drawing survives covering,
// minimising, resizing and a change of screen scale. A larger window shows more of the same
// plane; nothing is ever rescaled.
//
// Its context menu, and Ctrl+C and Ctrl+S while it is active, copy its picture to the clipboard
// and save it as a PNG or SVG file.
class GraphWindow final : public SetWindow<QWidget> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form2";
    static constexpr TwipsRect kClientArea{2805, 2310, 5670, 5385};

    explicit GraphWindow(AppContext& app);

    // Black, solid lines one device pixel wide.
    void DrawLines(std::span<const GraphLine> lines);
    // The segments from `start` to the first point, and from each point to the next.
    void DrawChain(GraphPoint start, std::span<const GraphPoint> points);

    // Tells screen readers, through the window's accessible description, that the curve of this
    // equation is now on the window too. Nothing visible changes.
    void NotePlotted(const QString& equation);

    // How many lines the window keeps. A batch of lines identical to one already drawn adds
    // nothing to the picture, so it is kept only once.
    std::size_t KeptLineCount() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The lines as far as the client area shows them, cut at its edges, in centimetres: the
    // window's drawing at its true size, for an SVG file.
    LineDrawing Drawing() const;

    void Keep(std::vector<GraphLine> lines);
    // Makes the picture cover the window at the screen's present scale.
    void CoverWindow();

    // The window's centimetre at the layout scale it was made with: a larger font draws the plane
    // larger, never rescaled.
    const double pixelsPerCentimetre_ = kPixelsPerCentimetre * LayoutScale();
    std::vector<std::vector<GraphLine>> batches_;
    QStringList plotted_; // the equations whose curves the window shows, oldest first
    GraphPicture picture_{pixelsPerCentimetre_};
};

// Plot: draws the axes, the ticks and the curve of the equation into the Graph window, over
// whatever it already shows; or says in a message box why it cannot. A failure part way keeps
// what was drawn before it.
void Plot(AppContext& app);

} // namespace veltrix::ui
