// TextToNumber against a grammar of its own and the C library's strtod, and NumberToText on every
// value it reads.

#include "fuzz/fuzz_input.hpp"
#include "fuzz/invariants.hpp"
#include "fuzz/reference.hpp"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = InputTexts(data, size, 1)[0];
    const Context context{{"text", text}};

    const std::optional<double> value = TextToNumber(text);
    const std::optional<double> expected = ReferenceNumber(text);
    FUZZ_CHECK(value.has_value() == expected.has_value());
    if (value) {
        FUZZ_CHECK(std::isfinite(*value));
        FUZZ_CHECK(SameDouble(*value, *expected));
        CheckNumberText(*value, NumberToText(*value));
    }
    return 0;
}
