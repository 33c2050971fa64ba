// A sketch of the curve at a scale chosen to show its points of interest: the turning point, the
// real roots and where it crosses the y axis, with both axes, their numbered ticks, and each
// point's label beside its mark. The Graph window draws at a fixed centimetre and often cannot
// show these points; the sketch always does, however far apart or large they are, and always
// shows the curve's bend: an x axis too far from the curve to keep in the frame stands at its
// edge, below a break in the y axis.
//
// The sketch is planned in lines of the label font: a label is about one unit tall, so the same
// plan serves a window at any font size and a LaTeX picture. Picture coordinates run from the
// top-left corner, x to the right and y downward; the sketch is never mirrored.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veltrix {

enum class SketchPointKind { Minimum, Maximum, Root, DoubleRoot, YIntercept, LineRoot };

// A point of interest at its exact coordinates, written as decimals with "." and an optional
// exponent ("0.1", "-1E+401"): the coordinates may lie far beyond the range of a double. The label
// is the working's rounded text for it ("(0.1, -3.1)", "-0.46").
struct SketchPoint {
    SketchPointKind kind;
    std::u16string x, y;
    std::u16string label;
};

// The curve y = ax² + bx + c (a straight line where a is 0) and its points of interest. A
// parabola's turning point must be among them: the curve is drawn from it.
struct SketchInput {
    std::u16string a, b, c; // decimals, as the points' coordinates
    std::vector<SketchPoint> points;
    bool complexRoots = false;
    char16_t separator = u'.'; // of the tick numbers
};

struct PicturePoint {
    double x, y;
    friend bool operator==(PicturePoint, PicturePoint) = default;
};

struct PictureBox {
    double left, top, width, height;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// A text's width and height in the plan's unit: a line of the label font.
struct TextExtent {
    double width, height;
};
// How large a text is drawn: the window measures with its font, the LaTeX writer estimates.
using MeasureText = std::function<TextExtent(std::u16string_view text)>;

// The picture's size, wide enough for four labels of a point's two coordinates side by side.
inline constexpr double kSketchWidth = 26;
inline constexpr double kSketchHeight = 16;
inline constexpr double kSketchMarkRadius = 0.18;
inline constexpr double kSketchTickLength = 0.3;

// A tick of an axis, at `at` along it (x for the horizontal axis, y for the vertical). Its
// number, written as the working's lines write numbers, is drawn centred in `numberBox`, or left
// out where it would meet a label, a mark, another number, the other axis or the curve.
struct SketchTick {
    double at;
    std::u16string number; // "0.5", "-2E+401"
    std::optional<PictureBox> numberBox;
};

struct SketchAxis {
    PicturePoint from, to; // across the whole picture
    std::vector<SketchTick> ticks;
};

// A point's mark, and its label drawn centred in `labelBox`; nothing where no place beside the
// mark is free: the working's lines name that point. The label is the point's, with the minus
// sign U+2212, and with more digits where the working's rounding would make it read as a tick's
// number or another point's value. Points at one place with the same text (a
// minimum at (0, 0) that is also the y-intercept) share the first one's label.
struct SketchMark {
    SketchPointKind kind;
    PicturePoint at;
    std::u16string label;
    std::optional<PictureBox> labelBox;
    bool sharedLabel = false; // drawn with an earlier mark's
};

enum class SketchCurve { Parabola, Line };

struct SketchPlan {
    SketchCurve shape = SketchCurve::Parabola;
    bool complexRoots = false;
    bool everyXIsARoot = false; // the line y = 0
    char16_t separator = u'.';
    SketchAxis xAxis, yAxis;
    std::vector<std::vector<PicturePoint>> curve; // polylines, inside the picture
    // Where the x axis lies too far from the curve to show both at scale, the axis stands at the
    // picture's edge, and this zigzag across the y axis, from the x axis up to where the y axis
    // goes on, says so. Empty where the axes cross at scale.
    std::vector<PicturePoint> axisBreak;
    std::vector<SketchMark> marks; // one for each point of interest, in order
};

// A coordinate or coefficient that is not a decimal, or a parabola without its turning point.
struct SketchFailed {
    friend bool operator==(SketchFailed, SketchFailed) = default;
};

using SketchOutcome = std::variant<SketchPlan, SketchFailed>;
SketchOutcome PlanSketch(const SketchInput& input, const MeasureText& measure);

} // namespace veltrix
