#include "ui/windows/graph_window.hpp"

#include "engine/core/engine.hpp"
#include "ui/shared/accessibility.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/shared/controls.hpp"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <exception>

namespace veltrix::ui {

GraphWindow::GraphWindow(AppContext& app) : SetWindow(app.Windows()) {
    setWindowTitle(tr("Graph"));
    UseWhiteBackground(*this);
    // paintEvent covers every pixel with the picture, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    AddExportCommands(
        app, *this, [this] { return Drawing(); }, pixelsPerCentimetre_);
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
    setAccessibleDescription(
        tr("Curves plotted, in order: %1").arg(plotted_.join(QStringLiteral("; "))));
}

std::size_t GraphWindow::KeptLineCount() const {
    std::size_t count = 0;
    for (const std::vector<GraphLine>& batch : batches_) {
        count += batch.size();
    }
    return count;
}

LineDrawing GraphWindow::Drawing() const {
    const QSizeF page(width() / pixelsPerCentimetre_, height() / pixelsPerCentimetre_);
    // A line is one pixel wide at screen scale 1.
    LineDrawing drawing{page, 1 / pixelsPerCentimetre_, {}, windowTitle(), accessibleDescription()};
    for (const Polyline& visible :
         VisiblePolylines(batches_, {0, 0, page.width(), page.height()})) {
        QPolygonF& polyline = drawing.polylines.emplace_back();
        for (const ClipPoint point : visible) {
            polyline << QPointF(point.x, point.y);
        }
    }
    return drawing;
}

void GraphWindow::Keep(std::vector<GraphLine> lines) {
    // Black on white without smoothing: drawing a line again changes no pixel. Every Plot redraws
    // the same axes, and the same equation plotted twice gives the same curve.
    if (lines.empty() || std::find(batches_.begin(), batches_.end(), lines) != batches_.end()) {
        return;
    }
    CoverWindow();
    picture_.Draw(lines);
    batches_.push_back(std::move(lines));
    update();
}

void GraphWindow::CoverWindow() {
    picture_.Cover(size(), devicePixelRatioF(), batches_);
}

void GraphWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    CoverWindow();
}

void GraphWindow::paintEvent(QPaintEvent* event) {
    // The screen's scale may have changed since the last paint (the window moved to another
    // screen, or the user changed the scale).
    CoverWindow();
    QPainter painter(this);
    picture_.Paint(painter, event->rect());
}

void Plot(AppContext& app) {
    try {
        const QString equation = app.EquationText();
        const SplitOutcome parsed = SplitEquation(equation.toStdU16String());
        if (std::holds_alternative<InvalidQuadratic>(parsed)) {
            app.Messages().Show(InvalidQuadraticMessage());
            return;
        }
        const auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed);
        if (coefficients == nullptr) { // the window is not touched
            app.Messages().Show(EquationFailedMessage());
            return;
        }
        GraphWindow& graph = app.Windows().MakeVisible<GraphWindow>();
        graph.DrawLines(kAxesAndTicks);
        const CurvePoints curve = PlotCurve(*coefficients, app.DecimalSeparator());
        graph.DrawChain(kCurveStart, curve.points);
        if (!curve.points.empty()) {
            graph.NotePlotted(equation);
        }
        if (curve.failedAtX) {
            app.Messages().Show(EquationFailedMessage());
        }
    } catch (const std::exception&) {
        // Out of memory for a monstrous equation: the command's general failure.
        app.Messages().Show(EquationFailedMessage());
    }
}

} // namespace veltrix::ui
