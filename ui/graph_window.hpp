// The Graph window, Form2, and the main window's Plot command that draws on it: two axes with
// their ticks and the curve of the equation, at a fixed one unit per centimetre.
#pragma once

#include "engine/plot_curve.hpp"
#include "ui/geometry.hpp"
#include "ui/svg_drawing.hpp"

#include <QImage>
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
class GraphWindow final : public QWidget {
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
    // The picture the window paints from, in device pixels: at least as large as the window.
    QSize PictureSize() const { return picture_.size(); }

    // The client area exactly as the window shows it, in device pixels at the screen's scale.
    // Its resolution says the window's true size: 37.8 pixels a centimetre at scale 1.
    QImage Picture();

    // The lines as far as the client area shows them, cut at its edges, in centimetres: the
    // window's drawing at its true size, for an SVG file.
    LineDrawing Drawing() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Copy: the picture onto the clipboard.
    void CopyPicture();
    // Save As: asks for a file name and writes the picture there as PNG, or the drawing as SVG,
    // by the name's extension or else by the file type chosen. A failure writes nothing and
    // says why in a message box.
    void SaveAs();

    void Keep(std::vector<GraphLine> lines);
    void EnsurePicture();
    void Render(std::span<const GraphLine> lines);

    AppContext& app_;
    std::vector<std::vector<GraphLine>> batches_;
    QStringList plotted_; // the equations whose curves the window shows, oldest first
    QImage picture_;      // device pixels, white where nothing is drawn
    qreal pictureScale_ = 0;
};

// Plot: draws the axes, the ticks and the curve of the equation into the Graph window, over
// whatever it already shows; or says in a message box why it cannot. A failure part way keeps
// what was drawn before it.
void Plot(AppContext& app);

} // namespace veltrix::ui
