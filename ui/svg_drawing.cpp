#include "ui/svg_drawing.hpp"

#include <QPainter>
#include <QSvgGenerator>
#include <cmath>

namespace veltrix::ui {

namespace {

// The file gives the page's size in whole dots: at 2540 dots per inch a dot is a hundredth of a
// millimetre, and a centimetre 1000 dots. Its drawing is in centimetres.
constexpr int kDotsPerInch = 2540;
constexpr double kDotsPerCentimetre = 1000.0;

} // namespace

bool WriteSvg(QIODevice& device, const LineDrawing& drawing) {
    const QSize dots(static_cast<int>(std::round(drawing.size.width() * kDotsPerCentimetre)),
                     static_cast<int>(std::round(drawing.size.height() * kDotsPerCentimetre)));
    const QRectF page(QPointF(0, 0), drawing.size);

    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(kDotsPerInch);
    svg.setSize(dots);
    svg.setViewBox(page);
    svg.setTitle(drawing.title);
    svg.setDescription(drawing.description);

    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    painter.fillRect(page, Qt::white);
    // As on the screen, where a line covers the pixels to the right of and below its course, the
    // strokes lie on that side of the lines: one on the right or bottom edge stays off the page.
    painter.translate(drawing.lineWidth / 2, drawing.lineWidth / 2);
    painter.setPen(QPen(Qt::black, drawing.lineWidth));
    for (const QPolygonF& polyline : drawing.polylines) {
        painter.drawPolyline(polyline);
    }
    return painter.end();
}

} // namespace veltrix::ui
