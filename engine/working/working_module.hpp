// The working as a module of its own, which the program loads when it first works out an equation:
// the exact arithmetic it needs (GMP, MPFR) would otherwise be loaded and bound at every start of
// the program, before its first window shows, whether or not the working is ever opened.
#pragma once

#include "engine/working/working.hpp"

#include <string_view>

namespace veltrix {

// The module's one function, by the name below: the working of `equation` at `places` decimal
// places by the method and in the notation of the school chosen, with its sketch, put into
// `worked`.
using WorkOutWithSketchFunction = void (*)(std::u16string_view equation, unsigned places,
                                           char16_t separator, const WorkingChoice& choice,
                                           SketchedWorking& worked);
inline constexpr char kWorkOutWithSketchName[] = "VeltrixWorkOutWithSketch";

} // namespace veltrix
