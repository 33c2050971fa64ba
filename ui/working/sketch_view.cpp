#include "ui/working/sketch_view.hpp"

#include "engine/formula/latex.hpp"
#include "ui/shared/accessibility.hpp"
#include "ui/shared/geometry.hpp"
#include "ui/shared/picture_export.hpp"
#include "ui/working/formula_layout.hpp"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrix::ui {

namespace {

QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString SpokenLabel(const SketchMark& mark) {
    return Spoken(Text(mark.label));
}

bool IsNumberCharacter(char16_t c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u',' || c == u'\u2212' || c == u'-';
}

// A text of the sketch in runs: each number with a power of ten laid out as the working's lines
// lay it out, 1.5 × 10 with the exponent raised, and plain text between them.
std::vector<FormulaLayout> Runs(std::u16string_view text, const QFont& font) {
    std::vector<FormulaLayout> runs;
    const auto add = [&](std::u16string_view run) {
        if (!run.empty()) {
            runs.push_back(LayOut(Formula{math::Number{std::u16string(run)}}, font));
        }
    };
    std::size_t plainFrom = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (const std::optional<math::PowerOfTen> power = math::PowerOfTenAt(text, at)) {
            std::size_t start = at;
            while (start > plainFrom && IsNumberCharacter(text[start - 1])) {
                --start;
            }
            add(text.substr(plainFrom, start - plainFrom));
            add(text.substr(start, at + power->length - start));
            at += power->length - 1;
            plainFrom = at + 1;
        }
    }
    add(text.substr(plainFrom));
    return runs;
}

struct RunsExtent {
    double width = 0, ascent = 0, descent = 0;
};

RunsExtent ExtentOf(const std::vector<FormulaLayout>& runs, const QFontMetricsF& metrics) {
    RunsExtent extent{0, metrics.ascent(), metrics.descent()};
    for (const FormulaLayout& run : runs) {
        extent.width += run.width;
        extent.ascent = std::max(extent.ascent, run.ascent);
        extent.descent = std::max(extent.descent, run.descent);
    }
    return extent;
}

// Texts measured in lines of the font, the plan's unit, with a pixel either side for ink that
// stands out of a text's advance; a raised exponent makes a text taller.
MeasureText MeasureWith(const QFont& font) {
    const QFontMetricsF metrics(font);
    return [metrics, font](std::u16string_view text) {
        const double line = metrics.lineSpacing();
        const RunsExtent extent = ExtentOf(Runs(text, font), metrics);
        return TextExtent{(extent.width + 2) / line,
                          std::max(metrics.height(), extent.ascent + extent.descent) / line};
    };
}

// The text centred in its box, its runs one after the other on a common baseline.
void PaintText(QPainter& painter, const QRectF& box, std::u16string_view text) {
    const std::vector<FormulaLayout> runs = Runs(text, painter.font());
    const RunsExtent extent = ExtentOf(runs, QFontMetricsF(painter.font()));
    double x = box.center().x() - extent.width / 2;
    const double baseline = box.center().y() + (extent.ascent - extent.descent) / 2;
    for (const FormulaLayout& run : runs) {
        PaintFormula(painter, run, {x, baseline}, -INFINITY, INFINITY);
        x += run.width;
    }
}

QPointF Pixels(PicturePoint p, double unit) {
    return {p.x * unit, p.y * unit};
}

QRectF Pixels(const PictureBox& box, double unit) {
    return {box.left * unit, box.top * unit, box.width * unit, box.height * unit};
}

void PaintAxis(QPainter& painter, const SketchAxis& axis, bool horizontal, double unit) {
    painter.drawLine(Pixels(axis.from, unit), Pixels(axis.to, unit));
    const double half = kSketchTickLength / 2;
    for (const SketchTick& tick : axis.ticks) {
        const PicturePoint from = horizontal ? PicturePoint{tick.at, axis.from.y - half}
                                             : PicturePoint{axis.from.x - half, tick.at};
        const PicturePoint to = horizontal ? PicturePoint{tick.at, axis.from.y + half}
                                           : PicturePoint{axis.from.x + half, tick.at};
        painter.drawLine(Pixels(from, unit), Pixels(to, unit));
    }
}

