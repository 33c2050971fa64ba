#include "engine/core/polylines.hpp"

#include <optional>

namespace veltrix {

std::vector<Polyline> VisiblePolylines(std::span<const std::vector<GraphLine>> batches,
                                       const ClipRect& area) {
    std::vector<Polyline> polylines;
    std::optional<ClipPoint> chainEnd;
    for (const std::vector<GraphLine>& batch : batches) {
        for (const GraphLine& line : batch) {
            const std::optional<ClipSegment> cut =
                ClipToRect({line.from.x, line.from.y}, {line.to.x, line.to.y}, area);
            if (!cut) {
                continue;
            }
            if (chainEnd == cut->from) {
                polylines.back().push_back(cut->to);
            } else {
                polylines.push_back({cut->from, cut->to});
            }
            chainEnd = cut->to;
        }
    }
    return polylines;
}

} // namespace veltrix
