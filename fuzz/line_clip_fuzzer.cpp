// ClipToRect on any eight doubles (the segment's ends, then the rectangle), read from the input's
// bytes; missing bytes are zero. Whatever the values, the cut part lies inside the rectangle, an
// end already inside comes back unchanged, and drawing the segment the other way round cuts the
// same part, within rounding.

#include "engine/core/line_clip.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace veltrix;

namespace {

#define CLIP_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            Fail(#condition, __LINE__);                                                            \
        }                                                                                          \
    } while (false)

std::array<double, 8> g_values{};

[[noreturn]] void Fail(const char* condition, int line) {
    std::fprintf(stderr, "\nInvariant broken: %s\n  at line %d\n  input:", condition, line);
    for (const double v : g_values) {
        std::fprintf(stderr, " %a", v);
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

bool Inside(ClipPoint p, const ClipRect& r) {
    return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

bool Finite(ClipPoint p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Two cuts of the same line agree to within rounding at the rectangle's own size.
bool Close(ClipPoint a, ClipPoint b, const ClipRect& r) {
    const double size = std::max(
        {std::fabs(r.left), std::fabs(r.right), std::fabs(r.top), std::fabs(r.bottom), 1.0});
    return std::fabs(a.x - b.x) <= 1e-9 * size && std::fabs(a.y - b.y) <= 1e-9 * size;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_values = {};
    std::memcpy(g_values.data(), data, std::min(size, sizeof g_values));
    const auto& v = g_values;
    const ClipPoint from{v[0], v[1]};
    const ClipPoint to{v[2], v[3]};
    const ClipRect rect{v[4], v[5], v[6], v[7]};

    const auto cut = ClipToRect(from, to, rect);
    const auto reversed = ClipToRect(to, from, rect);
    if (cut.has_value() != reversed.has_value()) {
        // Only a line that touches a corner or an edge, within rounding, may be seen one way
        // and not the other, and then it is a dot.
        const ClipSegment& seen = cut ? *cut : *reversed;
        CLIP_CHECK(Close(seen.from, seen.to, rect));
        return 0;
    }
    if (!cut) {
        // Everything finite with both ends inside is drawn whole.
        const bool finite = Finite(from) && Finite(to) && Finite({rect.left, rect.top}) &&
                            Finite({rect.right, rect.bottom});
        CLIP_CHECK(!(finite && Inside(from, rect) && Inside(to, rect)));
        return 0;
    }
    CLIP_CHECK(Inside(cut->from, rect) && Inside(cut->to, rect));
    CLIP_CHECK(!Inside(from, rect) || (cut->from == from && reversed->to == from));
    CLIP_CHECK(!Inside(to, rect) || (cut->to == to && reversed->from == to));
    CLIP_CHECK(Close(cut->from, reversed->to, rect) && Close(cut->to, reversed->from, rect));
    return 0;
}
