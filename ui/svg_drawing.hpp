// Black lines written as an SVG document at their true size.
#pragma once

#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <vector>

class QIODevice;

namespace veltrix::ui {

// A page of lines in centimetres, origin at its top-left corner, y growing downward.
struct LineDrawing {
    QSizeF size;                      // the page; whatever lies beyond it is cut off
    double lineWidth = 0;             // the width of every line
    std::vector<QPolygonF> polylines; // each a chain of straight lines
    QString title, description;
};

// Writes the drawing as SVG on a white page of its size, so that a centimetre of the drawing is a
// centimetre wherever the file is shown or printed at its own size. The points are written as
// given; the strokes lie half their width to the right of and below them. Says whether it could.
bool WriteSvg(QIODevice& device, const LineDrawing& drawing);

} // namespace veltrix::ui
