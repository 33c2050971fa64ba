// ParseQuadratic against the outcome table, with the markers counted here the simple way, and
// CoefficientValue on each coefficient of a split.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "fuzz/reference.hpp"

#include <cstddef>
#include <cstdint>

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string equation = InputTexts(data, size, 1)[0];
    const Context context{{"equation", equation}};

    const ParseOutcome outcome = ParseQuadratic(equation);
    CheckKind(outcome);
    const ReferenceSplit expected = ReferenceParse(equation);
    switch (expected.kind) {
    case SplitKind::Invalid:
        FUZZ_CHECK(std::holds_alternative<InvalidQuadratic>(outcome));
        break;
    case SplitKind::Malformed:
        FUZZ_CHECK(expected.second == expected.first + 2);
        FUZZ_CHECK(std::holds_alternative<MalformedTerm>(outcome));
        break;
    case SplitKind::Parsed: {
        const auto* coefficients = std::get_if<QuadraticCoefficients>(&outcome);
        FUZZ_CHECK(coefficients != nullptr);
        FUZZ_CHECK(*coefficients == expected.coefficients);
        CheckCoefficientValue(coefficients->a);
        CheckCoefficientValue(coefficients->b);
        CheckCoefficientValue(coefficients->c);
        break;
    }
    }
    return 0;
}
