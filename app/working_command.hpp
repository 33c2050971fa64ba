// veltrix --working EQUATION: the Working window's lines on standard output, without a display.
#pragma once

#include "app/startup.hpp"

namespace veltrix {

// Prints the working that `commandLine` asks for (its equation, from standard input for "-", at
// its accuracy, as plain text or LaTeX) in the session's language and with its locale's decimal
// separator, and returns the exit status: 0, with the hint on what to type for Calculate on
// standard error, or 1 with the reason on standard error when the equation is not a quadratic
// Veltrix can read.
int PrintWorking(int& argc, char* argv[], const CommandLine& commandLine);

} // namespace veltrix
