// The sketch's texts and where they go: the ticks' round numbers, and each label set beside its
// mark where it meets no other label and no mark.
#pragma once

#include "engine/sketch/sketch.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrix::sketch {

// The minus sign U+2212 for each "-" of a text but an exponent's: "(0.1, −3.1)", "−1E-07", as
// the working's lines print their numbers.
std::u16string WithMinusSigns(std::u16string text);

// multiple·10^power as a tick's number, written as the working's lines write a number: plain up
// to fifteen digits ("0.25", "−400", "1000000"), with a power of ten beyond ("2.5E+401",
// "−1E-07"), which the picture sets raised.
std::u16string TickNumber(std::int64_t multiple, std::int64_t power, char16_t separator);

bool Overlap(const PictureBox& a, const PictureBox& b);
PictureBox Grown(const PictureBox& box, double by);
bool Inside(const PictureBox& box, double width, double height);
// Whether the segment passes through the box.
bool Crosses(PicturePoint from, PicturePoint to, const PictureBox& box);
// The box a mark covers, which no text may enter.
PictureBox MarkBox(PicturePoint mark);

struct Segment {
    PicturePoint from, to;
};

// What lies on the picture so far. Texts keep out of the boxes and clear of the lines.
struct Occupied {
    std::vector<PictureBox> boxes;
    std::vector<Segment> lines;
};

// Whether a text in `box` keeps `spacing` clear of every line: a text that a line touches is hard
// to read.
bool ClearOfLines(const PictureBox& box, const std::vector<Segment>& lines, double spacing);

// A free place for a text of `size` beside the mark, inside the picture, on the side the kind of
// point prefers where it is free, clear of every line and on the mark's side of both axes, which
// cross at `origin`; nothing where every place is taken.
std::optional<PictureBox> PlaceLabel(PicturePoint mark, TextExtent size, SketchPointKind kind,
                                     const Occupied& occupied, PicturePoint origin);

// A label rounded as the working's lines round it can read as a number it is not: a tick's, 0
// where the axes cross, or another point's ("1" beside the tick 1 for the root 1.41; "0" for both
// roots ±0.001; (−0.05, 100000) beside (0, 100000) for a turning point at y = 99999.9975). Each
// such coordinate is written with as many more significant digits as it needs to read as its own
// value.
void DistinguishLabels(SketchPlan& plan, const SketchInput& input);

} // namespace veltrix::sketch
