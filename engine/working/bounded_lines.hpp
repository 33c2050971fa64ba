// The working of coefficients too long for exact forms (bounded_quadratic.hpp): the steps it
// writes, every value shown to 15 significant digits or rounded at the accuracy.
#pragma once

#include "engine/working/bounded_quadratic.hpp"
#include "engine/working/working.hpp"

namespace veltrix::steps {

Working BoundedLines(const BoundedWorking& bounded, char16_t sep);

} // namespace veltrix::steps
