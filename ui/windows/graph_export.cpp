#include "ui/windows/graph_export.hpp"

#include <QCoreApplication>
#include <QPainter>

namespace veltrix::ui {

namespace {

// The drawing on a white page of its size. The points are written as given; the strokes lie half
// their width to the right of and below them.
SvgPage PageOf(LineDrawing drawing) {
    const QSizeF size = drawing.size;
    QString title = drawing.title;
    QString description = drawing.description;
    return {size, std::move(title), std::move(description),
            [drawing = std::move(drawing)](QPainter& painter) {
                painter.fillRect(QRectF(QPointF(0, 0), drawing.size), Qt::white);
                // As on the screen, where a line covers the pixels to the right of and below its
                // course, the strokes lie on that side of the lines: one on the right or bottom
                // edge stays off the page.
                painter.translate(drawing.lineWidth / 2, drawing.lineWidth / 2);
                painter.setPen(QPen(Qt::black, drawing.lineWidth));
                for (const QPolygonF& polyline : drawing.polylines) {
                    painter.drawPolyline(polyline);
                }
            }};
}

} // namespace

void AddExportCommands(AppContext& app, QWidget& window, std::function<LineDrawing()> drawing,
                       double pixelsPerCentimetre) {
    AddPictureCommands(
        app, window,
        {{"Copy", QCoreApplication::translate("GraphExport", "&Copy"), QKeySequence::Copy},
         {"SaveAs", QCoreApplication::translate("GraphExport", "Save &As…"), QKeySequence::Save},
         QStringLiteral("graph.png"),
         pixelsPerCentimetre,
         [drawing = std::move(drawing)] { return PageOf(drawing()); }});
}

} // namespace veltrix::ui
