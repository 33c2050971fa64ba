#include "engine/core/line_clip.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

// Where a far-away line crosses an edge cannot be found by interpolating from its ends in plain
// double arithmetic: with ends at 1e31 pixels every sum loses everything below 1e15. The crossing
// is therefore computed from the line's equation with every product and sum exact, and rounded
// only once at the end. The edges themselves are tested with exact comparisons, never with
// interpolation parameters, which have the same problem.

namespace veltrix {
namespace {

// hi + lo, exactly.
struct DoubleDouble {
    double hi, lo;
};

DoubleDouble TwoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    const double aPart = sum - bPart;
    return {sum, (a - aPart) + (b - bPart)};
}

DoubleDouble TwoProduct(double a, double b) {
    const double product = a * b;
    return {product, std::fma(a, b, -product)};
}

// A sum of a few products kept exactly as non-overlapping parts in increasing magnitude.
class ExactSum {
  public:
    void AddProduct(double a, double b) {
        const DoubleDouble product = TwoProduct(a, b);
        Add(product.lo);
        Add(product.hi);
    }

    // Adding the parts from the smallest up rounds the exact sum to within a unit or two.
    double Rounded() const {
        double sum = 0.0;
        for (std::size_t i = 0; i < count_; ++i) {
            sum += parts_[i];
        }
        return sum;
    }

  private:
    void Add(double value) {
        std::size_t kept = 0;
        double carry = value;
        for (std::size_t i = 0; i < count_; ++i) {
            const DoubleDouble step = TwoSum(carry, parts_[i]);
            if (step.lo != 0.0) {
                parts_[kept++] = step.lo;
            }
            carry = step.hi;
        }
        parts_[kept++] = carry;
        count_ = kept;
    }

    // Four products make eight addends, and each addend adds at most one part.
    std::array<double, 8> parts_{};
    std::size_t count_ = 0;
};

// A line in coordinates (u, v), where u is the coordinate along which it runs furthest.
struct Line {
    double u0, v0, u1, v1;
};

Line Swapped(const Line& line) {
    return {line.v0, line.u0, line.v1, line.u1};
}

// v of the line at u, with u1 != u0: (v0·u1 − u0·v1 + u·v1 − u·v0) / (u1 − u0).
double OrdinateAt(const Line& line, double u) {
    ExactSum numerator;
    numerator.AddProduct(line.v0, line.u1);
    numerator.AddProduct(-line.u0, line.v1);
    numerator.AddProduct(u, line.v1);
    numerator.AddProduct(-u, line.v0);
    return numerator.Rounded() / (line.u1 - line.u0);
}

struct Box {
    double uMin, uMax, vMin, vMax;
};

struct Span {
    double lo, hi;
};

// The range of u over which the segment lies inside the box, if any.
std::optional<Span> VisibleSpan(const Line& line, const Box& box) {
    Span span{std::max(std::min(line.u0, line.u1), box.uMin),
              std::min(std::max(line.u0, line.u1), box.uMax)};
    if (line.v0 == line.v1) {
        if (line.v0 < box.vMin || line.v0 > box.vMax) {
            return std::nullopt;
        }
    } else {
        const double atVMin = OrdinateAt(Swapped(line), box.vMin);
        const double atVMax = OrdinateAt(Swapped(line), box.vMax);
        span.lo = std::max(span.lo, std::min(atVMin, atVMax));
        span.hi = std::min(span.hi, std::max(atVMin, atVMax));
    }
    if (!(span.lo <= span.hi)) {
        return std::nullopt;
    }
    return span;
}

// The point of the line at u; an original end is kept as it is.
ClipPoint PointAt(const Line& line, const Box& box, double u) {
    double v = 0.0;
    if (u == line.u0) {
        v = line.v0;
    } else if (u == line.u1) {
        v = line.v1;
    } else {
        v = OrdinateAt(line, u);
    }
    // A crossing found at a horizontal edge may land a unit in the last place beyond it.
    return {u, std::clamp(v, box.vMin, box.vMax)};
}

bool InBox(double u, double v, const Box& box) {
    return u >= box.uMin && u <= box.uMax && v >= box.vMin && v <= box.vMax;
}

std::optional<ClipSegment> ClipAlongU(const Line& line, const Box& box) {
    std::optional<Span> span = VisibleSpan(line, box);
    // A crossing rounded a unit past an end that lies on an edge must not cut that end off.
    for (const auto& [u, v] : {std::pair{line.u0, line.v0}, std::pair{line.u1, line.v1}}) {
        if (InBox(u, v, box)) {
            span = span ? Span{std::min(span->lo, u), std::max(span->hi, u)} : Span{u, u};
        }
    }
    if (!span) {
        return std::nullopt;
    }
    const ClipPoint lo = PointAt(line, box, span->lo);
    const ClipPoint hi = PointAt(line, box, span->hi);
    if (line.u0 <= line.u1) {
        return ClipSegment{lo, hi};
    }
    return ClipSegment{hi, lo};
}

ClipSegment SwapCoordinates(const ClipSegment& s) {
    return {{s.from.y, s.from.x}, {s.to.y, s.to.x}};
}

std::optional<ClipSegment> ClipUnscaled(ClipPoint from, ClipPoint to, const ClipRect& rect) {
    if (std::fabs(to.x - from.x) >= std::fabs(to.y - from.y)) {
        return ClipAlongU({from.x, from.y, to.x, to.y},
                          {rect.left, rect.right, rect.top, rect.bottom});
    }
    const std::optional<ClipSegment> swapped =
        ClipAlongU({from.y, from.x, to.y, to.x}, {rect.top, rect.bottom, rect.left, rect.right});
    if (!swapped) {
        return std::nullopt;
    }
    return SwapCoordinates(*swapped);
}

// Products of coordinates up to 2^500 stay far inside the double range.
constexpr int kLargestSafeExponent = 500;

ClipPoint Scaled(ClipPoint p, int exponent) {
    return {std::ldexp(p.x, exponent), std::ldexp(p.y, exponent)};
}

bool Inside(ClipPoint p, const ClipRect& rect) {
    return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
}

} // namespace

