// Lets assistive tools present the program's own top-level windows as windows. Qt describes a
// window built on a plain QWidget as a featureless "filler"; a screen reader then announces the
// Solution window's labels without saying which window they are in.
#pragma once

#include <QString>

namespace veltrix::ui {

// A text as a screen reader should say it in a description: a very long one (anything can be
// pasted into the equation box, and a root may have hundreds of digits) is cut short, so that the
// description stays readable and small.
QString Spoken(const QString& text);

// Call once, after the QApplication exists.
void InstallAccessibleWindows();

} // namespace veltrix::ui
