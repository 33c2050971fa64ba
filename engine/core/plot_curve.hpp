// What the Plot command draws: the axes with their ticks, and the curve as a chain of segments,
// all in centimetres of the Graph window (origin at its top-left corner, y growing downward).
#pragma once

#include "engine/core/parser.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

namespace veltrix {

// A point of the Graph window in centimetres. The line drawing takes single precision.
struct GraphPoint {
    float x, y;
    friend bool operator==(GraphPoint, GraphPoint) = default;
};

struct GraphLine {
    GraphPoint from, to;
    friend bool operator==(GraphLine, GraphLine) = default;
};

// The plane's origin sits at (5, 5) cm, so the axes cross in the middle of a 10 cm square. The
// ticks mark the whole centimetres; the one at the right end of the horizontal axis is longer.
inline constexpr std::array<GraphLine, 20> kAxesAndTicks = {{
    {{5.0F, 0.0F}, {5.0F, 10.0F}},    // vertical axis, x = 0
    {{0.0F, 5.0F}, {10.0F, 5.0F}},    // horizontal axis, y = 0
    {{10.0F, 4.75F}, {10.0F, 5.25F}}, // x = 5
    {{9.0F, 4.85F}, {9.0F, 5.15F}},   // x = 4
    {{8.0F, 4.85F}, {8.0F, 5.15F}},   // x = 3
    {{7.0F, 4.85F}, {7.0F, 5.15F}},   // x = 2
    {{6.0F, 4.85F}, {6.0F, 5.15F}},   // x = 1
    {{4.0F, 4.85F}, {4.0F, 5.15F}},   // x = -1
    {{3.0F, 4.85F}, {3.0F, 5.15F}},   // x = -2
    {{2.0F, 4.85F}, {2.0F, 5.15F}},   // x = -3
    {{1.0F, 4.85F}, {1.0F, 5.15F}},   // x = -4
    {{4.85F, 1.0F}, {5.15F, 1.0F}},   // y = 4
    {{4.85F, 2.0F}, {5.15F, 2.0F}},   // y = 3
    {{4.85F, 3.0F}, {5.15F, 3.0F}},   // y = 2
    {{4.85F, 4.0F}, {5.15F, 4.0F}},   // y = 1
    {{4.85F, 6.0F}, {5.15F, 6.0F}},   // y = -1
    {{4.85F, 7.0F}, {5.15F, 7.0F}},   // y = -2
    {{4.85F, 8.0F}, {5.15F, 8.0F}},   // y = -3
    {{4.85F, 9.0F}, {5.15F, 9.0F}},   // y = -4
    {{4.85F, 10.0F}, {5.15F, 10.0F}}, // y = -5
}};

// The curve starts from the window's top-left corner, so its first segment comes in from there.
inline constexpr GraphPoint kCurveStart{0.0F, 0.0F};

// x runs from -9.9 (exclusive) in steps of 0.01 while it is below 10: 1,991 points.
inline constexpr std::size_t kCurvePointCount = 1991;

struct CurvePoints {
    // Each point ends one segment that starts at the point before it (kCurveStart for the first).
    std::vector<GraphPoint> points;
    // The x at which a point could not be computed: a coefficient that does not convert (at the
    // first point), an overflow of the double range, or a coordinate beyond the float range.
    // Nothing after it is computed. Empty when the whole curve was.
    std::optional<double> failedAtX;
};

// The curve y = a·x² + b·x + c drawn at (x + 5, 5 - y) cm, each y evaluated as
// ((a·(x·(-x)) + b·(-x)) - c) + 5 in double precision, x accumulated by repeated addition.
// Coefficient texts are read with `separator` as their decimal separator beside ".".
CurvePoints PlotCurve(const QuadraticCoefficients& coefficients, char16_t separator = u'.');

} // namespace veltrix
