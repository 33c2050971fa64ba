// veltrix --working EQUATION: the Working window's lines on standard output, without a display;
// veltrix --worksheet FILE: those of many equations, as plain text or a PDF document.
#pragma once

#include "app/startup.hpp"

namespace veltrix {

// Prints the working that `commandLine` asks for (its equation, from standard input for "-", at
// its accuracy, as plain text or LaTeX) in the session's language and with its locale's decimal
// separator, and returns the exit status: 0, with the hint on what to type for Calculate on
// standard error, or 1 with the reason on standard error when the equation is not a quadratic
// Veltrix can read.
int PrintWorking(int& argc, char* argv[], const CommandLine& commandLine);

// Works out every equation of the worksheet `commandLine` names, each at its accuracy, and prints
// them as numbered exercises, as plain text or a whole LaTeX document, or writes them to its PDF
// file, their workings where its answers ask. A line that cannot be worked out is named on
// standard error with its number and why; the exit status is 1 when there is one, or when the
// file cannot be read or the PDF written, and 0 otherwise. The PDF is drawn without a display, on
// Qt's offscreen platform.
int PrintWorksheet(int& argc, char* argv[], const CommandLine& commandLine);

} // namespace veltrix
