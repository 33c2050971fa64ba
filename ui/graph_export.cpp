#include "ui/graph_export.hpp"

#include "ui/app_context.hpp"
#include "ui/context_menu.hpp"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>
#include <cmath>
#include <optional>

namespace veltrix::ui {

namespace {

// The file gives the page's size in whole dots: at 2540 dots per inch a dot is a hundredth of a
// millimetre, and a centimetre 1000 dots. Its drawing is in centimetres.
constexpr int kDotsPerInch = 2540;
constexpr double kDotsPerCentimetre = 1000.0;

QString PngFilter() {
    return QCoreApplication::translate("GraphExport", "PNG image (*.png)");
}

QString SvgFilter() {
    return QCoreApplication::translate("GraphExport", "SVG drawing (*.svg)");
}

QString SaveFailedMessage(const QString& path, const QString& why) {
    return QCoreApplication::translate("GraphExport",
                                       "The picture could not be saved as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

// The client area exactly as the window shows it, in device pixels at the screen's scale. Its
// resolution says the window's true size: the window's own pixels a centimetre (37.8 at the
// layout's scale 1) at screen scale 1.
QImage Picture(QWidget& window, double pixelsPerCentimetre) {
    QImage picture = window.grab().toImage();
    const auto dotsPerMetre =
        static_cast<int>(std::lround(pixelsPerCentimetre * 100 * picture.devicePixelRatio()));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

// Writes the drawing as SVG on a white page of its size, so that a centimetre of the drawing is a
// centimetre wherever the file is shown or printed at its own size. The points are written as
// given; the strokes lie half their width to the right of and below them. Says whether it could.
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

// Writes the file at `path` with `write`, which puts the whole content on the device and says
// whether it could. The content goes to a new file beside the old one, which replaces it only when
// everything was written: a failure (a read-only folder, a full disk, a name that is a folder)
// leaves no partial file behind and an existing file as it was. Returns why it failed, or nothing.
std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    // The content is made in memory first: a writer that is handed a device may take a short
    // write for a whole one, and the file would then be committed cut short.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content)) {
        return QCoreApplication::translate("GraphExport", "its content could not be made");
    }
    const QByteArray& bytes = content.data();
    // Unbuffered, so that each write reaches the file at once and says how much it took: a
    // failure left to the flush at commit() can go unseen there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A full disk first takes part of a write, then fails the next with its reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        written += step;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

// SVG for a name ending in .svg, PNG for one ending in .png, otherwise the type chosen.
bool IsSvg(const SaveTarget& target) {
    const QString suffix = QFileInfo(target.path).suffix();
    if (suffix.compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (suffix.compare(QLatin1String("png"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    return target.filter == SvgFilter();
}

void SaveAs(AppContext& app, QWidget& window, const std::function<LineDrawing()>& drawing,
            double pixelsPerCentimetre) {
    const std::optional<SaveTarget> target =
        app.Files().AskSaveName(window, QStringLiteral("graph.png"), {PngFilter(), SvgFilter()});
    if (!target) {
        return;
    }
    const std::optional<QString> failure =
        IsSvg(*target)
            ? WriteWholeFile(target->path,
                             [page = drawing()](QIODevice& file) { return WriteSvg(file, page); })
            : WriteWholeFile(target->path,
                             [picture = Picture(window, pixelsPerCentimetre)](QIODevice& file) {
                                 return picture.save(&file, "PNG");
                             });
    if (failure) {
        app.Messages().Show(SaveFailedMessage(target->path, *failure));
    }
}

} // namespace

void AddExportCommands(AppContext& app, QWidget& window, std::function<LineDrawing()> drawing,
                       double pixelsPerCentimetre) {
    QObject::connect(
        &AddMenuCommand(window, "Copy", QCoreApplication::translate("GraphExport", "&Copy"),
                        QKeySequence::Copy),
        &QAction::triggered, &window, [&window, pixelsPerCentimetre] {
            QGuiApplication::clipboard()->setImage(Picture(window, pixelsPerCentimetre));
        });
    QObject::connect(&AddMenuCommand(window, "SaveAs",
                                     QCoreApplication::translate("GraphExport", "Save &As…"),
                                     QKeySequence::Save),
                     &QAction::triggered, &window,
                     [&app, &window, drawing = std::move(drawing), pixelsPerCentimetre] {
                         SaveAs(app, window, drawing, pixelsPerCentimetre);
                     });
}

} // namespace veltrix::ui
