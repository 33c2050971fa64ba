// Lets assistive tools present the program's own top-level windows as windows. Qt describes a
// window built on a plain QWidget as a featureless "filler"; a screen reader then announces the
// Solution window's labels without saying which window they are in.
#pragma once

namespace veltrix::ui {

// Call once, after the QApplication exists.
void InstallAccessibleWindows();

} // namespace veltrix::ui
