// The Graph window's lines as far as a rectangle shows them, joined into polylines: the form a
// drawing file keeps them in, chains of points rather than loose segments.
#pragma once

#include "engine/core/line_clip.hpp"
#include "engine/core/plot_curve.hpp"

#include <span>
#include <vector>

namespace veltrix {

using Polyline = std::vector<ClipPoint>;

// The visible part of each line, cut at the edges of `area` (ClipToRect), in the order drawn:
// the batches one after the other, each in its own order. A part that starts exactly where the
// part before it ended extends that polyline, as the segments of a curve do; any other part
// starts a polyline of its own. Lines wholly outside the area leave nothing.
std::vector<Polyline> VisiblePolylines(std::span<const std::vector<GraphLine>> batches,
                                       const ClipRect& area);

} // namespace veltrix
