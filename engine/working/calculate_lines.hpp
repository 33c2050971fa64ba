// The working's line about Calculate's reading of the same text, where that differs from the
// working's: how Calculate reads it, and what to type for the working's equation.
#pragma once

#include "engine/reader/student_reader.hpp"
#include "engine/working/working.hpp"

#include <array>
#include <optional>
#include <string_view>

namespace veltrix::steps {

// How Calculate reads a text the working refuses, where it reads it at all.
std::optional<WorkingLine> CalculateReadingLine(std::u16string_view text, char16_t sep);

// How Calculate reads a text the working reads, where that differs; and what to type for it.
// `signs` are those of the working's coefficients.
std::optional<WorkingLine> CalculateLine(std::u16string_view text, const StudentEquation& equation,
                                         const std::array<int, 3>& signs, char16_t sep);

} // namespace veltrix::steps
