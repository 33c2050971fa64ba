// The working of an equation at 0 to 3 places: never a crash, the students' reader's reading or
// refusal, a text to type for Calculate that Calculate reads to the equation's nearest doubles,
// and for every quadratic read exactly, roots that solve it exactly and are rounded from their
// exact values (tests/support/working_checks.hpp). The bounded working of every equation that
// splits, however long: its values those of the exact working, rounded alike, where that applies;
// and a, b and c scaled alike by 10^±1000000000 (or by 1000, chosen by the accuracy text's second
// unit) move only exponents. Every method's roots are the formula's.

#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "engine/working/exact/written_expansion.hpp"
#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "tests/support/working_checks.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

void CheckNoFaults(const std::vector<std::string>& faults) {
    for (const std::string& fault : faults) {
        std::fprintf(stderr, "broken: %s\n", fault.c_str());
    }
    FUZZ_CHECK(faults.empty());
}

void CheckRoots(const ExactQuadratic& quadratic, unsigned places) {
    if (quadratic.a == 0) {
        return;
    }
    const ExactRoots roots = SolveExactly(quadratic);
    CheckNoFaults(ExactRootFaults(quadratic, roots));
    CheckNoFaults(RoundedRootFaults(roots, RoundedRootLines(roots, places), places));
}

// Brackets and fractions: the text to type for Calculate reads back to the quadratic they
// multiply out to, whose roots solve it.
void CheckWritten(std::u16string_view text, const StudentEquation& student, const Working* working,
                  unsigned places) {
    const auto expanded = ExpandWritten(student.written);
    const auto* e = std::get_if<ExpandedEquation>(&expanded);
    FUZZ_CHECK((e != nullptr) == (working != nullptr));
    if (e == nullptr) {
        return;
    }
    for (const WorkingLine& line : *working) {
        if (line.step == WorkingStep::CalculateCannotRead ||
            line.step == WorkingStep::CalculateReadsOtherwise) {
            const StudentReadOutcome typed = ReadStudentEquation(line.typed);
            FUZZ_CHECK(std::holds_alternative<StudentEquation>(typed));
            const auto exact = ExactStudentQuadratic(std::get<StudentEquation>(typed));
            const auto* q = std::get_if<ExactQuadratic>(&exact);
            FUZZ_CHECK(q != nullptr && q->a == e->standard.a && q->b == e->standard.b &&
                       q->c == e->standard.c);
        }
        if (line.step == WorkingStep::FractionTimesFactor) {
            FUZZ_CHECK(text.find(line.typed) != text.npos);
        }
    }
    CheckRoots(e->standard, places);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> texts = InputTexts(data, size, 2);
    const std::u16string& equation = texts[0];
    const unsigned places = texts[1].empty() ? 2 : texts[1][0] % 4;
    const Context context{{"equation", equation}, {"places", texts[1]}};

    const WorkingOutcome outcome = WorkOut(equation, places);
    CheckKind(outcome);
    const auto* working = std::get_if<Working>(&outcome);
    if (working != nullptr) {
        CheckNoFaults(FormulaFaults(*working));
    }
    // The working reads the text as the students' reader does: it refuses what that refuses,
    // for the same reason at the same place.
    const StudentReadOutcome read = ReadStudentEquation(equation);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        const auto* unreadable = std::get_if<UnreadableText>(&outcome);
        FUZZ_CHECK(unreadable != nullptr && unreadable->refusal == *refusal);
        return 0;
    }
    FUZZ_CHECK(!std::holds_alternative<UnreadableText>(outcome));
    // Every method finds the formula's roots, and the working goes on alike after them.
    CheckNoFaults(MethodFaults(equation, places));
    // Every school, one a run: each writes the formula's roots in its own notation.
    CheckNoFaults(SchoolFaults(equation, places, std::hash<std::u16string_view>{}(equation)));
    // A text it gives to type for Calculate reads, in Calculate's split, to the doubles nearest
    // the equation's coefficients.
    const StudentEquation& student = std::get<StudentEquation>(read);
    if (!student.written.plain) {
        CheckWritten(equation, student, working, places);
        return 0;
    }
    for (const WorkingLine& line : working != nullptr ? *working : Working{}) {
        if (!line.typed.empty()) {
            const std::optional<DoubleCoefficients> nearest =
                CompareWithCalculate(equation, student).nearest;
            FUZZ_CHECK(nearest.has_value() && CalculateReading(line.typed) == nearest);
        }
    }

    const std::int64_t powers[] = {1'000'000'000, -1'000'000'000, 3};
    const std::int64_t power = powers[texts[1].size() > 1 ? texts[1][1] % 3 : 0];
    CheckNoFaults(BoundedFaults(equation, places));
    CheckNoFaults(ScaledFaults(equation, places, power));

    const auto exact = ExactStudentQuadratic(student);
    if (const auto* quadratic = std::get_if<ExactQuadratic>(&exact)) {
        CheckRoots(*quadratic, places);
    }
    return 0;
}
