#include "engine/working/working_module.hpp"

#include <type_traits>

#if defined(_WIN32)
#define VELTRIX_MODULE_ENTRY __declspec(dllexport)
#else
#define VELTRIX_MODULE_ENTRY __attribute__((visibility("default")))
#endif

extern "C" VELTRIX_MODULE_ENTRY void VeltrixWorkOutWithSketch(std::u16string_view equation,
                                                              unsigned places, char16_t separator,
                                                              const veltrix::WorkingChoice& choice,
                                                              veltrix::SketchedWorking& worked) {
    worked = veltrix::WorkOutWithSketch(equation, places, separator, choice);
}

// The module's function has the type the program calls it by.
static_assert(
    std::is_same_v<decltype(&VeltrixWorkOutWithSketch), veltrix::WorkOutWithSketchFunction>);
