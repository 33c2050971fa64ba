// The sketch's texts and where they go: the ticks' round numbers, and each label set beside its
// mark where it meets no other label and no mark.
#pragma once

#include "engine/sketch/sketch.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace veltrix::sketch {

// multiple·10^power as a tick's number: "0.25", "-400", and where that would be long, as
// NumberToText writes exponents: "2.5E+401", "-1E-07".
bool IsLongNumber(std::int64_t multiple, std::int64_t power);
std::u16string TickNumber(std::int64_t multiple, std::int64_t power, bool exponentForm,
                          char16_t separator);

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

// What lies on the picture so far. Texts keep out of the boxes; they may cross lines, but a place
// that crosses fewer is better.
struct Occupied {
    std::vector<PictureBox> boxes;
    std::vector<Segment> lines;
};

// A free place for a text of `size` beside the mark, inside the picture, on the side the kind of
// point prefers where it is free; nothing where every place is taken.
std::optional<PictureBox> PlaceLabel(PicturePoint mark, TextExtent size, SketchPointKind kind,
                                     const Occupied& occupied);

} // namespace veltrix::sketch