void PaintTexts(QPainter& painter, const SketchPlan& plan, double unit) {
    for (const SketchAxis* axis : {&plan.xAxis, &plan.yAxis}) {
        for (const SketchTick& tick : axis->ticks) {
            if (tick.numberBox) {
                PaintText(painter, Pixels(*tick.numberBox, unit), tick.number);
            }
        }
    }
    for (const SketchMark& mark : plan.marks) {
        if (mark.labelBox && !mark.sharedLabel) {
            PaintText(painter, Pixels(*mark.labelBox, unit), mark.label);
        }
    }
}

QString TurningPoint(const SketchMark& mark) {
    return mark.kind == SketchPointKind::Minimum ? SketchView::tr("minimum at %1")
                                                 : SketchView::tr("maximum at %1");
}

// The roots from left to right, or why there are none.
QString Roots(const SketchPlan& plan, std::vector<const SketchMark*> roots) {
    std::sort(roots.begin(), roots.end(),
              [](const SketchMark* p, const SketchMark* q) { return p->at.x < q->at.x; });
    if (roots.size() == 2) {
        return SketchView::tr("roots at %1 and %2")
            .arg(SpokenLabel(*roots[0]), SpokenLabel(*roots[1]));
    }
    if (roots.size() == 1) {
        const bool line = roots[0]->kind == SketchPointKind::LineRoot;
        return (line ? SketchView::tr("root at %1") : SketchView::tr("double root at %1"))
            .arg(SpokenLabel(*roots[0]));
    }
    if (plan.shape == SketchCurve::Parabola) {
        return SketchView::tr("no real roots");
    }
    return plan.everyXIsARoot ? SketchView::tr("every x is a root") : SketchView::tr("no root");
}

} // namespace

QPalette PaperPalette() {
    QPalette paper;
    paper.setColor(QPalette::Base, Qt::white);
    paper.setColor(QPalette::Text, Qt::black);
    return paper;
}

std::optional<SketchPlan> PlanOf(const SketchInput& input, const QFont& font) {
    SketchOutcome outcome = PlanSketch(input, MeasureWith(font));
    if (auto* plan = std::get_if<SketchPlan>(&outcome)) {
        return std::move(*plan);
    }
    return std::nullopt;
}

// The plan, or the background alone where there is none.
void PaintPlan(QPainter& painter, const std::optional<SketchPlan>& plan, const QPalette& palette,
               double unit, const QFont& font) {
    if (plan) {
        PaintSketch(painter, *plan, palette, unit, font);
    } else {
        painter.fillRect(QRectF(0, 0, kSketchWidth * unit, kSketchHeight * unit),
                         palette.color(QPalette::Base));
    }
}

void PaintSketch(QPainter& painter, const SketchPlan& plan, const QPalette& palette, double unit,
                 const QFont& font) {
    const QColor ink = palette.color(QPalette::Text);
    painter.fillRect(QRectF(0, 0, kSketchWidth * unit, kSketchHeight * unit),
                     palette.color(QPalette::Base));
    // Numbers read from the left whichever way the window reads.
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setPen(QPen(ink, 0));
    PaintAxis(painter, plan.xAxis, true, unit);
    PaintAxis(painter, plan.yAxis, false, unit);
    QPolygonF axisBreak;
    for (const PicturePoint p : plan.axisBreak) {
        axisBreak << Pixels(p, unit);
    }
    painter.drawPolyline(axisBreak);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, std::max(1.5, unit / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const std::vector<PicturePoint>& polyline : plan.curve) {
        QPolygonF line;
        for (const PicturePoint p : polyline) {
            line << Pixels(p, unit);
        }
        painter.drawPolyline(line);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const SketchMark& mark : plan.marks) {
        painter.drawEllipse(Pixels(mark.at, unit), kSketchMarkRadius * unit,
                            kSketchMarkRadius * unit);
    }
    painter.setPen(ink);
    painter.setFont(font);
    PaintTexts(painter, plan, unit);
}

