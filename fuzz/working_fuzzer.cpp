// The working of an equation at 0 to 3 places: never a crash, the same split as Calculate's, and
// for every quadratic read exactly, roots that solve it exactly and are rounded from their exact
// values (fuzz/working_checks.hpp). The bounded working of every equation that splits, however
// long: its values those of the exact working, rounded alike, where that applies; and a, b and c
// scaled alike by 10^±1000000000 (or by 1000, chosen by the accuracy text's second unit) move
// only exponents.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "fuzz/working_checks.hpp"

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
    if (const auto* working = std::get_if<Working>(&outcome)) {
        CheckNoFaults(FormulaFaults(*working));
    }
    // A text Calculate calls invalid is invalid here too, and the other way round.
    FUZZ_CHECK(std::holds_alternative<InvalidQuadratic>(outcome) ==
               std::holds_alternative<InvalidQuadratic>(SolveQuadratic(equation, u"2")));

    const std::int64_t powers[] = {1'000'000'000, -1'000'000'000, 3};
    const std::int64_t power = powers[texts[1].size() > 1 ? texts[1][1] % 3 : 0];
    CheckNoFaults(BoundedFaults(equation, places));
    CheckNoFaults(ScaledFaults(equation, places, power));

    const ExactReadOutcome read = ReadExactQuadratic(equation);
    const auto* quadratic = std::get_if<ExactQuadratic>(&read);
    if (quadratic == nullptr || quadratic->a == 0) {
        return 0;
    }
    const ExactRoots roots = SolveExactly(*quadratic);
    CheckNoFaults(ExactRootFaults(*quadratic, roots));
    CheckNoFaults(RoundedRootFaults(roots, RoundedRootLines(roots, places), places));
    return 0;
}
