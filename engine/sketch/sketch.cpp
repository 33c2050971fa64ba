#include "engine/sketch/sketch.hpp"

#include "engine/core/conversions.hpp"
#include "engine/core/line_clip.hpp"
#include "engine/sketch/sketch_layout.hpp"
#include "engine/sketch/sketch_scaled.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

// Coordinates and coefficients are read as m·10^e, so that a root at 1E+700 keeps its size. Each
// axis then counts in its own power of ten, the largest its points need: in those units every
// point lies within ±10, and the picture is computed in plain doubles. Only the curve's steepness
// can still be beyond them, and the curve is drawn from its visible width, found by logarithms.

namespace veltrix {
namespace {

using sketch::In;
using sketch::Log10;
using sketch::Occupied;
using sketch::ReadScaled;
using sketch::Scaled;
using sketch::Segment;

struct Point {
    Scaled x, y;
};

struct Read {
    Scaled a, b, c;
    std::vector<Point> points;
    std::optional<Point> turning;
};

bool IsTurningPoint(SketchPointKind kind) {
    return kind == SketchPointKind::Minimum || kind == SketchPointKind::Maximum;
}

std::optional<Read> ReadInput(const SketchInput& input) {
    const std::optional<Scaled> a = ReadScaled(input.a);
    const std::optional<Scaled> b = ReadScaled(input.b);
    const std::optional<Scaled> c = ReadScaled(input.c);
    if (!a || !b || !c) {
        return std::nullopt;
    }
    Read read{*a, *b, *c, {}, {}};
    for (const SketchPoint& point : input.points) {
        const std::optional<Scaled> x = ReadScaled(point.x);
        const std::optional<Scaled> y = ReadScaled(point.y);
        if (!x || !y) {
            return std::nullopt;
        }
        read.points.push_back({*x, *y});
        if (IsTurningPoint(point.kind)) {
            read.turning = read.points.back();
        }
    }
    if (!read.a.IsZero() && !read.turning) {
        return std::nullopt;
    }
    return read;
}

// Where every point of interest lies on the y axis, the curve itself gives the x axis a span: a
// parabola as far out as it rises by its turning point's height (or by 1 from the origin), a line
// from x = -1 to 1.
void AddSpanOnTheYAxis(const Read& read, std::vector<Point>& shape) {
    if (!read.a.IsZero()) {
        const Scaled k = read.turning->y;
        const double sign = read.a.significand > 0 ? 1 : -1;
        const Scaled rise =
            k.IsZero() ? Scaled{sign, 0} : Scaled{sign * std::fabs(k.significand), k.exponent};
        const double log10Half = (Log10(rise) - Log10(read.a)) / 2;
        const double whole = std::floor(log10Half);
        const Scaled half{std::pow(10.0, log10Half - whole), static_cast<std::int64_t>(whole)};
        const Scaled y = Sum(k, rise);
        shape.push_back({half, y});
        shape.push_back({{-half.significand, half.exponent}, y});
        return;
    }
    const Scaled minusB{-read.b.significand, read.b.exponent};
    shape.push_back({{1, 0}, Sum(read.c, read.b)});
    shape.push_back({{-1, 0}, Sum(read.c, minusB)});
}

// A frame down to the x axis would flatten the curve where the axis lies farther from the points
// than this many times their height: the x axis then stands at the frame's edge, below a break.
constexpr double kAxisAway = 4;

// Whether y = 0 lies so far from the points, compared with their height, that a frame reaching
// it would draw the curve's bend as a flat line.
bool XAxisAway(const std::vector<Point>& shape) {
    std::optional<std::int64_t> exponent;
    for (const Point& p : shape) {
        if (!p.y.IsZero()) {
            exponent = std::max(exponent.value_or(p.y.exponent), p.y.exponent);
        }
    }
    double lo = INFINITY, hi = -INFINITY;
    for (const Point& p : shape) {
        lo = std::min(lo, In(p.y, exponent.value_or(0)));
        hi = std::max(hi, In(p.y, exponent.value_or(0)));
    }
    const double gap = lo > 0 ? lo : hi < 0 ? -hi : 0;
    return hi > lo && gap > kAxisAway * (hi - lo);
}

// The points the picture must show, whether the x axis lies away from them, and whether the y axis
// stands right of them all, where its numbers go right of it, clear of the curve.
struct Shape {
    std::vector<Point> points;
    bool xAxisAway = false;
    bool yNumbersRight = false;
};

// The points of interest, the y-intercept, which the curve is drawn from where it is a line, and
// for a parabola the y-intercept's mirror image, so that both arms show its bend; and the origin,
// where the axes cross, unless the x axis lies too far away to keep the bend in view.
Shape ShapeOf(const Read& read) {
    std::vector<Point> shape = read.points;
    shape.push_back({{}, read.c});
    if (!read.a.IsZero()) {
        shape.push_back({Twice(read.turning->x), read.c});
    }
    const bool away = !read.a.IsZero() && XAxisAway(shape);
    if (!away) {
        shape.push_back({});
    }
    const auto onYAxis = [](const Point& p) { return p.x.IsZero(); };
    if (std::all_of(shape.begin(), shape.end(), onYAxis)) {
        AddSpanOnTheYAxis(read, shape);
    }
    const auto onXAxis = [](const Point& p) { return p.y.IsZero(); };
    if (std::all_of(shape.begin(), shape.end(), onXAxis)) { // the line y = 0
        shape.push_back({{}, {1, 0}});
        shape.push_back({{}, {-1, 0}});
    }
    const bool leftOfYAxis = std::all_of(shape.begin(), shape.end(),
                                         [](const Point& p) { return p.x.significand <= 0; });
    return {shape, away, leftOfYAxis && !std::all_of(shape.begin(), shape.end(), onYAxis)};
}

// An axis's values in units of 10^exponent, and the part of them the picture shows.
struct Axis {
    std::int64_t exponent = 0;
    double lo = 0, hi = 0;       // the picture's edges (left and right, bottom and top)
    double start = 0, scale = 1; // picture coordinate = start + value·scale
    double At(double value) const { return start + value * scale; }
};

// Room around the points for their marks and labels: a share of the span, and a border, which
// grows where the axis's numbers need more.
constexpr double kMargin = 0.1;
constexpr double kBorder = 1.2;

struct Borders {
    double left = kBorder, right = kBorder, top = kBorder, bottom = kBorder;
};

// The axis from the shape's coordinates, mapped onto [0, length] of the picture within its
// borders; `flipped` for y, which grows downward in the picture.
Axis AxisOf(const std::vector<Scaled>& values, double length, double lowBorder, double highBorder,
            bool flipped) {
    std::optional<std::int64_t> largest;
    for (const Scaled& v : values) {
        if (!v.IsZero()) {
            largest = std::max(largest.value_or(v.exponent), v.exponent);
        }
    }
    Axis axis;
    axis.exponent = largest.value_or(0);
    double lo = INFINITY, hi = -INFINITY;
    for (const Scaled& v : values) {
        lo = std::min(lo, In(v, axis.exponent));
        hi = std::max(hi, In(v, axis.exponent));
    }
    const double margin = (hi - lo) * kMargin;
    const double scale = (length - lowBorder - highBorder) / (hi - lo + 2 * margin);
    axis.lo = lo - margin - lowBorder / scale;
    axis.hi = hi + margin + highBorder / scale;
    axis.scale = flipped ? -scale : scale;
    axis.start = flipped ? axis.hi * scale : -axis.lo * scale;
    return axis;
}

struct Frame {
    Axis x, y;
    PicturePoint At(const Point& p) const {
        return {x.At(In(p.x, x.exponent)), y.At(In(p.y, y.exponent))};
    }
};

Frame FrameOf(const std::vector<Point>& shape, const Borders& borders) {
    std::vector<Scaled> xs, ys;
    for (const Point& p : shape) {
        xs.push_back(p.x);
        ys.push_back(p.y);
    }
    return {AxisOf(xs, kSketchWidth, borders.left, borders.right, false),
            AxisOf(ys, kSketchHeight, borders.bottom, borders.top, true)};
}

PicturePoint Clamped(PicturePoint p) {
    return {std::clamp(p.x, 0.0, kSketchWidth), std::clamp(p.y, 0.0, kSketchHeight)};
}

// 10^log10, held within the doubles.
double Power10(double log10) {
    return std::pow(10.0, std::clamp(log10, -300.0, 300.0));
}

// The parabola through its turning point (h, k) as x = h + w·t, y = k + (e − k)·t² for t from -1
// to 1, where e is the picture's edge it leaves by and w its half-width there: no step overflows,
// however steep or flat the curve.
std::vector<PicturePoint> ParabolaCurve(const Read& read, const Frame& frame) {
    const double h = In(read.turning->x, frame.x.exponent);
    const double k = In(read.turning->y, frame.y.exponent);
    const double edge = read.a.significand > 0 ? frame.y.hi : frame.y.lo;
    const double rise = edge - k;
    const double log10A = Log10(read.a) + 2 * static_cast<double>(frame.x.exponent) -
                          static_cast<double>(frame.y.exponent);
    const double w = Power10((std::log10(std::fabs(rise)) - log10A) / 2);
    const double first = std::max(-1.0, (frame.x.lo - h) / w);
    const double last = std::min(1.0, (frame.x.hi - h) / w);
    constexpr int kSteps = 160;
    std::vector<PicturePoint> curve;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = first + (last - first) * i / kSteps;
        curve.push_back(Clamped({frame.x.At(h + w * t), frame.y.At(k + rise * t * t)}));
    }
    return curve;
}

// x on the line y = bx + c at height y, in the frame's units, held within the doubles.
double LineXAt(const Read& read, const Frame& frame, double y, double c) {
    const double log10B = Log10(read.b) + static_cast<double>(frame.x.exponent) -
                          static_cast<double>(frame.y.exponent);
    if (y == c) {
        return 0;
    }
    const double sign = (y - c) * read.b.significand > 0 ? 1 : -1;
    return sign * Power10(std::log10(std::fabs(y - c)) - log10B);
}

std::vector<PicturePoint> LineCurve(const Read& read, const Frame& frame) {
    const double c = In(read.c, frame.y.exponent);
    PicturePoint from{frame.x.At(frame.x.lo), frame.y.At(c)};
    PicturePoint to{frame.x.At(frame.x.hi), frame.y.At(c)};
    if (!read.b.IsZero()) {
        from = {frame.x.At(LineXAt(read, frame, frame.y.lo, c)), frame.y.At(frame.y.lo)};
        to = {frame.x.At(LineXAt(read, frame, frame.y.hi, c)), frame.y.At(frame.y.hi)};
    }
    const std::optional<ClipSegment> seen =
        ClipToRect({from.x, from.y}, {to.x, to.y}, {0, 0, kSketchWidth, kSketchHeight});
    if (!seen) {
        return {};
    }
    return {{seen->from.x, seen->from.y}, {seen->to.x, seen->to.y}};
}

// Round steps: 1, 2 or 5 times a power of ten.
struct Step {
    std::int64_t digit;
    std::int64_t power; // in the axis's units
    double Size() const { return static_cast<double>(digit) * std::pow(10.0, power); }
    Step Next() const { return digit == 5 ? Step{1, power + 1} : Step{digit == 1 ? 2 : 5, power}; }
};

struct TickRow {
    std::vector<SketchTick> ticks;
    std::vector<TextExtent> sizes; // of each tick's number
    double widest = 0, tallest = 0;
};

// Every multiple of the step inside the picture but 0, where the axes cross, each with its number
// written as the working's lines write numbers.
TickRow TicksOf(const Axis& axis, Step step, const MeasureText& measure, char16_t separator) {
    const double size = step.Size();
    const double margin = 0.5 / std::fabs(axis.scale); // no tick where its number would be cut
    const auto first = static_cast<std::int64_t>(std::ceil((axis.lo + margin) / size));
    const auto last = static_cast<std::int64_t>(std::floor((axis.hi - margin) / size));
    const std::int64_t power = step.power + axis.exponent;
    TickRow row;
    for (std::int64_t n = first; n <= last; ++n) {
        if (n == 0) {
            continue;
        }
        const std::u16string number = sketch::TickNumber(n * step.digit, power, separator);
        row.sizes.push_back(measure(number));
        row.widest = std::max(row.widest, row.sizes.back().width);
        row.tallest = std::max(row.tallest, row.sizes.back().height);
        row.ticks.push_back({axis.At(static_cast<double>(n) * size), number, std::nullopt});
    }
    return row;
}

// The finest round step whose numbers stand apart along the axis: side by side on the x axis,
// one above the other on the y axis.
TickRow TicksFor(const Axis& axis, bool across, const MeasureText& measure, char16_t separator) {
    const double span = axis.hi - axis.lo;
    Step step{1, static_cast<std::int64_t>(std::floor(std::log10(span / 20)))};
    TickRow row = TicksOf(axis, step, measure, separator);
    while (step.Size() < span) {
        const double apart = step.Size() * std::fabs(axis.scale);
        const double needed = across ? row.widest + 1.0 : row.tallest + 0.5;
        if (apart >= std::max(needed, 1.5)) {
            break;
        }
        step = step.Next();
        row = TicksOf(axis, step, measure, separator);
    }
    return row;
}

int Rank(SketchPointKind kind) {
    if (IsTurningPoint(kind)) {
        return 0;
    }
    return kind == SketchPointKind::YIntercept ? 1 : 2;
}

// Each label beside its mark, the turning point's first, then the y-intercept's, whose places
// the y axis halves, then the roots', which may stand farther down their arm of the curve.
// A point at the same place as one labelled already with the same text shares its label.
void PlaceLabels(std::vector<SketchMark>& marks, Occupied& occupied, const MeasureText& measure,
                 PicturePoint origin) {
    std::vector<SketchMark*> order;
    for (SketchMark& mark : marks) {
        order.push_back(&mark);
    }
    std::stable_sort(order.begin(), order.end(), [](const SketchMark* p, const SketchMark* q) {
        return Rank(p->kind) < Rank(q->kind);
    });
    for (auto it = order.begin(); it != order.end(); ++it) {
        SketchMark& mark = **it;
        const auto same = std::find_if(order.begin(), it, [&](const SketchMark* earlier) {
            return earlier->at == mark.at && earlier->label == mark.label;
        });
        if (same != it) {
            mark.labelBox = (*same)->labelBox;
            mark.sharedLabel = true;
            continue;
        }
        mark.labelBox =
            sketch::PlaceLabel(mark.at, measure(mark.label), mark.kind, occupied, origin);
        if (mark.labelBox) {
            occupied.boxes.push_back(*mark.labelBox);
        }
    }
}

// From an axis to its numbers.
constexpr double kNumberGap = kSketchTickLength / 2 + 0.15;
// Round a point's label, where no tick's number may stand: it would read as the point's.
constexpr double kClearOfLabels = 0.6;

// The box of a tick's number: centred under or over a tick of the x axis, beside a tick of the
// y axis, or moved along the axis by `shift` of its length there; `after` below the x axis or
// right of the y axis.
PictureBox NumberBox(double tick, double axis, TextExtent size, bool horizontal, bool after,
                     double shift) {
    const double gap = kNumberGap;
    if (horizontal) {
        const double top = after ? axis + gap : axis - gap - size.height;
        return {tick - size.width * (0.5 - shift), top, size.width, size.height};
    }
    const double left = after ? axis + gap : axis - gap - size.width;
    return {left, tick - size.height * (0.5 - shift), size.width, size.height};
}

// Between a tick's number and the curve: less than round a label, for a number stands by its tick
// and may have to come near where the curve crosses the axis.
constexpr double kNumberSpacing = 0.05;

bool IsFree(const PictureBox& box, const Occupied& occupied) {
    return std::none_of(occupied.boxes.begin(), occupied.boxes.end(),
                        [&](const PictureBox& b) { return sketch::Overlap(box, b); });
}

bool NumberFits(const PictureBox& box, const Segment& other, const Occupied& occupied) {
    return IsFree(box, occupied) && sketch::Inside(box, kSketchWidth, kSketchHeight) &&
           !sketch::Crosses(other.from, other.to, box) &&
           sketch::ClearOfLines(box, occupied.lines, kNumberSpacing);
}

// The first place that fits: centred on the tick on each of `sides` in turn, then ending or
// beginning at the tick, away from where the curve passes. A number whose own place a label or a
// mark takes is left out: elsewhere it would stand beside the label and read as the point's.
std::optional<PictureBox> PlaceNumber(double tick, double axis, TextExtent size, bool horizontal,
                                      const std::vector<bool>& sides, const Segment& other,
                                      const Occupied& occupied) {
    if (!IsFree(NumberBox(tick, axis, size, horizontal, sides.front(), 0), occupied)) {
        return std::nullopt;
    }
    for (const double shift : {0.0, -0.5, 0.5}) {
        for (const bool side : sides) {
            const PictureBox box = NumberBox(tick, axis, size, horizontal, side, shift);
            if (NumberFits(box, other, occupied)) {
                return box;
            }
        }
    }
    return std::nullopt;
}

// Gives each tick its number's place beside the axis, on the first of `sides` (after: below the
// x axis or right of the y axis) unless it meets a label, a mark, another number, the other axis
// or the curve there; then on the next side, or moved along the axis, where it fits there.
void PlaceNumbers(SketchAxis& axis, const TickRow& row, bool horizontal, const Segment& other,
                  Occupied& occupied, const std::vector<bool>& sides) {
    const double at = horizontal ? axis.from.y : axis.from.x;
    for (std::size_t i = 0; i < axis.ticks.size(); ++i) {
        axis.ticks[i].numberBox =
            PlaceNumber(axis.ticks[i].at, at, row.sizes[i], horizontal, sides, other, occupied);
        if (axis.ticks[i].numberBox) {
            occupied.boxes.push_back(*axis.ticks[i].numberBox);
        }
    }
}

std::vector<Segment> CurveLines(const SketchPlan& plan) {
    std::vector<Segment> lines;
    for (const std::vector<PicturePoint>& polyline : plan.curve) {
        for (std::size_t i = 1; i < polyline.size(); ++i) {
            lines.push_back({polyline[i - 1], polyline[i]});
        }
    }
    for (std::size_t i = 1; i < plan.axisBreak.size(); ++i) {
        lines.push_back({plan.axisBreak[i - 1], plan.axisBreak[i]});
    }
    return lines;
}

// Every line drawn: the curve, the axes and their ticks, and the break mark.
std::vector<Segment> LinesOf(const SketchPlan& plan) {
    std::vector<Segment> lines = CurveLines(plan);
    lines.push_back({plan.xAxis.from, plan.xAxis.to});
    lines.push_back({plan.yAxis.from, plan.yAxis.to});
    const double half = kSketchTickLength / 2;
    for (const SketchTick& tick : plan.xAxis.ticks) {
        lines.push_back({{tick.at, plan.xAxis.from.y - half}, {tick.at, plan.xAxis.from.y + half}});
    }
    for (const SketchTick& tick : plan.yAxis.ticks) {
        lines.push_back({{plan.yAxis.from.x - half, tick.at}, {plan.yAxis.from.x + half, tick.at}});
    }
    return lines;
}

struct Ticks {
    TickRow x, y;
};

Ticks TicksOf(const Frame& frame, const MeasureText& measure, char16_t separator) {
    return {TicksFor(frame.x, true, measure, separator),
            TicksFor(frame.y, false, measure, separator)};
}

// The numbers of the y axis stand left of it (right of it where the curve lies left) and those of
// the x axis below it: where the axis lies too near that edge of the picture, its border there
// grows to hold them. Says whether it grew; a border that grows narrows the scale, and so moves
// the axis less than it grew.
bool GrowForNumbers(const Frame& frame, const Ticks& ticks, Borders& borders, const Shape& shape) {
    constexpr double kSlack = 0.2; // so that one pass is nearly always enough
    const double side = shape.yNumbersRight
                            ? frame.x.At(0) + kNumberGap + ticks.y.widest - kSketchWidth
                            : kNumberGap + ticks.y.widest - frame.x.At(0);
    const double below =
        shape.xAxisAway ? 0 : frame.y.At(0) + kNumberGap + ticks.x.tallest - kSketchHeight;
    (shape.yNumbersRight ? borders.right : borders.left) += side > 0 ? side + kSlack : 0;
    borders.bottom += below > 0 ? below + kSlack : 0;
    return side > 0 || below > 0;
}

// Marks first, then labels, then the ticks' numbers in whatever room is left.
void PlaceTexts(SketchPlan& plan, const Ticks& ticks, const MeasureText& measure,
                bool yNumbersRight) {
    Occupied occupied{{}, LinesOf(plan)};
    for (const SketchMark& mark : plan.marks) {
        occupied.boxes.push_back(sketch::MarkBox(mark.at));
    }
    PlaceLabels(plan.marks, occupied, measure, {plan.yAxis.from.x, plan.xAxis.from.y});
    Occupied forNumbers{{}, CurveLines(plan)};
    for (const SketchMark& mark : plan.marks) {
        forNumbers.boxes.push_back(sketch::MarkBox(mark.at));
        if (mark.labelBox) {
            forNumbers.boxes.push_back(sketch::Grown(*mark.labelBox, kClearOfLabels));
        }
    }
    // An x axis away at the picture's edge has its numbers outside the frame, and only there.
    const bool below = plan.xAxis.from.y + kNumberGap + ticks.x.tallest <= kSketchHeight;
    const bool right = yNumbersRight || plan.yAxis.from.x - kNumberGap - ticks.y.widest < 0;
    const bool away = !plan.axisBreak.empty();
    PlaceNumbers(plan.xAxis, ticks.x, true, {plan.yAxis.from, plan.yAxis.to}, forNumbers,
                 away ? std::vector{below} : std::vector{below, !below});
    PlaceNumbers(plan.yAxis, ticks.y, false, {plan.xAxis.from, plan.xAxis.to}, forNumbers,
                 {right, !right});
}

// Where the x axis stands away from the curve, it is drawn at the picture's edge (at the bottom
// below a curve that lies above it), its numbers outside, and the y axis between it and the curve
// has a break: the distance is not to scale. The frame leaves this much room for both.
constexpr double kAwayRoom = 3.2;
constexpr double kBreakLength = 1.1;

double XAxisAt(const Frame& frame, const Ticks& ticks, bool away, bool above) {
    if (!away) {
        return frame.y.At(0);
    }
    const double outside = kNumberGap + ticks.x.tallest + 0.1;
    return above ? outside : kSketchHeight - outside;
}

// A zigzag across the y axis from the x axis toward the curve, and the y axis from there on;
// no tick of the y axis within it.
void BreakTheYAxis(SketchPlan& plan, TickRow& yTicks, bool above) {
    const double x = plan.yAxis.from.x;
    const double axis = plan.xAxis.from.y;
    const double toward = above ? 1 : -1;
    const auto at = [&](double dx, double along) {
        return PicturePoint{x + dx, axis + toward * along};
    };
    plan.axisBreak = {at(0, 0),      at(0, 0.3),   at(-0.2, 0.4),      at(0.2, 0.6),
                      at(-0.2, 0.8), at(0.2, 1.0), at(0, kBreakLength)};
    const PicturePoint end = at(0, kBreakLength);
    plan.yAxis.from = above ? end : PicturePoint{x, 0};
    plan.yAxis.to = above ? PicturePoint{x, kSketchHeight} : end;
    const double clear = end.y - toward * kSketchTickLength;
    for (std::size_t i = yTicks.ticks.size(); i-- > 0;) {
        if ((yTicks.ticks[i].at - clear) * toward < 0) {
            yTicks.ticks.erase(yTicks.ticks.begin() + static_cast<std::ptrdiff_t>(i));
            yTicks.sizes.erase(yTicks.sizes.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    plan.yAxis.ticks = yTicks.ticks;
}

// The axes and their ticks in a frame around the shape, grown where the numbers need room.
Frame FramedAxes(const Shape& shape, bool above, const MeasureText& measure, char16_t separator,
                 Ticks& ticks) {
    Borders borders;
    if (shape.xAxisAway) {
        (above ? borders.top : borders.bottom) += kAwayRoom;
    }
    Frame frame = FrameOf(shape.points, borders);
    ticks = TicksOf(frame, measure, separator);
    for (int pass = 0; pass < 3 && GrowForNumbers(frame, ticks, borders, shape); ++pass) {
        frame = FrameOf(shape.points, borders);
        ticks = TicksOf(frame, measure, separator);
    }
    return frame;
}

SketchPlan Plan(const SketchInput& input, const Read& read, const MeasureText& measure) {
    const Shape shape = ShapeOf(read);
    const bool above = shape.xAxisAway && read.turning->y.significand < 0;
    Ticks ticks;
    const Frame frame = FramedAxes(shape, above, measure, input.separator, ticks);

    SketchPlan plan;
    plan.shape = read.a.IsZero() ? SketchCurve::Line : SketchCurve::Parabola;
    plan.complexRoots = input.complexRoots;
    plan.everyXIsARoot = read.a.IsZero() && read.b.IsZero() && read.c.IsZero();
    plan.separator = input.separator;
    const double xAxisAt = XAxisAt(frame, ticks, shape.xAxisAway, above);
    const double yAxisAt = frame.x.At(0);
    plan.xAxis = {{0, xAxisAt}, {kSketchWidth, xAxisAt}, ticks.x.ticks};
    plan.yAxis = {{yAxisAt, 0}, {yAxisAt, kSketchHeight}, ticks.y.ticks};
    if (shape.xAxisAway) {
        BreakTheYAxis(plan, ticks.y, above);
    }
    plan.curve = {plan.shape == SketchCurve::Line ? LineCurve(read, frame)
                                                  : ParabolaCurve(read, frame)};
    for (std::size_t i = 0; i < input.points.size(); ++i) {
        const SketchPoint& point = input.points[i];
        plan.marks.push_back({point.kind, frame.At(read.points[i]), point.label, {}, false});
    }
    sketch::DistinguishLabels(plan, input);
    for (SketchMark& mark : plan.marks) {
        mark.label = sketch::WithMinusSigns(mark.label);
    }
    PlaceTexts(plan, ticks, measure, shape.yNumbersRight);
    return plan;
}

} // namespace

SketchOutcome PlanSketch(const SketchInput& input, const MeasureText& measure) {
    const std::optional<Read> read = ReadInput(input);
    if (!read) {
        return SketchFailed{};
    }
    return Plan(input, *read, measure);
}

} // namespace veltrix
