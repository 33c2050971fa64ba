// The Graph window's drawing as pixels at the screen's resolution. The window paints from it, so
// that covering, minimising or resizing the window costs no redrawing of its lines.
#pragma once

#include "engine/core/plot_curve.hpp"

#include <QImage>
#include <QRect>
#include <QSize>
#include <span>
#include <vector>

class QPainter;

namespace veltrix::ui {

class GraphPicture {
  public:
    // At `pixelsPerCentimetre` pixels (at screen scale 1) a centimetre of the plane.
    explicit GraphPicture(double pixelsPerCentimetre) : pixelsPerCentimetre_(pixelsPerCentimetre) {}

    // Makes the picture cover a window of `size` pixels at `scale` device pixels each. A picture
    // that covers it already stays as it is; otherwise it is made anew and `batches` drawn into
    // it. A window that grew at the same scale gets some room to spare, so that dragging its edge
    // does not redraw at every step; one that shrinks keeps its larger picture.
    void Cover(QSize size, qreal scale, std::span<const std::vector<GraphLine>> batches);

    // Draws black, solid lines one device pixel wide, given in centimetres from the top-left
    // corner.
    void Draw(std::span<const GraphLine> lines);

    // Paints the part of the picture that lies under `exposed`, given in the window's pixels; white
    // where there is no picture.
    void Paint(QPainter& painter, const QRect& exposed) const;

    // In device pixels: at least the size covered, and never far beyond it.
    QSize Size() const { return image_.size(); }

  private:
    double pixelsPerCentimetre_;
    QImage image_; // white where nothing is drawn
    qreal scale_ = 0;
};

} // namespace veltrix::ui
