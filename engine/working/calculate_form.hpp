// An equation read the students' way (student_reader.hpp) beside Calculate's own reading: the
// text to type for Calculate, and how Calculate reads the text the student typed, so that a
// window can say where the two differ.
#pragma once

#include "engine/reader/student_reader.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace veltrix {

struct DoubleCoefficients {
    double a, b, c;
    friend bool operator==(const DoubleCoefficients&, const DoubleCoefficients&) = default;
};

// How Calculate reads a text: its split (ParseQuadratic) and each coefficient's value
// (CoefficientValue); nothing where either fails.
std::optional<DoubleCoefficients> CalculateReading(std::u16string_view text,
                                                   char16_t separator = kPoint);

// The equation written back as "aX^2+bX+c", every coefficient once and with its sign ("X^2+0X-4",
// "-1X^2+4X-4"), which ReadStudentEquation reads to the same equation. A coefficient is its exact
// value, as a decimal with `separator` ("2.5", "0.3" for 0.1 + 0.2) or in E-notation where the
// decimal would take more than six zeros only to place its point ("1E-7", "1.5E20"); an a of 1
// is left out, as Calculate supplies it. A coefficient with a term too long for an exact value
// is written as its terms, each as the text wrote it, one after another ("1E-401X^2+1X^2+0X+0").
std::u16string WriteStudentEquation(const StudentEquation& equation, char16_t separator = kPoint);

struct CalculateFacts {
    // How Calculate reads the text the student typed; nothing where it cannot.
    std::optional<DoubleCoefficients> calculateReads;
    // The reading's coefficients, each its exact value rounded to the nearest double (by
    // TextToNumber); nothing where one lies beyond the double range, or sums terms of which one
    // is too long for an exact value.
    std::optional<DoubleCoefficients> nearest;
    // WriteStudentEquation's text, which Calculate reads to `nearest`; nothing where `nearest` is.
    std::optional<std::u16string> calculateForm;
    // Calculate reads the typed text to `nearest`, zeros of either sign alike.
    bool readsTheSame = false;
};
CalculateFacts CompareWithCalculate(std::u16string_view text, const StudentEquation& equation,
                                    char16_t separator = kPoint);

} // namespace veltrix
