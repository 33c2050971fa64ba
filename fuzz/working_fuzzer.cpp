// The working of an equation at 0 to 3 places: never a crash, the students' reader's reading or
// refusal, a text to type for Calculate that Calculate reads to the equation's nearest doubles,
// and for every quadratic read exactly, roots that solve it exactly and are rounded from their
// exact values (tests/support/working_checks.hpp). The bounded working of every equation that
// splits, however long: its values those of the exact working, rounded alike, where that applies;
// and a, b and c scaled alike by 10^±1000000000 (or by 1000, chosen by the accuracy text's second
// unit) move only exponents.

#include "engine/working/calculate_form.hpp"
#include "engine/working/exact/student_sums.hpp"
#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "tests/support/working_checks.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdio>

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

void CheckNoFaults(const std::vector<std::string>& faults) {
    for (const std::string& fault : faults) {
        std::fprintf(stderr, "broken: %s\n", fault.c_str());
    }
    FUZZ_CHECK(faults.empty());
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
    // A text it gives to type for Calculate reads, in Calculate's split, to the doubles nearest
    // the equation's coefficients.
    const StudentEquation& student = std::get<StudentEquation>(read);
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
    const auto* quadratic = std::get_if<ExactQuadratic>(&exact);
    if (quadratic == nullptr || quadratic->a == 0) {
        return 0;
    }
    const ExactRoots roots = SolveExactly(*quadratic);
    CheckNoFaults(ExactRootFaults(*quadratic, roots));
    CheckNoFaults(RoundedRootFaults(roots, RoundedRootLines(roots, places), places));
    return 0;
}
