#include "ui/icon.hpp"

#include <QSize>

namespace veltrix::ui {

QIcon VeltrixIcon() {
    QIcon icon;
    // Giving each size keeps the images from being decoded until one is needed.
    for (const int size : {16, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/veltrix/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace veltrix::ui
