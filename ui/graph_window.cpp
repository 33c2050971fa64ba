#include "ui/graph_window.hpp"

#include "engine/engine.hpp"
#include "ui/app_context.hpp"
#include "ui/context_menu.hpp"
#include "ui/main_window.hpp"
#include "ui/save_file.hpp"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

namespace veltrix::ui {

namespace {

constexpr double kPixelsPerCentimetre =
    static_cast<double>(kTwipsPerCentimetre) / static_cast<double>(kTwipsPerPixel);

// Lines are cut a little beyond the picture, so that a line ending at its edge is drawn exactly
// as it would be uncut.
constexpr double kCutMargin = 2.0;

QString PlotFailedMessage() {
    return QStringLiteral(
        "You have either entered an invalid quadratic, or have specified too higher accuracy.");
}

QSize DevicePixels(QSize logical, qreal scale) {
    return {static_cast<int>(std::ceil(logical.width() * scale)),
            static_cast<int>(std::ceil(logical.height() * scale))};
}

QSize WithRoomToGrow(QSize size) {
    constexpr int kStep = 128;
    return {(size.width() + kStep - 1) / kStep * kStep,
            (size.height() + kStep - 1) / kStep * kStep};
}

// The visible part of each line in device pixels; lines wholly outside the picture are dropped.
std::vector<QLineF> CutToPicture(std::span<const GraphLine> lines, QSize picture, qreal scale) {
    const double pixels = kPixelsPerCentimetre * scale;
    const ClipRect area{-kCutMargin, -kCutMargin, picture.width() + kCutMargin,
                        picture.height() + kCutMargin};
    std::vector<QLineF> visible;
    visible.reserve(lines.size());
    for (const GraphLine& line : lines) {
        const std::optional<ClipSegment> cut =
            ClipToRect({line.from.x * pixels, line.from.y * pixels},
                       {line.to.x * pixels, line.to.y * pixels}, area);
        if (cut) {
            visible.emplace_back(cut->from.x, cut->from.y, cut->to.x, cut->to.y);
        }
    }
    return visible;
}

// An equation as a screen reader should say it: a very long one (anything can be pasted into the
// equation box) is cut short, so that a description of many plots stays readable and small.
QString Spoken(const QString& equation) {
    constexpr qsizetype kLongest = 80;
    if (equation.size() <= kLongest) {
        return equation;
    }
    return equation.left(kLongest) + QStringLiteral("…");
}

QString PngFilter() {
    return QStringLiteral("PNG image (*.png)");
}

QString SvgFilter() {
    return QStringLiteral("SVG drawing (*.svg)");
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

QString SaveFailedMessage(const QString& path, const QString& why) {
    return QStringLiteral("The picture could not be saved as \"%1\": %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

GraphWindow::GraphWindow(AppContext& app) : app_(app) {
    setWindowTitle(QStringLiteral("Graph"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // paintEvent covers every pixel with the picture, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);

    connect(&AddMenuCommand(*this, "Copy", QStringLiteral("&Copy"), QKeySequence::Copy),
            &QAction::triggered, this, &GraphWindow::CopyPicture);
    connect(&AddMenuCommand(*this, "SaveAs", QStringLiteral("Save &As…"), QKeySequence::Save),
            &QAction::triggered, this, &GraphWindow::SaveAs);
}

void GraphWindow::DrawLines(std::span<const GraphLine> lines) {
    Keep({lines.begin(), lines.end()});
}

void GraphWindow::DrawChain(GraphPoint start, std::span<const GraphPoint> points) {
    std::vector<GraphLine> segments;
    segments.reserve(points.size());
    GraphPoint previous = start;
    for (const GraphPoint point : points) {
        segments.push_back({previous, point});
        previous = point;
    }
    Keep(std::move(segments));
}

void GraphWindow::NotePlotted(const QString& equation) {
    plotted_.append(Spoken(equation));
    setAccessibleDescription(QStringLiteral("Curves plotted, in order: ") +
                             plotted_.join(QStringLiteral("; ")));
}

std::size_t GraphWindow::KeptLineCount() const {
    std::size_t count = 0;
    for (const std::vector<GraphLine>& batch : batches_) {
        count += batch.size();
    }
    return count;
}

QImage GraphWindow::Picture() {
    QImage picture = grab().toImage();
    const auto dotsPerMetre =
        static_cast<int>(std::lround(kPixelsPerCentimetre * 100 * picture.devicePixelRatio()));
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    return picture;
}

LineDrawing GraphWindow::Drawing() const {
    const QSizeF page(width() / kPixelsPerCentimetre, height() / kPixelsPerCentimetre);
    // A line is one pixel wide at scale 1.
    LineDrawing drawing{page, 1 / kPixelsPerCentimetre, {}, windowTitle(), accessibleDescription()};
    for (const Polyline& visible :
         VisiblePolylines(batches_, {0, 0, page.width(), page.height()})) {
        QPolygonF& polyline = drawing.polylines.emplace_back();
        for (const ClipPoint point : visible) {
            polyline << QPointF(point.x, point.y);
        }
    }
    return drawing;
}

void GraphWindow::CopyPicture() {
    QGuiApplication::clipboard()->setImage(Picture());
}

void GraphWindow::SaveAs() {
    const std::optional<SaveTarget> target =
        app_.Files().AskSaveName(*this, QStringLiteral("graph.png"), {PngFilter(), SvgFilter()});
    if (!target) {
        return;
    }
    const std::optional<QString> failure =
        IsSvg(*target)
            ? WriteWholeFile(target->path, [drawing = Drawing()](
                                               QIODevice& file) { return WriteSvg(file, drawing); })
            : WriteWholeFile(target->path, [picture = Picture()](QIODevice& file) {
                  return picture.save(&file, "PNG");
              });
    if (failure) {
        app_.Messages().Show(SaveFailedMessage(target->path, *failure));
    }
}

void GraphWindow::Keep(std::vector<GraphLine> lines) {
    // Black on white without smoothing: drawing a line again changes no pixel. Every Plot redraws
    // the same axes, and the same equation plotted twice gives the same curve.
    if (lines.empty() || std::find(batches_.begin(), batches_.end(), lines) != batches_.end()) {
        return;
    }
    EnsurePicture();
    Render(lines);
    batches_.push_back(std::move(lines));
    update();
}

void GraphWindow::EnsurePicture() {
    const qreal scale = devicePixelRatioF();
    const QSize needed = DevicePixels(size(), scale);
    if (scale == pictureScale_ && picture_.width() >= needed.width() &&
        picture_.height() >= needed.height()) {
        return;
    }
    // A window that shrinks keeps its larger picture, so growing back costs nothing; one that
    // grows gets some room to spare, so that dragging its edge does not redraw at every step.
    const bool growing = scale == pictureScale_ && !picture_.isNull();
    const QSize pictureSize = growing ? WithRoomToGrow(needed).expandedTo(picture_.size()) : needed;
    picture_ = QImage(pictureSize, QImage::Format_RGB32);
    pictureScale_ = scale;
    picture_.fill(Qt::white);
    for (const std::vector<GraphLine>& batch : batches_) {
        Render(batch);
    }
}

void GraphWindow::Render(std::span<const GraphLine> lines) {
    if (picture_.isNull()) {
        return; // no memory for a picture this large: the window stays white
    }
    const std::vector<QLineF> visible = CutToPicture(lines, picture_.size(), pictureScale_);
    QPainter painter(&picture_);
    painter.setPen(QPen(Qt::black, 0)); // width 0: one device pixel at any scale
    painter.drawLines(visible.data(), static_cast<int>(visible.size()));
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    EnsurePicture();
}

void GraphWindow::paintEvent(QPaintEvent* event) {
    // The screen's scale may have changed since the last paint (the window moved to another
    // screen, or the user changed the scale).
    EnsurePicture();
    QPainter painter(this);
    const QRect exposed = event->rect();
    if (picture_.isNull()) {
        painter.fillRect(exposed, Qt::white);
        return;
    }
    const QRectF source(exposed.x() * pictureScale_, exposed.y() * pictureScale_,
                        exposed.width() * pictureScale_, exposed.height() * pictureScale_);
    painter.drawImage(QRectF(exposed), picture_, source);
}

void Plot(AppContext& app) {
    try {
        const QString equation = app.Windows().Get<MainWindow>().EquationText();
        const ParseOutcome parsed = ParseQuadratic(equation.toStdU16String());
        if (std::holds_alternative<InvalidQuadratic>(parsed)) {
            app.Messages().Show(QStringLiteral("Invalid Quadratic"));
            return;
        }
        const auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed);
        if (coefficients == nullptr) { // MalformedTerm: the window is not touched
            app.Messages().Show(PlotFailedMessage());
            return;
        }
        GraphWindow& graph = app.Windows().MakeVisible<GraphWindow>();
        graph.DrawLines(kAxesAndTicks);
        const CurvePoints curve = PlotCurve(*coefficients);
        graph.DrawChain(kCurveStart, curve.points);
        if (!curve.points.empty()) {
            graph.NotePlotted(equation);
        }
        if (curve.failedAtX) {
            app.Messages().Show(PlotFailedMessage());
        }
    } catch (const std::exception&) {
        // Out of memory for a monstrous equation: the command's general failure.
        app.Messages().Show(PlotFailedMessage());
    }
}

} // namespace veltrix::ui
