// Writing an SVG page. The writer is a module of its own, loaded when the first SVG file is
// saved: the Qt SVG library it needs would otherwise be loaded and bound at every start of the
// program, before its first window shows, for a command most sessions never use.
#pragma once

#include "ui/shared/picture_export.hpp"

class QIODevice;

namespace veltrix::ui {

// The file gives the page's size in whole dots: at 2540 dots per inch a dot is a hundredth of a
// millimetre, and a centimetre 1000 dots. Its drawing is in centimetres.
inline constexpr int kSvgDotsPerInch = 2540;
inline constexpr double kSvgDotsPerCentimetre = 1000.0;

// The module's one function, by the name below: writes the page as SVG at its size, so that a
// centimetre of the drawing is a centimetre wherever the file is shown or printed at its own
// size, and says whether it could.
using WriteSvgPage = bool (*)(QIODevice& device, const SvgPage& page);
inline constexpr char kWriteSvgPageName[] = "VeltrixWriteSvgPage";

} // namespace veltrix::ui
