#include "test_text.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace veltrix {
namespace {

using testing::U16;

CurvePoints CurveOf(const char* equation) {
    const ParseOutcome parsed = ParseQuadratic(U16(equation));
    const auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed);
    if (coefficients == nullptr) {
        ADD_FAILURE() << equation << " does not split";
        return {};
    }
    return PlotCurve(*coefficients);
}

// The window x at which the curve crosses the horizontal line at `y` cm, found by interpolating
// within each segment between two of its points that crosses it.
std::vector<double> CrossingsOf(const std::vector<GraphPoint>& points, double y) {
    std::vector<double> crossings;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const GraphPoint previous = points[i - 1];
        const double from = previous.y - y;
        const double to = points[i].y - y;
        if ((from < 0.0) != (to < 0.0)) {
            crossings.push_back(previous.x + (points[i].x - previous.x) * from / (from - to));
        }
    }
    return crossings;
}

GraphPoint LowestOnScreen(const std::vector<GraphPoint>& points) {
    return *std::max_element(points.begin(), points.end(),
                             [](GraphPoint l, GraphPoint r) { return l.y < r.y; });
}

TEST(PlotCurveTest, DefaultEquationIsTheFullChainOfSegments) {
    const CurvePoints curve = CurveOf("10X^2-2X-3");
    EXPECT_FALSE(curve.failedAtX);
    ASSERT_EQ(curve.points.size(), kCurvePointCount);
    EXPECT_FLOAT_EQ(curve.points.front().x, -4.89F);
    EXPECT_FLOAT_EQ(curve.points.front().y, -989.901F);
    // The last x is about 10.01: x passes 9.99999999999966 (still below 10) once more.
    EXPECT_NEAR(curve.points.back().x, 15.01, 1e-5);
}

TEST(PlotCurveTest, DefaultEquationHasItsLowestPointAndCrossings) {
    const CurvePoints curve = CurveOf("10X^2-2X-3");
    const GraphPoint lowest = LowestOnScreen(curve.points);
    EXPECT_NEAR(lowest.x, 5.1, 1e-5);
    EXPECT_NEAR(lowest.y, 8.1, 1e-5);

    const std::vector<double> onAxis = CrossingsOf(curve.points, 5.0);
    ASSERT_EQ(onAxis.size(), 2U);
    EXPECT_NEAR(onAxis[0], 4.543, 0.001);
    EXPECT_NEAR(onAxis[1], 5.657, 0.001);

    // The parabola leaves the window through its top edge at 4.2 and 6.0 cm.
    const std::vector<double> onTopEdge = CrossingsOf(curve.points, 0.0);
    ASSERT_EQ(onTopEdge.size(), 2U);
    EXPECT_NEAR(onTopEdge[0], 4.2, 0.001);
    EXPECT_NEAR(onTopEdge[1], 6.0, 0.001);
}

TEST(PlotCurveTest, LowestPointFollowsTheCoefficients) {
    // y = x² + x: a and b come from the split itself (1 and "+").
    const GraphPoint lowest = LowestOnScreen(CurveOf("X^2+X").points);
    EXPECT_NEAR(lowest.x, 4.5, 1e-5);
    EXPECT_NEAR(lowest.y, 5.25, 1e-5);
}

TEST(PlotCurveTest, CharactersAfterTheFirstMarkerAreNotRead) {
    const CurvePoints cubicLooking = CurveOf("X^3-2X-3");
    const CurvePoints quadratic = CurveOf("X^2-2X-3");
    EXPECT_EQ(cubicLooking.points.size(), kCurvePointCount);
    EXPECT_EQ(cubicLooking.points, quadratic.points);
}

TEST(PlotCurveTest, ZeroCurveRunsAlongTheHorizontalAxisAcrossTheWindow) {
    const CurvePoints curve = CurveOf("0X^2+0X+0");
    ASSERT_EQ(curve.points.size(), kCurvePointCount);
    EXPECT_TRUE(std::all_of(curve.points.begin(), curve.points.end(),
                            [](GraphPoint p) { return p.y == 5.0F; }));
    EXPECT_LT(curve.points.front().x, 0.0F);
    EXPECT_GT(curve.points.back().x, 10.0F);
}

struct FirstPointFailure {
    const char* equation;
    const char* why;
};

void PrintTo(const FirstPointFailure& c, std::ostream* os) {
    *os << '"' << c.equation << "\" (" << c.why << ')';
}

