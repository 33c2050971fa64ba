// The icon's pixels, generated at build time from icons/veltrix.svg: one square image per size,
// premultiplied ARGB, row by row.
#pragma once

namespace veltrix::ui {

struct IconPixels {
    int size;
    const unsigned int* pixels;
};

extern const IconPixels kIconPixels[];
extern const int kIconPixelsCount;

} // namespace veltrix::ui
