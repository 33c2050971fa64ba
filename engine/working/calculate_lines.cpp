#include "engine/working/calculate_lines.hpp"

#include "engine/core/conversions.hpp"
#include "engine/working/calculate_form.hpp"
#include "engine/working/working_formulas.hpp"

namespace veltrix::steps {
namespace {

// The equation as Calculate reads a text, its coefficients the doubles it computes with.
Formula CalculateEquation(const DoubleCoefficients& q, char16_t sep) {
    const auto term = [sep](double v) {
        return Coefficient{v < 0 ? -1 : (v > 0 ? 1 : 0), Text(NumberToText(v < 0 ? -v : v, sep)),
                           v == 1 || v == -1};
    };
    return EquationOf(term(q.a), term(q.b), term(q.c));
}

// Whether a coefficient that is not 0 is 0 as the nearest double (10^-401 is).
bool LosesACoefficient(const DoubleCoefficients& nearest, const std::array<int, 3>& signs) {
    return (nearest.a == 0 && signs[0] != 0) || (nearest.b == 0 && signs[1] != 0) ||
           (nearest.c == 0 && signs[2] != 0);
}

} // namespace

std::optional<WorkingLine> CalculateReadingLine(std::u16string_view text, char16_t sep) {
    const std::optional<DoubleCoefficients> reads = CalculateReading(text, sep);
    if (!reads) {
        return std::nullopt;
    }
    return WorkingLine{WorkingStep::CalculateReadsAs, {CalculateEquation(*reads, sep)}};
}

std::optional<WorkingLine> CalculateLine(std::u16string_view text, const StudentEquation& equation,
                                         const std::array<int, 3>& signs, char16_t sep) {
    const CalculateFacts facts = CompareWithCalculate(text, equation, sep);
    if (facts.readsTheSame) {
        if (!LosesACoefficient(*facts.nearest, signs)) {
            return std::nullopt;
        }
        return WorkingLine{WorkingStep::CalculateReadsAs,
                           {CalculateEquation(*facts.calculateReads, sep)}};
    }
    const std::u16string typed = facts.calculateForm.value_or(u"");
    if (facts.calculateReads) {
        const Formula reads = CalculateEquation(*facts.calculateReads, sep);
        if (facts.calculateForm) {
            return WorkingLine{WorkingStep::CalculateReadsOtherwise, {reads}, typed};
        }
        return WorkingLine{WorkingStep::CalculateReadsAs, {reads}};
    }
    if (facts.calculateForm) {
        return WorkingLine{WorkingStep::CalculateCannotRead, {}, typed};
    }
    return WorkingLine{WorkingStep::CalculateCannotReadAtAll, {}};
}

} // namespace veltrix::steps
