#include "engine/working/working_sketch.hpp"

#include "engine/working/exact/rounded.hpp"
#include "engine/working/exact_working.hpp"
#include "engine/working/school_notation.hpp"
#include "engine/working/working_formulas.hpp"

#include <utility>

namespace veltrix::steps {
namespace {

std::u16string Widened(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

std::u16string PointLabel(const std::u16string& x, const std::u16string& y, const School& school,
                          char16_t sep) {
    return math::PlainText(SchoolPoint(school, Text(x), Text(y), sep));
}

std::u16string TurningPointLabel(const std::u16string& x, const std::u16string& y,
                                 const School& school, char16_t sep) {
    return math::PlainText(TurningPoint(school, Text(x), Text(y), sep));
}

// The value after the last relation of a rounded root's formula: "0.66" of x ≈ 0.66.
std::u16string RoundedValueText(const Formula& formula) {
    const auto& chain = std::get<math::Chain>(formula.node);
    return math::PlainText(*chain.rest.back().side);
}

} // namespace

SketchInput SketchOf(const BoundedWorking& bounded, const std::vector<std::u16string>& rootLabels,
                     const School& school, char16_t sep) {
    const auto& [a, b, c] = bounded.coefficients;
    SketchInput input{Widened(a.value.approximate),
                      Widened(b.value.approximate),
                      Widened(c.value.approximate),
                      {},
                      false,
                      sep};
    const auto root = [&](SketchPointKind kind, const ShownValue& x, std::size_t i) {
        input.points.push_back({kind, Widened(x.approximate), u"0",
                                i < rootLabels.size() ? rootLabels[i] : x.rounded});
    };
    if (const auto* parabola = std::get_if<BoundedParabola>(&bounded.curve)) {
        input.points.push_back({a.sign > 0 ? SketchPointKind::Minimum : SketchPointKind::Maximum,
                                Widened(parabola->turningX.approximate),
                                Widened(parabola->turningY.approximate),
                                TurningPointLabel(parabola->turningX.rounded,
                                                  parabola->turningY.rounded, school, sep)});
        if (const auto* real = std::get_if<BoundedRealRoots>(&parabola->roots)) {
            root(SketchPointKind::Root, real->plus, 0);
            root(SketchPointKind::Root, real->minus, 1);
        } else if (const auto* twice = std::get_if<BoundedDoubleRoot>(&parabola->roots)) {
            root(SketchPointKind::DoubleRoot, twice->root, 0);
        } else {
            input.complexRoots = true;
        }
    } else if (const auto& line = std::get<BoundedLine>(bounded.curve); line.root) {
        root(SketchPointKind::LineRoot, *line.root, 0);
    }
    input.points.push_back({SketchPointKind::YIntercept, u"0", Widened(c.value.approximate),
                            PointLabel(u"0", InterceptText(c), school, sep)});
    return input;
}

std::vector<std::u16string> ExactRootLabels(const ExactQuadratic& q, unsigned places,
                                            char16_t sep) {
    std::vector<std::u16string> labels;
    if (q.a == 0) {
        if (q.b != 0) { // a line's root
            labels.push_back(RoundRational(-q.c / q.b, places, sep).text);
        }
        return labels;
    }
    const ExactRoots roots = SolveExactly(q);
    const std::vector<WorkingLine> rounded = RoundedRootLines(roots, places, sep);
    if (roots.d < 0 || rounded.empty()) {
        return labels;
    }
    for (const Formula& formula : rounded.front().formulas) {
        labels.push_back(RoundedValueText(formula));
    }
    // The rounded lines write two irrational roots larger first, which is the plus root where
    // a > 0.
    if (!AreRational(roots) && q.a < 0 && labels.size() == 2) {
        std::swap(labels[0], labels[1]);
    }
    return labels;
}

} // namespace veltrix::steps
