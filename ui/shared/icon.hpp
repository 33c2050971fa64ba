// The program's icon: a black X with a small superscript 2, drawn in icons/veltrix.svg and
// rendered to PNGs of several sizes when the program is built.
#pragma once

#include <QIcon>

namespace veltrix::ui {

QIcon VeltrixIcon();

} // namespace veltrix::ui
