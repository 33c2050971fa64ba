#include "engine/sketch/sketch_layout.hpp"

#include "engine/core/decimal_digits.hpp"
#include "engine/core/line_clip.hpp"
#include "engine/core/text_concat.hpp"
#include "engine/sketch/sketch_scaled.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

namespace veltrix::sketch {
namespace {

// As many significant digits as the working's lines write.
constexpr int kShownDigits = 15;

// Room kept between a mark and its label, and between two texts.
constexpr double kGap = 0.2;
constexpr double kSpacing = 0.1;
// How much farther out each further ring of places lies, where none nearer the mark is free.
constexpr double kFartherOut = 0.6;

// The places beside a mark, as offsets of the label's centre in units of the distance to it.
enum class Side { Right, Left, Below, Above, BelowRight, BelowLeft, AboveRight, AboveLeft };

PictureBox BoxAt(PicturePoint mark, TextExtent size, Side side, double farther) {
    const double d = kSketchMarkRadius + kGap + farther;
    // A corner next to the mark, as close as the room around the mark lets it come.
    const double diagonal = kSketchMarkRadius + kSpacing + 0.05 + farther;
    const double w = size.width;
    const double h = size.height;
    switch (side) {
    case Side::Right:
        return {mark.x + d, mark.y - h / 2, w, h};
    case Side::Left:
        return {mark.x - d - w, mark.y - h / 2, w, h};
    case Side::Below:
        return {mark.x - w / 2, mark.y + d, w, h};
    case Side::Above:
        return {mark.x - w / 2, mark.y - d - h, w, h};
    case Side::BelowRight:
        return {mark.x + diagonal, mark.y + diagonal, w, h};
    case Side::BelowLeft:
        return {mark.x - diagonal - w, mark.y + diagonal, w, h};
    case Side::AboveRight:
        return {mark.x + diagonal, mark.y - diagonal - h, w, h};
    case Side::AboveLeft:
        return {mark.x - diagonal - w, mark.y - diagonal - h, w, h};
    }
    return {};
}

using Sides = std::array<Side, 8>;

// A minimum's label below it and a maximum's above it, away from the curve's arms; a root's
// beside the axis; the y-intercept's beside the y axis.
const Sides& PreferredSides(SketchPointKind kind) {
    static const Sides minimum{Side::Below, Side::BelowRight, Side::BelowLeft, Side::Right,
                               Side::Left,  Side::AboveRight, Side::AboveLeft, Side::Above};
    static const Sides maximum{Side::Above, Side::AboveRight, Side::AboveLeft, Side::Right,
                               Side::Left,  Side::BelowRight, Side::BelowLeft, Side::Below};
    static const Sides root{Side::BelowRight, Side::BelowLeft, Side::AboveRight, Side::AboveLeft,
                            Side::Below,      Side::Above,     Side::Right,      Side::Left};
    static const Sides intercept{Side::Right,     Side::Left,       Side::AboveRight,
                                 Side::AboveLeft, Side::BelowRight, Side::BelowLeft,
                                 Side::Above,     Side::Below};
    switch (kind) {
    case SketchPointKind::Minimum:
        return minimum;
    case SketchPointKind::Maximum:
        return maximum;
    case SketchPointKind::YIntercept:
        return intercept;
    default:
        return root;
    }
}

bool IsFree(const PictureBox& box, const Occupied& occupied) {
    const PictureBox spaced = Grown(box, kSpacing);
    return std::none_of(occupied.boxes.begin(), occupied.boxes.end(),
                        [&](const PictureBox& taken) { return Overlap(spaced, taken); });
}

// A label stands by its point: on the point's side of each axis it does not lie on, so that a
// root just left of the y axis is not read as lying right of it.
// A mark nearer to an axis than `onAxis` counts as standing on it, and its label may stand either
// side.
bool OnTheMarksSide(const PictureBox& box, PicturePoint mark, PicturePoint origin, double onAxis) {
    const bool x = mark.x < origin.x - onAxis   ? box.Right() <= origin.x
                   : mark.x > origin.x + onAxis ? box.left >= origin.x
                                                : true;
    const bool y = mark.y < origin.y - onAxis   ? box.Bottom() <= origin.y
                   : mark.y > origin.y + onAxis ? box.top >= origin.y
                                                : true;
    return x && y;
}

// A number as the sketch or the lines write it ("−0,46", "5E+399"), read at the sketch's scale.
std::optional<Scaled> ValueOf(std::u16string text, char16_t separator) {
    for (char16_t& c : text) {
        c = c == u'\u2212' ? u'-' : c == separator ? u'.' : c;
    }
    return ReadScaled(text);
}

bool Same(Scaled p, Scaled q) {
    const std::int64_t exponent = std::max(p.exponent, q.exponent);
    const double x = In(p, exponent), y = In(q, exponent);
    return std::fabs(x - y) <= 1e-12 * std::max(std::fabs(x), std::fabs(y));
}

bool IsRoot(SketchPointKind kind) {
    return kind == SketchPointKind::Root || kind == SketchPointKind::DoubleRoot ||
           kind == SketchPointKind::LineRoot;
}

// A point's label taken apart: "(0.1, −3.1)", "(0,1; −3,1)", and a named one, "S(0,1 | −3,1)".
struct PointLabel {
    std::u16string name, x, y;
    std::u16string_view between;
};

std::optional<PointLabel> SplitPoint(std::u16string_view label, char16_t separator) {
    const std::size_t open = label.find(u'(');
    if (open == std::u16string_view::npos || label.back() != u')') {
        return std::nullopt;
    }
    const std::u16string_view inner = label.substr(open + 1, label.size() - open - 2);
    for (const std::u16string_view between :
         {std::u16string_view(u" | "), std::u16string_view(u"; "),
          std::u16string_view(separator == u',' ? u"; " : u", ")}) {
        if (const std::size_t at = inner.find(between); at != std::u16string_view::npos) {
            return PointLabel{std::u16string(label.substr(0, open)),
                              std::u16string(inner.substr(0, at)),
                              std::u16string(inner.substr(at + between.size())), between};
        }
    }
    return std::nullopt;
}

// What a mark's label says of its position along an axis: a root's is its x, and it lies at 0.
std::optional<Scaled> ShownAlong(const SketchMark& mark, bool horizontal, char16_t separator) {
    if (IsRoot(mark.kind)) {
        return horizontal ? ValueOf(mark.label, separator) : Scaled{};
    }
    const std::optional<PointLabel> point = SplitPoint(mark.label, separator);
    if (!point) {
        return std::nullopt;
    }
    return ValueOf(horizontal ? point->x : point->y, separator);
}

// The values a mark's coordinate along an axis must not read as: that axis's tick numbers, 0,
// and what the other marks' labels say along it; but not its own value, which they may show.
std::vector<Scaled> OthersValues(const SketchPlan& plan, std::size_t mark, bool horizontal,
                                 Scaled exact) {
    std::vector<Scaled> values{Scaled{}};
    for (const SketchTick& tick : (horizontal ? plan.xAxis : plan.yAxis).ticks) {
        values.push_back(ValueOf(tick.number, plan.separator).value_or(Scaled{}));
    }
    for (std::size_t i = 0; i < plan.marks.size(); ++i) {
        const std::optional<Scaled> shown = ShownAlong(plan.marks[i], horizontal, plan.separator);
        if (i != mark && shown) {
            values.push_back(*shown);
        }
    }
    std::erase_if(values, [&](Scaled v) { return Same(v, exact); });
    return values;
}

// The root's value with more significant digits than its label, as few as read apart from
// `others`; the label itself where it already does, or where no fifteen digits would.
std::u16string OwnLabel(const std::u16string& label, std::u16string_view exact,
                        const std::vector<Scaled>& others, char16_t separator) {
    const auto readsAsAnother = [&](const std::u16string& text) {
        const std::optional<Scaled> value = ValueOf(text, separator);
        return !value || std::any_of(others.begin(), others.end(),
                                     [&](Scaled other) { return Same(*value, other); });
    };
    const std::optional<DecimalParts> parts = SplitDecimal(exact);
    if (!readsAsAnother(label) || !parts) {
        return label;
    }
    const digits::TypedDigits root(*parts);
    for (int n = 1; n <= kShownDigits; ++n) {
        std::u16string text = digits::GeneralText(
            digits::RoundSignificant(root, static_cast<std::size_t>(n)), kShownDigits, separator);
        if (!readsAsAnother(text)) {
            return text;
        }
    }
    return label;
}

// The coordinate's text as its own value, apart from the others' along its axis.
std::u16string OwnCoordinate(const SketchPlan& plan, std::size_t mark, bool horizontal,
                             const std::u16string& shown, const std::u16string& exact) {
    const std::optional<Scaled> value = ReadScaled(exact);
    if (!value) {
        return shown;
    }
    return OwnLabel(shown, exact, OthersValues(plan, mark, horizontal, *value), plan.separator);
}

} // namespace

void DistinguishLabels(SketchPlan& plan, const SketchInput& input) {
    for (std::size_t i = 0; i < plan.marks.size(); ++i) {
        SketchMark& mark = plan.marks[i];
        const SketchPoint& point = input.points[i];
        if (IsRoot(mark.kind)) {
            mark.label = OwnCoordinate(plan, i, true, mark.label, point.x);
        } else if (const std::optional<PointLabel> p = SplitPoint(mark.label, plan.separator)) {
            mark.label = Concat({p->name, u"(", OwnCoordinate(plan, i, true, p->x, point.x),
                                 p->between, OwnCoordinate(plan, i, false, p->y, point.y), u")"});
        }
    }
}

std::u16string WithMinusSigns(std::u16string text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'-' && (i == 0 || text[i - 1] != u'E')) {
            text[i] = u'\u2212';
        }
    }
    return text;
}