std::string FirstPointFailureName(const ::testing::TestParamInfo<FirstPointFailure>& row) {
    return testing::RowName(row.index, {row.param.equation});
}

class FailsAtTheFirstPoint : public ::testing::TestWithParam<FirstPointFailure> {};

TEST_P(FailsAtTheFirstPoint, WithNoSegment) {
    const CurvePoints curve = CurveOf(GetParam().equation);
    EXPECT_TRUE(curve.points.empty());
    ASSERT_TRUE(curve.failedAtX);
    EXPECT_NEAR(*curve.failedAtX, -9.89, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FailsAtTheFirstPoint,
    ::testing::Values(FirstPointFailure{"-X^2+2X+1", "a lone sign as a"},
                      FirstPointFailure{"X^2X+1", "an empty b"},
                      FirstPointFailure{"y=X^2+2X+1", "letters in a"},
                      FirstPointFailure{"X^2+2X+y", "letters in c, converted last"},
                      // 1e307 · 97.8 overflows the double range.
                      FirstPointFailure{"1E307X^2+0X+0", "overflow in a·x²"},
                      // -inf + inf would make a NaN, which no range test catches afterwards.
                      FirstPointFailure{"1E307X^2+1E308X+0", "opposite overflows"},
                      // 1e37 · 97.8 is a double but beyond the largest float.
                      FirstPointFailure{"1E37X^2+0X+0", "beyond the float range"}),
    FirstPointFailureName);

// A double overflow can only come at the first point: any point after a kept one that had an
// intermediate beyond the double range would have had a y beyond the float range earlier. So
// a failure in the middle of the curve is always a coordinate beyond the float range.
TEST(PlotCurveTest, CoordinateBeyondTheFloatRangeFailsThereAndKeepsWhatCameBefore) {
    // y = 1e36·x² + 2.5e37·x stays within the float range until 5 - y passes -FLT_MAX, where
    // x² + 25x = FLT_MAX / 1e36, at x ≈ 9.783.
    const double limit = (static_cast<double>(FLT_MAX) + 5.0) / 1e36;
    const double firstBeyond = (-25.0 + std::sqrt(625.0 + 4.0 * limit)) / 2.0;

    const CurvePoints curve = CurveOf("1E36X^2+2.5E37X+0");
    ASSERT_TRUE(curve.failedAtX);
    EXPECT_GE(*curve.failedAtX, firstBeyond);
    EXPECT_LT(*curve.failedAtX - 0.01, firstBeyond);
    // x = -9.89 + 0.01·k: the points before the failure are all kept.
    const auto expectedKept =
        static_cast<std::size_t>(std::lround((*curve.failedAtX + 9.89) / 0.01));
    ASSERT_EQ(curve.points.size(), expectedKept);
    EXPECT_NEAR(curve.points.back().x, *curve.failedAtX - 0.01 + 5.0, 1e-5);
    EXPECT_LT(curve.points.back().y, -0.99F * FLT_MAX);
}

TEST(PlotCurveTest, AxesAndTicksCrossAtTheMiddleAndMarkWholeCentimetres) {
    EXPECT_EQ(kAxesAndTicks[0], (GraphLine{{5, 0}, {5, 10}}));
    EXPECT_EQ(kAxesAndTicks[1], (GraphLine{{0, 5}, {10, 5}}));
    for (std::size_t i = 2; i < kAxesAndTicks.size(); ++i) {
        const GraphLine tick = kAxesAndTicks[i];
        const bool onHorizontalAxis = i <= 10;
        const float along = onHorizontalAxis ? tick.from.x : tick.from.y;
        const float across = onHorizontalAxis ? tick.from.y : tick.from.x;
        const float end = onHorizontalAxis ? tick.to.y : tick.to.x;
        EXPECT_EQ(along, onHorizontalAxis ? tick.to.x : tick.to.y) << "tick " << i + 1;
        EXPECT_EQ(along, std::round(along)) << "tick " << i + 1;
        EXPECT_NE(along, 5.0F) << "tick " << i + 1;
        const float half = i == 2 ? 0.25F : 0.15F;
        EXPECT_FLOAT_EQ(across, 5.0F - half) << "tick " << i + 1;
        EXPECT_FLOAT_EQ(end, 5.0F + half) << "tick " << i + 1;
    }
}

} // namespace
} // namespace veltrix
