// ValueOfYAtX on an equation, an x and an accuracy text: every outcome as a plain step-by-step
// evaluation gives it, and every value shown within the 16-bit limit of its accuracy.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "fuzz/reference.hpp"

#include <cstddef>
#include <cstdint>

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::u16string> texts = InputTexts(data, size, 3);
    const std::u16string& equation = texts[0];
    const std::u16string& x = texts[1];
    const std::u16string& accuracy = texts[2];
    const Context context{{"equation", equation}, {"x", x}, {"accuracy", accuracy}};

    const ValueOutcome outcome = ValueOfYAtX(equation, x, accuracy);
    CheckKind(outcome);
    const ValueOutcome expected = ReferenceValue(equation, x, accuracy);
    if (const auto* value = std::get_if<ValueFound>(&expected)) {
        Context::Add("expected", value->text);
    }
    FUZZ_CHECK(outcome.index() == expected.index());
    if (const auto* value = std::get_if<ValueFound>(&outcome)) {
        CheckRoundedText(value->text, PowerOfTenUsed(accuracy));
        FUZZ_CHECK(*value == std::get<ValueFound>(expected));
    }
    return 0;
}
