// Taking the Graph window's drawing elsewhere: its pixels copied to the clipboard, or saved as a
// PNG picture or as an SVG drawing at true size, where a centimetre of the window is a centimetre
// of the drawing.
#pragma once

#include "ui/shared/picture_export.hpp"

#include <QPolygonF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace veltrix::ui {

// A page of lines in centimetres, origin at its top-left corner, y growing downward.
struct LineDrawing {
    QSizeF size;                      // the page; whatever lies beyond it is cut off
    double lineWidth = 0;             // the width of every line
    std::vector<QPolygonF> polylines; // each a chain of straight lines
    QString title, description;
};

// Adds Copy and Save As to the window's context menu, with their shortcuts Ctrl+C and Ctrl+S
// while it is active, as AddPictureCommands does: the window's pixels, or `drawing()` as SVG on a
// white page of its size, offered as "graph.png".
// `pixelsPerCentimetre` is the window's own, at screen scale 1.
void AddExportCommands(AppContext& app, QWidget& window, std::function<LineDrawing()> drawing,
                       double pixelsPerCentimetre);

} // namespace veltrix::ui
