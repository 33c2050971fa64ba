#include "engine/working/working_sketch.hpp"

#include "engine/working/school_notation.hpp"
#include "engine/working/working_formulas.hpp"

#include <cmath>
#include <cstdlib>
#include <string>
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

// A label's value, where a double holds it: "0,66" is 0.66.
double LabelValue(std::u16string text, char16_t sep) {
    std::string ascii;
    for (char16_t c : text) {
        ascii += c == sep ? '.' : static_cast<char>(c < 0x80 ? c : '?');
    }
    return std::strtod(ascii.c_str(), nullptr);
}

// Whether the two rounded roots stand minus root first, as a school that names that root x₁
// writes them: the second label lies nearer the plus root than the first.
bool NamedTheOtherWay(const std::vector<std::u16string>& labels, const std::string& plus,
                      char16_t sep) {
    const double root = std::strtod(plus.c_str(), nullptr);
    const double first = LabelValue(labels[0], sep), second = LabelValue(labels[1], sep);
    return std::isfinite(root) && std::isfinite(first) && std::isfinite(second) &&
           std::abs(second - root) < std::abs(first - root);
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
            const bool swapped =
                rootLabels.size() == 2 && NamedTheOtherWay(rootLabels, real->plus.approximate, sep);
            root(SketchPointKind::Root, real->plus, swapped ? 1 : 0);
            root(SketchPointKind::Root, real->minus, swapped ? 0 : 1);
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

std::vector<std::u16string> ExactRootLabels(const Working& working, const ExactQuadratic& q) {
    std::vector<std::u16string> labels;
    bool irrational = false;
    for (const WorkingLine& line : working) {
        irrational = irrational || line.step == WorkingStep::Roots;
        if (line.step == WorkingStep::RoundedRoots ||
            (line.step == WorkingStep::RoundedRoot && line.formulas.size() == 1)) {
            for (const Formula& formula : line.formulas) {
                labels.push_back(RoundedValueText(formula));
            }
            break;
        }
    }
    if (irrational && q.a < 0 && labels.size() == 2) {
        std::swap(labels[0], labels[1]);
    }
    return labels;
}

} // namespace veltrix::steps
