// Cuts a straight line to the part that can be seen, before it reaches the painter. Qt's raster
// engine cuts lines itself, but interpolates from their ends: a line whose ends lie 1e16 pixels
// away along both axes comes out on the wrong course. The Graph window draws curve points that
// lie up to 1e38 cm away.
#pragma once

#include <optional>

namespace veltrix {

struct ClipPoint {
    double x, y;
    friend bool operator==(ClipPoint, ClipPoint) = default;
};

struct ClipSegment {
    ClipPoint from, to;
    friend bool operator==(ClipSegment, ClipSegment) = default;
};

// A closed rectangle: left <= right and top <= bottom.
struct ClipRect {
    double left, top, right, bottom;
};

// The part of the segment from `from` to `to` inside `rect`, in the same direction, or nothing
// when no part is inside or a coordinate is not finite. Each cut end is the point of the original
// line at the edge, correct to a few units in the last place of its own coordinates, however far
// away the original ends lie; an end inside the rectangle is returned unchanged.
std::optional<ClipSegment> ClipToRect(ClipPoint from, ClipPoint to, const ClipRect& rect);

} // namespace veltrix
