#include "engine/sketch/sketch_layout.hpp"

#include "engine/core/line_clip.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace veltrix::sketch {
namespace {

// The longest number written out in full; "-0.0025" and "-40000" are, "1000000" is not.
constexpr std::size_t kLongestPlainNumber = 7;

// Room kept between a mark and its label, and between two texts.
constexpr double kGap = 0.2;
constexpr double kSpacing = 0.1;

std::u16string Digits(std::int64_t n) {
    const std::string ascii = std::to_string(n);
    return {ascii.begin(), ascii.end()};
}

std::size_t PlainLength(std::int64_t multiple, std::int64_t power) {
    const std::size_t digits = Digits(std::llabs(multiple)).size();
    const std::size_t sign = multiple < 0 ? 1 : 0;
    if (power >= 0) {
        return sign + digits + static_cast<std::size_t>(std::min<std::int64_t>(power, 1000));
    }
    const auto places = static_cast<std::size_t>(std::min<std::int64_t>(-power, 1000));
    return sign + std::max(digits, places + 1) + 1;
}

std::u16string PlainNumber(std::int64_t multiple, std::int64_t power, char16_t separator) {
    std::u16string digits = Digits(std::llabs(multiple));
    if (power >= 0) {
        digits.append(static_cast<std::size_t>(power), u'0');
    } else {
        const auto places = static_cast<std::size_t>(-power);
        if (digits.size() <= places) {
            digits.insert(0, places + 1 - digits.size(), u'0');
        }
        digits.insert(digits.size() - places, 1, separator);
        // A multiple of 10 at a negative power leaves zeros after the separator.
        digits.erase(digits.find_last_not_of(u'0') + 1);
        if (digits.back() == separator) {
            digits.pop_back();
        }
    }
    return (multiple < 0 ? u"-" : u"") + digits;
}

std::u16string ExponentNumber(std::int64_t multiple, std::int64_t power, char16_t separator) {
    std::u16string digits = Digits(std::llabs(multiple));
    const std::int64_t exponent = power + static_cast<std::int64_t>(digits.size()) - 1;
    digits.erase(digits.find_last_not_of(u'0') + 1);
    if (digits.size() > 1) {
        digits.insert(1, 1, separator);
    }
    std::u16string power10 = Digits(std::llabs(exponent));
    if (power10.size() < 2) {
        power10.insert(0, 1, u'0');
    }
    return (multiple < 0 ? u"-" : u"") + digits + (exponent < 0 ? u"E-" : u"E+") + power10;
}

// The places beside a mark, as offsets of the label's centre in units of the distance to it.
enum class Side { Right, Left, Below, Above, BelowRight, BelowLeft, AboveRight, AboveLeft };

PictureBox BoxAt(PicturePoint mark, TextExtent size, Side side) {
    const double d = kSketchMarkRadius + kGap;
    // A corner next to the mark, as close as the room around the mark lets it come.
    const double diagonal = kSketchMarkRadius + kSpacing + 0.05;
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

std::size_t LinesCrossed(const PictureBox& box, const Occupied& occupied) {
    return static_cast<std::size_t>(
        std::count_if(occupied.lines.begin(), occupied.lines.end(),
                      [&](const Segment& line) { return Crosses(line.from, line.to, box); }));
}

} // namespace

bool IsLongNumber(std::int64_t multiple, std::int64_t power) {
    return PlainLength(multiple, power) > kLongestPlainNumber;
}

std::u16string TickNumber(std::int64_t multiple, std::int64_t power, bool exponentForm,
                          char16_t separator) {
    return exponentForm ? ExponentNumber(multiple, power, separator)
                        : PlainNumber(multiple, power, separator);
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

std::optional<PictureBox> PlaceLabel(PicturePoint mark, TextExtent size, SketchPointKind kind,
                                     const Occupied& occupied) {
    std::optional<PictureBox> best;
    std::size_t fewestCrossed = std::numeric_limits<std::size_t>::max();
    for (const Side side : PreferredSides(kind)) {
        const PictureBox box = BoxAt(mark, size, side);
        if (!Inside(box, kSketchWidth, kSketchHeight) || !IsFree(box, occupied)) {
            continue;
        }
        const std::size_t crossed = LinesCrossed(box, occupied);
        if (crossed < fewestCrossed) {
            best = box;
            fewestCrossed = crossed;
        }
    }
    return best;
}

} // namespace veltrix::sketch
