#include "ui/shared/svg_writer.hpp"

#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <type_traits>

extern "C" Q_DECL_EXPORT bool VeltrixWriteSvgPage(QIODevice& device,
                                                  const veltrix::ui::SvgPage& page) {
    const QSize dots(
        static_cast<int>(std::round(page.size.width() * veltrix::ui::kSvgDotsPerCentimetre)),
        static_cast<int>(std::round(page.size.height() * veltrix::ui::kSvgDotsPerCentimetre)));

    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(veltrix::ui::kSvgDotsPerInch);
    svg.setSize(dots);
    svg.setViewBox(QRectF(QPointF(0, 0), page.size));
    svg.setTitle(page.title);
    svg.setDescription(page.description);

    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    page.paint(painter);
    return painter.end();
}

// The module's function has the type the program calls it by.
static_assert(std::is_same_v<decltype(&VeltrixWriteSvgPage), veltrix::ui::WriteSvgPage>);
