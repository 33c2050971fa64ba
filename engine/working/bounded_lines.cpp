#include "engine/working/bounded_lines.hpp"

#include "engine/working/working_formulas.hpp"

#include <utility>

namespace veltrix::steps {
namespace {

using namespace math;

Formula Shown(const ShownValue& value) {
    return Text(value.significant);
}

Formula RoundedText(const ShownValue& value) {
    return Text(value.rounded);
}

// A shown coefficient as a term of the equation.
Coefficient TermOf(const ShownCoefficient& k) {
    const std::u16string& text = k.value.significant;
    const std::u16string magnitude = k.sign < 0 ? text.substr(1) : text;
    return {k.sign, Text(magnitude), k.exact && magnitude == u"1"};
}

// The equation and its coefficients, "≈" where one's digits are more than are shown.
WorkingLine BoundedEquationLine(const std::array<ShownCoefficient, 3>& k, char16_t sep) {
    const bool exact = k[0].exact && k[1].exact && k[2].exact;
    return {WorkingStep::Equation,
            {EquationOf(TermOf(k[0]), TermOf(k[1]), TermOf(k[2]),
                        exact ? Relation::Equals : Relation::Approximately),
             CoefficientList(Shown(k[0].value), Shown(k[1].value), Shown(k[2].value), sep,
                             {k[0].exact, k[1].exact, k[2].exact})}};
}

void AddBoundedRoots(Working& working, const BoundedRoots& roots) {
    const Formula x = Letter(u'x');
    if (const auto* real = std::get_if<BoundedRealRoots>(&roots)) {
        working.push_back(
            {WorkingStep::TwoRoots,
             {Approximately(x, Shown(real->plus)), Approximately(x, Shown(real->minus))}});
        working.push_back({WorkingStep::RoundedRoots,
                           {Approximately(x, RoundedText(real->plus)),
                            Approximately(x, RoundedText(real->minus))}});
    } else if (const auto* twice = std::get_if<BoundedDoubleRoot>(&roots)) {
        working.push_back({WorkingStep::DoubleRoot, {Approximately(x, Shown(twice->root))}});
        working.push_back({WorkingStep::RoundedRoot, {Approximately(x, RoundedText(twice->root))}});
    } else {
        const auto& complex = std::get<BoundedComplexRoots>(roots);
        working.push_back(
            {WorkingStep::ComplexRoots,
             {Approximately(x, ComplexPair(Shown(complex.real), Shown(complex.imaginary)))}});
        working.push_back({WorkingStep::RoundedRoot,
                           {Approximately(x, ComplexPair(RoundedText(complex.real),
                                                         RoundedText(complex.imaginary)))}});
        if (complex.imaginary.rounded == u"0") {
            working.push_back({WorkingStep::ImaginaryPartRoundsToZero, {}});
        }
    }
}

void AddBoundedParabola(Working& working, const BoundedParabola& curve, int aSign, char16_t sep) {
    working.push_back({WorkingStep::Discriminant,
                       {Approximately(GeneralDiscriminant(), Shown(curve.discriminant))}});
    AddBoundedRoots(working, curve.roots);
    working.push_back({aSign > 0 ? WorkingStep::MinimumNear : WorkingStep::MaximumNear,
                       {Point(RoundedText(curve.turningX), RoundedText(curve.turningY), sep),
                        Approximately(Letter(u'x'), RoundedText(curve.turningX))}});
}

void AddBoundedLine(Working& working, const BoundedLine& line, const ShownCoefficient& c) {
    working.push_back(NotAQuadraticLine());
    if (line.root) {
        working.push_back(LineRootLine(Shown(*line.root), Relation::Approximately));
        working.push_back(
            {WorkingStep::RoundedRoot, {Approximately(Letter(u'x'), RoundedText(*line.root))}});
    } else {
        working.push_back(
            {c.sign == 0 ? WorkingStep::EveryXIsARoot : WorkingStep::LineWithoutRoot, {}});
    }
}

} // namespace

Working BoundedLines(const BoundedWorking& bounded, char16_t sep) {
    const auto& [a, b, c] = bounded.coefficients;
    Working working{BoundedEquationLine(bounded.coefficients, sep),
                    {WorkingStep::TooLongToWorkOut, {}}};
    if (const auto* parabola = std::get_if<BoundedParabola>(&bounded.curve)) {
        AddBoundedParabola(working, *parabola, a.sign, sep);
    } else {
        AddBoundedLine(working, std::get<BoundedLine>(bounded.curve), c);
    }
    if (c.exact) {
        working.push_back({WorkingStep::CrossesYAxis, {Point(Text(u"0"), Shown(c.value), sep)}});
    } else {
        working.push_back(
            {WorkingStep::CrossesYAxisNear, {Point(Text(u"0"), Text(InterceptText(c)), sep)}});
    }
    return working;
}

} // namespace veltrix::steps
