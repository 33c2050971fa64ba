// The sketch as a TikZ picture for a teacher's worksheet: plain TikZ, in centimetres of the
// picture, with its texts set in math mode as the working's LaTeX sets numbers.
#pragma once

#include "engine/sketch/sketch.hpp"

#include <string>
#include <string_view>

namespace veltrix {

// A unit of the plan on the page, and the font the picture's texts are set in: 9 points, whose
// lines of 11 points are about a unit apart.
inline constexpr double kTikzCentimetresPerUnit = 0.4;
inline constexpr char16_t kTikzFont[] = u"\\fontsize{9}{11}\\selectfont";

// A text as the picture sets it, in math mode: "0.66" as $0.66$, "-0,46" as $-0{,}46$ where the
// comma is the decimal separator, "2E+401" as $2\times 10^{401}$; LaTeX's special characters
// escaped, so that any text compiles.
std::u16string LatexText(std::u16string_view text, char16_t separator);

// The size of a text as LatexText sets it in kTikzFont, in the plan's unit: estimated from
// Computer Modern's widths, and never smaller than the text. The measure to plan a picture with.
TextExtent LatexTextExtent(std::u16string_view text, char16_t separator);

// The picture from \begin{tikzpicture} to \end{tikzpicture}, after a comment that says what it
// needs.
std::u16string TikzPicture(const SketchPlan& plan);

} // namespace veltrix
