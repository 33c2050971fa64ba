// PlotCurve on every equation that splits: at most 1,991 points, each finite and at its x, and a
// failure reported exactly when the curve stops short; a coefficient that does not convert stops
// it before its first point.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string equation = InputTexts(data, size, 1)[0];
    const Context context{{"equation", equation}};

    const ParseOutcome parsed = ParseQuadratic(equation);
    const auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed);
    if (coefficients == nullptr) {
        return 0;
    }
    const CurvePoints curve = PlotCurve(*coefficients);
    FUZZ_CHECK(curve.points.size() <= kCurvePointCount);
    FUZZ_CHECK(curve.failedAtX.has_value() == (curve.points.size() < kCurvePointCount));
    const bool converts = CoefficientValue(coefficients->a) && CoefficientValue(coefficients->b) &&
                          CoefficientValue(coefficients->c);
    FUZZ_CHECK(converts || curve.points.empty());
    for (std::size_t i = 0; i < curve.points.size(); ++i) {
        const GraphPoint p = curve.points[i];
        FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
        // x starts at -9.89 and grows by 0.01: the point is at x + 5 cm.
        FUZZ_CHECK(std::fabs(p.x - (-4.89 + 0.01 * static_cast<double>(i))) < 1e-6);
    }
    return 0;
}
