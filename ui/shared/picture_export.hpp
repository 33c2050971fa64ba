// Taking a picture elsewhere: a widget's pixels copied to the clipboard, or saved as a PNG picture
// or as an SVG drawing at true size. The Graph window and the sketch share it, so that both save
// a file whole or not at all.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;
class QPainter;
class QWidget;

namespace veltrix::ui {

class AppContext;

// An SVG file's page: its size in centimetres, and what it shows, drawn in centimetres from its
// top-left corner.
struct SvgPage {
    QSizeF size;
    QString title, description;
    std::function<void(QPainter&)> paint;
};

// The font to write text with on an SVG page while the painter draws `centimetresPerUnit` a unit:
// the file sizes a font by its points at the file's own resolution, whatever the painter's scale.
QFont PageFont(const QFont& font, double centimetresPerUnit);

// Writes the file at `path` with `write`, which puts the whole content on the device and says
// whether it could. The content goes to a new file beside the old one, which replaces it only when
// everything was written: a failure (a read-only folder, a full disk, a name that is a folder)
// leaves no partial file behind and an existing file as it was. Returns why it failed, or nothing.
std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write);

// A command of the widget's context menu: its object name, its text, and its shortcut while the
// widget's window is active (none for an empty one).
struct PictureCommand {
    const char* name;
    QString text;
    QKeySequence shortcut;
};

struct PictureExport {
    PictureCommand copy, saveAs;
    QString fileName; // offered in the save dialog, such as "graph.png"
    // The widget's pixels a centimetre at screen scale 1: the resolution its PNG gives.
    double pixelsPerCentimetre;
    std::function<SvgPage()> page;
    // Paints the picture at the widget's size where it is not the widget as it shows, such as a
    // sketch that prints on white paper under a dark theme; none: the widget's own pixels.
    std::function<void(QPainter&)> paint = {};
};

// Adds the two commands to the widget's context menu. Copy puts the widget's pixels (or the
// picture's, where it paints its own) on the clipboard. Save As asks for a file name and writes
// them there as PNG, or the page as SVG, by the name's extension or else by the file type chosen.
// A file is written whole or not at all: a failure leaves an existing file as it was and says why
// in a message box.
void AddPictureCommands(AppContext& app, QWidget& widget, PictureExport picture);

} // namespace veltrix::ui