std::u16string TickNumber(std::int64_t multiple, std::int64_t power, char16_t separator) {
    std::string digits = std::to_string(std::llabs(multiple));
    const std::int64_t lead = power + static_cast<std::int64_t>(digits.size()) - 1;
    digits.erase(digits.find_last_not_of('0') + 1);
    const digits::Rounded value{multiple < 0, digits, multiple == 0 ? 0 : lead};
    return WithMinusSigns(digits::GeneralText(value, kShownDigits, separator));
}

bool Overlap(const PictureBox& a, const PictureBox& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

PictureBox Grown(const PictureBox& box, double by) {
    return {box.left - by, box.top - by, box.width + 2 * by, box.height + 2 * by};
}

bool Inside(const PictureBox& box, double width, double height) {
    return box.left >= 0 && box.top >= 0 && box.Right() <= width && box.Bottom() <= height;
}

bool Crosses(PicturePoint from, PicturePoint to, const PictureBox& box) {
    return ClipToRect({from.x, from.y}, {to.x, to.y},
                      {box.left, box.top, box.Right(), box.Bottom()})
        .has_value();
}

PictureBox MarkBox(PicturePoint mark) {
    const double r = kSketchMarkRadius;
    return {mark.x - r, mark.y - r, 2 * r, 2 * r};
}

bool ClearOfLines(const PictureBox& box, const std::vector<Segment>& lines, double spacing) {
    const PictureBox spaced = Grown(box, spacing);
    return std::none_of(lines.begin(), lines.end(),
                        [&](const Segment& line) { return Crosses(line.from, line.to, spaced); });
}

std::optional<PictureBox> PlaceLabel(PicturePoint mark, TextExtent size, SketchPointKind kind,
                                     const Occupied& occupied, PicturePoint origin) {
    // On the side of the axes where the point lies, however near; where there is no room there,
    // either side of an axis that the eye cannot tell the mark's centre from.
    for (const double onAxis : {1e-9, kSketchMarkRadius / 2}) {
        for (const double farther : {0.0, kFartherOut, 2 * kFartherOut}) {
            for (const Side side : PreferredSides(kind)) {
                const PictureBox box = BoxAt(mark, size, side, farther);
                if (Inside(box, kSketchWidth, kSketchHeight) && IsFree(box, occupied) &&
                    ClearOfLines(box, occupied.lines, kSpacing) &&
                    OnTheMarksSide(box, mark, origin, onAxis)) {
                    return box;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace veltrix::sketch
