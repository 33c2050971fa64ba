// SolveQuadratic on an equation and an accuracy text: every outcome as a plain step-by-step
// evaluation gives it, and every root shown within the 16-bit limit of its accuracy.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "fuzz/reference.hpp"

#include <cstddef>
#include <cstdint>

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> texts = InputTexts(data, size, 2);
    const std::u16string& equation = texts[0];
    const std::u16string& accuracy = texts[1];
    const Context context{{"equation", equation}, {"accuracy", accuracy}};

    const SolveOutcome outcome = SolveQuadratic(equation, accuracy);
    CheckKind(outcome);
    const SolveOutcome expected = ReferenceSolve(equation, accuracy);
    if (const auto* roots = std::get_if<Roots>(&expected)) {
        Context::Add("expected plus", roots->plus);
        Context::Add("expected minus", roots->minus);
    }
    FUZZ_CHECK(outcome.index() == expected.index());
    if (const auto* roots = std::get_if<Roots>(&outcome)) {
        const double powerOfTen = PowerOfTenUsed(accuracy);
        CheckRoundedText(roots->plus, powerOfTen);
        CheckRoundedText(roots->minus, powerOfTen);
        FUZZ_CHECK(*roots == std::get<Roots>(expected));
    }
    return 0;
}