QString DescriptionOf(const SketchPlan& plan) {
    QStringList parts{plan.shape == SketchCurve::Line ? SketchView::tr("Straight line")
                                                      : SketchView::tr("Parabola")};
    std::vector<const SketchMark*> roots;
    QString intercept;
    for (const SketchMark& mark : plan.marks) {
        if (mark.kind == SketchPointKind::Minimum || mark.kind == SketchPointKind::Maximum) {
            parts << TurningPoint(mark).arg(SpokenLabel(mark));
        } else if (mark.kind == SketchPointKind::YIntercept) {
            intercept = SketchView::tr("crosses the y axis at %1").arg(SpokenLabel(mark));
        } else {
            roots.push_back(&mark);
        }
    }
    parts << Roots(plan, roots);
    if (!intercept.isEmpty()) {
        parts << intercept;
    }
    // The break in the y axis says so to the eye.
    if (!plan.axisBreak.empty()) {
        parts << (plan.axisBreak.front().y > kSketchHeight / 2
                      ? SketchView::tr("x axis far below the curve, not to scale")
                      : SketchView::tr("x axis far above the curve, not to scale"));
    }
    return parts.join(SketchView::tr(", ", "between the parts of the sketch's description"));
}

SketchView::SketchView(AppContext& app, QWidget* parent) : QWidget(parent) {
    setAccessibleName(tr("Sketch of the curve"));
    // Focus lets the Menu key and Shift+F10 open its menu.
    setFocusPolicy(Qt::StrongFocus);
    QSizePolicy policy(QSizePolicy::Maximum, QSizePolicy::Maximum);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    const auto page = [this] {
        const QSizeF size = QSizeF(this->size()) / kPixelsPerCentimetre;
        return SvgPage{size, accessibleName(), accessibleDescription(),
                       [plan = plan_, colours = PaperPalette(), unit = Unit(), font = font(),
                        scale = Scale()](QPainter& painter) {
                           painter.scale(1 / kPixelsPerCentimetre, 1 / kPixelsPerCentimetre);
                           painter.scale(scale, scale);
                           PaintPlan(painter, plan, colours, unit,
                                     PageFont(font, 1 / kPixelsPerCentimetre));
                       }};
    };
    AddPictureCommands(app, *this,
                       {{"CopyPicture", tr("&Copy picture"), {}},
                        {"SavePicture", tr("&Save picture…"), {}},
                        QStringLiteral("sketch.png"),
                        kPixelsPerCentimetre,
                        page,
                        [this](QPainter& painter) {
                            painter.scale(Scale(), Scale());
                            PaintPlan(painter, plan_, PaperPalette(), Unit(), font());
                        }});
    Replan();
}

void SketchView::ShowSketch(SketchInput input) {
    input_ = std::move(input);
    Replan();
}

QSize SketchView::sizeHint() const {
    const double unit = Unit();
    return {static_cast<int>(std::ceil(kSketchWidth * unit)),
            static_cast<int>(std::ceil(kSketchHeight * unit))};
}

// A quarter of the plan's size still shows its shape and its marks.
QSize SketchView::minimumSizeHint() const {
    return sizeHint() / 4;
}

int SketchView::heightForWidth(int width) const {
    const QSize natural = sizeHint();
    return width >= natural.width()
               ? natural.height()
               : static_cast<int>(std::ceil(natural.height() * width / double(natural.width())));
}

// Smaller than its own size, the view draws the whole plan smaller; larger, at its own size.
double SketchView::Scale() const {
    const QSize natural = sizeHint();
    return std::min({1.0, width() / double(natural.width()), height() / double(natural.height())});
}

double SketchView::Unit() const {
    return QFontMetricsF(font()).lineSpacing();
}

// The plan's texts are measured with the font, so a new font makes a new plan.
void SketchView::Replan() {
    plan_ = input_ ? PlanOf(*input_, font()) : std::nullopt;
    setAccessibleDescription(plan_ ? DescriptionOf(*plan_) : QString());
    // In a window of its own it keeps its own size; the Working window fits it to its room.
    if (isWindow()) {
        resize(sizeHint());
    }
    updateGeometry();
    update();
}

void SketchView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        Replan();
    }
}

void SketchView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The paper reaches the view's edges, past the sketch's fraction of a pixel, as it does in
    // the picture taken of it.
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QSize natural = sizeHint();
    const double scale =
        std::min({1.0, width() / double(natural.width()), height() / double(natural.height())});
    painter.scale(scale, scale);
    PaintPlan(painter, plan_, palette(), Unit(), font());
    painter.resetTransform();
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace veltrix::ui
