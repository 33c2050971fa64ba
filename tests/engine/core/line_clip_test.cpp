#include "engine/core/line_clip.hpp"
#include "engine/core/polylines.hpp"
#include "test_text.hpp"

#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace veltrix {

void PrintTo(ClipPoint p, std::ostream* os) {
    *os << '(' << p.x << ", " << p.y << ')';
}
void PrintTo(const ClipSegment& s, std::ostream* os) {
    PrintTo(s.from, os);
    *os << " -> ";
    PrintTo(s.to, os);
}

namespace {

// The Graph window at its first size on a screen of scale 1, with a margin of 2 pixels.
constexpr ClipRect kWindow{-2.0, -2.0, 380.0, 361.0};

// 1e30 cm, in pixels.
constexpr double kFar = 3.78e31;
const double k2p100 = std::ldexp(1.0, 100);

struct ClipCase {
    const char* what;
    ClipPoint from, to;
    ClipRect rect;
    std::optional<ClipSegment> expected;
};

void PrintTo(const ClipCase& c, std::ostream* os) {
    *os << c.what;
}

class ClipToRectTest : public ::testing::TestWithParam<ClipCase> {};

std::string ClipCaseName(const ::testing::TestParamInfo<ClipCase>& row) {
    return testing::RowName(row.index, {row.param.what});
}

void ExpectSamePoint(ClipPoint actual, ClipPoint expected) {
    EXPECT_DOUBLE_EQ(actual.x, expected.x);
    EXPECT_DOUBLE_EQ(actual.y, expected.y);
}

TEST_P(ClipToRectTest, GivesTheVisiblePartOfTheLine) {
    const ClipCase& c = GetParam();
    const std::optional<ClipSegment> clipped = ClipToRect(c.from, c.to, c.rect);
    ASSERT_EQ(clipped.has_value(), c.expected.has_value());
    if (clipped) {
        ExpectSamePoint(clipped->from, c.expected->from);
        ExpectSamePoint(clipped->to, c.expected->to);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Segments, ClipToRectTest,
    ::testing::Values(
        ClipCase{"inside, unchanged", {10, 20}, {300, 200}, kWindow, {{{10, 20}, {300, 200}}}},
        ClipCase{"a point inside", {5, 5}, {5, 5}, kWindow, {{{5, 5}, {5, 5}}}},
        ClipCase{"left of the window", {-100, 5}, {-50, 400}, kWindow, std::nullopt},
        ClipCase{"a curve segment from 1e30 cm above to 1e30 cm below",
                 {185, -kFar},
                 {185.375, kFar},
                 kWindow,
                 {{{185.1875, -2}, {185.1875, 361}}}},
        // Interpolating from the far end gives a t that rounds to 1 and a y that is off by 1e15.
        ClipCase{"from 1e30 cm above to a point inside",
                 {185, -kFar},
                 {185.375, 100},
                 kWindow,
                 {{{185.375, -2}, {185.375, 100}}}},
        ClipCase{"far horizontal",
                 {-2 * k2p100, 150},
                 {2 * k2p100, 150},
                 kWindow,
                 {{{-2, 150}, {380, 150}}}},
        ClipCase{
            "far horizontal below the window", {-1e300, 400}, {1e300, 400}, kWindow, std::nullopt},
        ClipCase{"far diagonal through the window, y = x/3",
                 {-3 * k2p100, -k2p100},
                 {3 * k2p100, k2p100},
                 {-100, -20, 300, 50},
                 {{{-60, -20}, {150, 50}}}},
        ClipCase{"the same line drawn the other way",
                 {3 * k2p100, k2p100},
                 {-3 * k2p100, -k2p100},
                 {-100, -20, 300, 50},
                 {{{150, 50}, {-60, -20}}}},
        ClipCase{"far diagonal passing half a pixel outside a corner",
                 {-3 * k2p100, -k2p100},
                 {3 * k2p100, k2p100},
                 {0, 100.5, 300, 200},
                 std::nullopt},
        ClipCase{"far diagonal cutting a corner by half a pixel",
                 {-3 * k2p100, -k2p100},
                 {3 * k2p100, k2p100},
                 {0, 99.5, 300, 200},
                 {{{298.5, 99.5}, {300, 100}}}},
        ClipCase{"ends at the edge of the double range",
                 {-DBL_MAX, -DBL_MAX / 2},
                 {DBL_MAX, DBL_MAX / 2},
                 {-100, -100, 100, 100},
                 {{{-100, -50}, {100, 50}}}},
        // The crossing with the left edge rounds a unit past the end lying on it.
        ClipCase{"leaving the window from a point on its edge",
                 {-2, 242.125},
                 {-0x1.116b7d0277032p+99, 0x1.e2417d4c400d2p+99},
                 kWindow,
                 {{{-2, 242.125}, {-2, 242.125}}}},
        ClipCase{"entering the window from a point on its edge",
                 {-2, 109.875},
                 {0x1.641f0d5a99bep+9, 0x1.372cd8d05ea14p+10},
                 kWindow,
                 {{{-2, 109.875}, {156.05437470944557, 361}}}},
        // A segment that only touches the rectangle is seen as a point, at any edge or corner.
        ClipCase{"onto the right edge", {500, 100}, {380, 50}, kWindow, {{{380, 50}, {380, 50}}}},
        ClipCase{
            "onto the bottom edge", {100, 500}, {150, 361}, kWindow, {{{150, 361}, {150, 361}}}},
        ClipCase{"onto the top edge", {100, -50}, {120, -2}, kWindow, {{{120, -2}, {120, -2}}}},
        ClipCase{"through a corner", {370, 371}, {390, 351}, kWindow, {{{380, 361}, {380, 361}}}},
        ClipCase{"not a number",
                 {std::numeric_limits<double>::quiet_NaN(), 0},
                 {10, 10},
                 kWindow,
                 std::nullopt},
        ClipCase{"infinite",
                 {0, 0},
                 {10, std::numeric_limits<double>::infinity()},
                 kWindow,
                 std::nullopt}),
    ClipCaseName);

// Lines y = (p/q)·x through the origin with ends 2^100 pixels away in both directions, cut
// by rectangles placed all around them: every cut end lies on the line and on the rectangle.
TEST(ClipToRectTest, FarLinesAreCutOnTheLineItself) {
    int visible = 0;
    for (int p = -7; p <= 7; ++p) {
        for (int q = 1; q <= 7; ++q) {
            const ClipPoint far{q * k2p100, p * k2p100};
            for (double left = -400; left <= 400; left += 37.5) {
                for (double top = -400; top <= 400; top += 41.25) {
                    const ClipRect rect{left, top, left + 120, top + 90};
                    const auto clipped = ClipToRect({-far.x, -far.y}, far, rect);
                    if (!clipped) {
                        continue;
                    }
                    ++visible;
                    for (const ClipPoint end : {clipped->from, clipped->to}) {
                        EXPECT_NEAR(q * end.y, p * end.x, 1e-11) << p << '/' << q;
                        EXPECT_TRUE(end.x >= rect.left && end.x <= rect.right);
                        EXPECT_TRUE(end.y >= rect.top && end.y <= rect.bottom);
                        const bool onEdge = end.x == rect.left || end.x == rect.right ||
                                            end.y == rect.top || end.y == rect.bottom;
                        EXPECT_TRUE(onEdge) << p << '/' << q;
                    }
                    EXPECT_LE(clipped->from.x, clipped->to.x);
                }
            }
        }
    }
    // Lines through the origin pass through a good share of the rectangles around it.
    EXPECT_GT(visible, 500);
}

// Lines with ends 2^50 pixels away, whole numbers of 50 bits whose products a double cannot hold,
// and 2^51 apart along x: the exact crossing with a side edge, N / 2^51, is computed with 128-bit
// integers and rounded once. The cut end must be that very double.
TEST(ClipToRectTest, FarCrossingsWithTheSidesAreExactToTheLastBit) {
    __extension__ using Exact = __int128;
    for (double offset = 1; offset < 4e9; offset = offset * 7 + 12345) {
        for (const double slope : {0.3, -0.21, 0.0137}) {
            const double left = -std::ldexp(1, 50) + offset;
            const double right = std::ldexp(1, 50) + offset;
            const ClipPoint a{left, std::nearbyint(100 + slope * left)};
            const ClipPoint b{right, std::nearbyint(100 + slope * right)};
            const auto clipped = ClipToRect(a, b, kWindow);
            ASSERT_TRUE(clipped) << offset << ", slope " << slope;
            for (const ClipPoint end : {clipped->from, clipped->to}) {
                const Exact n = Exact(a.y) * Exact(b.x) - Exact(a.x) * Exact(b.y) +
                                Exact(end.x) * (Exact(b.y) - Exact(a.y));
                EXPECT_EQ(end.y, std::ldexp(static_cast<double>(n), -51))
                    << offset << ", slope " << slope << ", x " << end.x;
            }
            EXPECT_EQ(clipped->from.x, kWindow.left);
            EXPECT_EQ(clipped->to.x, kWindow.right);
        }
    }
}

// Joined where a visible part starts exactly where the one before it ended, across batches too;
// a part cut at an edge ends its polyline, and one wholly outside leaves nothing.
TEST(VisiblePolylinesTest, JoinsTheVisiblePartsThatMeet) {
    const std::vector<std::vector<GraphLine>> batches = {
        {{{1, 1}, {2, 2}}, {{2, 2}, {3, 1}}, {{3, 1}, {12, 1}}, {{12, 1}, {4, 9}}},
        {{{4, 9}, {5, 8}}, {{20, 20}, {30, 30}}, {{5, 5}, {6, 6}}, {{6, 6}, {6, 7}}}};
    const std::vector<Polyline> expected = {
        {{1, 1}, {2, 2}, {3, 1}, {10, 1}}, {{10, 3}, {4, 9}, {5, 8}}, {{5, 5}, {6, 6}, {6, 7}}};
    EXPECT_EQ(VisiblePolylines(batches, {0, 0, 10, 10}), expected);
}

} // namespace
} // namespace veltrix
