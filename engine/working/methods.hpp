// The methods the working finds the roots by, and their names on the command line and in the
// settings. Apart from the working itself, so that the command line reads them without it.
#pragma once

#include <optional>
#include <string_view>

namespace veltrix {

// The ways of finding the roots that a class may use; each has its own lines, and the rest of the
// working (turning point, forms, sketch) follows all of them alike.
enum class WorkingMethod {
    Formula, // x = (−b ± √(b² − 4ac))/(2a)
    Square,  // completing the square
    Factor,  // factoring, where the roots are rational
    Pq,      // x² + px + q = 0: x = −p/2 ± √((p/2)² − q)
    HalfB,   // b even: x = (−k ± √(D/4))/a, k = b/2
    AtOnce   // the roots read off a product = 0 or a square = k as the exercise gives it
};

// Each method with its name on the command line and in the settings, in the order the Working
// window offers them.
struct NamedMethod {
    WorkingMethod method;
    std::string_view id;
};
inline constexpr NamedMethod kNamedMethods[] = {
    {WorkingMethod::Formula, "formula"}, {WorkingMethod::Square, "square"},
    {WorkingMethod::Factor, "factor"},   {WorkingMethod::Pq, "pq"},
    {WorkingMethod::HalfB, "half-b"},    {WorkingMethod::AtOnce, "at-once"}};

constexpr std::string_view MethodId(WorkingMethod method) {
    for (const NamedMethod& named : kNamedMethods) {
        if (named.method == method) {
            return named.id;
        }
    }
    return "formula";
}

// The method of a name, if it is one.
constexpr std::optional<WorkingMethod> MethodNamed(std::string_view id) {
    for (const NamedMethod& named : kNamedMethods) {
        if (named.id == id) {
            return named.method;
        }
    }
    return std::nullopt;
}

} // namespace veltrix
