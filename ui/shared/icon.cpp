#include "ui/shared/icon.hpp"

#include "ui/shared/icon_pixels.hpp"

#include <QImage>
#include <QPixmap>

namespace veltrix::ui {

QIcon VeltrixIcon() {
    // Built from raw pixels: reading an image file would first load and scan every image format
    // plugin, a noticeable part of the program's start-up.
    QIcon icon;
    for (int i = 0; i < kIconPixelsCount; ++i) {
        const IconPixels& image = kIconPixels[i];
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(image.pixels), image.size,
                                      image.size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

} // namespace veltrix::ui
