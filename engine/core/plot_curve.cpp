#include "engine/core/plot_curve.hpp"

#include "engine/core/checked.hpp"

#include <cfloat>
#include <cmath>

namespace veltrix {
namespace {

struct CoefficientValues {
    double a, b, c;
};

// a, then b, then c: the order in which they first enter the arithmetic of a point.
std::optional<CoefficientValues> ConvertInOrder(const QuadraticCoefficients& coefficients,
                                                char16_t separator) {
    const std::optional<double> a = CoefficientValue(coefficients.a, separator);
    const std::optional<double> b = a ? CoefficientValue(coefficients.b, separator) : std::nullopt;
    const std::optional<double> c = b ? CoefficientValue(coefficients.c, separator) : std::nullopt;
    if (!c) {
        return std::nullopt;
    }
    return CoefficientValues{*a, *b, *c};
}

// A value the line drawing can take: within the float range, rounded to the nearest float.
std::optional<float> ToSingle(double value) {
    if (!(std::fabs(value) <= static_cast<double>(FLT_MAX))) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

// The window point of x, with every step of y checked so that no overflow reaches the drawing.
std::optional<GraphPoint> CurvePointAt(const CoefficientValues& v, double x) {
    using checked::Value;
    const double px = x + 5.0;
    const Value square = checked::Mul(x, -x);
    const Value aTerm = square ? checked::Mul(v.a, *square) : std::nullopt;
    const Value bTerm = aTerm ? checked::Mul(v.b, -x) : std::nullopt;
    const Value sum = bTerm ? checked::Add(*aTerm, *bTerm) : std::nullopt;
    const Value lessC = sum ? checked::Sub(*sum, v.c) : std::nullopt;
    const Value py = lessC ? checked::Add(*lessC, 5.0) : std::nullopt;
    const std::optional<float> x32 = ToSingle(px);
    const std::optional<float> y32 = py ? ToSingle(*py) : std::nullopt;
    if (!x32 || !y32) {
        return std::nullopt;
    }
    return GraphPoint{*x32, *y32};
}

} // namespace

CurvePoints PlotCurve(const QuadraticCoefficients& coefficients, char16_t separator) {
    // A coefficient that does not convert fails the first point, where the three first meet.
    const std::optional<CoefficientValues> values = ConvertInOrder(coefficients, separator);
    CurvePoints curve;
    curve.points.reserve(kCurvePointCount);
    double x = -9.9;
    while (x < 10.0) {
        x += 0.01; // accumulated: each x is the previous one plus 0.01, rounding and all
        const std::optional<GraphPoint> point = values ? CurvePointAt(*values, x) : std::nullopt;
        if (!point) {
            curve.failedAtX = x;
            break;
        }
        curve.points.push_back(*point);
    }
    return curve;
}

} // namespace veltrix
