// The working's first lines: the equation as the text gives it, and the steps a student writes
// to bring it to ax² + bx + c = 0 (multiplying both sides by the common denominator, expanding
// the brackets, bringing every term to one side), each an equation equivalent to the one before.
#pragma once

#include "engine/working/exact/written_expansion.hpp"
#include "engine/working/working.hpp"

#include <optional>
#include <vector>

namespace veltrix::steps {

struct WrittenWorking {
    std::vector<WorkingLine> before; // the lines before the Equation line
    // The Equation line's equation where the text gives an equation: x² − 2x − 3 = 0. Where it
    // gives a function, the line keeps y = …, and `zeros` follows it.
    std::optional<Formula> equation;
    std::optional<WorkingLine> zeros;
};

// The most nodes a written equation may have for its steps to be shown, a worksheet's worth:
// a longer one gets its Equation line only, so that a text pasted by the megabyte stays fast.
inline constexpr std::size_t kMaxShownNodes = kMaxWrittenNodes;

// The lines for the written equation, multiplied out to `expanded` (nothing where it has more
// than kMaxShownNodes nodes), whose standard form is `q`.
WrittenWorking WrittenLines(const WrittenEquation& written, const ExpandedEquation* expanded,
                            const ExactQuadratic& q, char16_t sep);

} // namespace veltrix::steps