std::optional<ClipSegment> ClipToRect(ClipPoint from, ClipPoint to, const ClipRect& rect) {
    const std::array<double, 8> all = {from.x,    from.y,   to.x,       to.y,
                                       rect.left, rect.top, rect.right, rect.bottom};
    double largest = 0.0;
    for (const double value : all) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
        largest = std::max(largest, std::fabs(value));
    }
    if (!(rect.left <= rect.right && rect.top <= rect.bottom)) {
        return std::nullopt;
    }
    if (std::max(from.x, to.x) < rect.left || std::min(from.x, to.x) > rect.right ||
        std::max(from.y, to.y) < rect.top || std::min(from.y, to.y) > rect.bottom) {
        return std::nullopt; // wholly beyond one edge, as most points of a steep curve are
    }
    if (Inside(from, rect) && Inside(to, rect)) {
        return ClipSegment{from, to};
    }
    if (largest <= std::ldexp(1.0, kLargestSafeExponent)) {
        return ClipUnscaled(from, to, rect);
    }
    // Scaling by a power of two is exact, so the geometry is unchanged.
    const int shift = std::ilogb(largest) - kLargestSafeExponent;
    const ClipRect smaller{std::ldexp(rect.left, -shift), std::ldexp(rect.top, -shift),
                           std::ldexp(rect.right, -shift), std::ldexp(rect.bottom, -shift)};
    const std::optional<ClipSegment> clipped =
        ClipUnscaled(Scaled(from, -shift), Scaled(to, -shift), smaller);
    if (!clipped) {
        return std::nullopt;
    }
    // Scaling down may have lost the smallest bits of a coordinate (those below 2^-1000 or so):
    // an end kept as it was comes back unchanged, and a cut end stays on the rectangle.
    const auto restore = [&](ClipPoint p, ClipPoint original) {
        if (Inside(original, rect) && p == Scaled(original, -shift)) {
            return original;
        }
        const ClipPoint back = Scaled(p, shift);
        return ClipPoint{std::clamp(back.x, rect.left, rect.right),
                         std::clamp(back.y, rect.top, rect.bottom)};
    };
    return ClipSegment{restore(clipped->from, from), restore(clipped->to, to)};
}

} // namespace veltrix
