#include "ui/windows/graph_picture.hpp"

#include "engine/core/line_clip.hpp"

#include <QLineF>
#include <QPainter>
#include <cmath>
#include <optional>

namespace veltrix::ui {

namespace {

// Lines are cut a little beyond the picture, so that a line ending at its edge is drawn exactly
// as it would be uncut.
constexpr double kCutMargin = 2.0;

QSize DevicePixels(QSize logical, qreal scale) {
    return {static_cast<int>(std::ceil(logical.width() * scale)),
            static_cast<int>(std::ceil(logical.height() * scale))};
}

QSize WithRoomToGrow(QSize size) {
    constexpr int kStep = 128;
    return {(size.width() + kStep - 1) / kStep * kStep,
            (size.height() + kStep - 1) / kStep * kStep};
}

// The visible part of each line in device pixels; lines wholly outside the picture are dropped.
std::vector<QLineF> CutToPicture(std::span<const GraphLine> lines, QSize picture, double pixels) {
    const ClipRect area{-kCutMargin, -kCutMargin, picture.width() + kCutMargin,
                        picture.height() + kCutMargin};
    std::vector<QLineF> visible;
    visible.reserve(lines.size());
    for (const GraphLine& line : lines) {
        const std::optional<ClipSegment> cut =
            ClipToRect({line.from.x * pixels, line.from.y * pixels},
                       {line.to.x * pixels, line.to.y * pixels}, area);
        if (cut) {
            visible.emplace_back(cut->from.x, cut->from.y, cut->to.x, cut->to.y);
        }
    }
    return visible;
}

} // namespace

void GraphPicture::Cover(QSize size, qreal scale, std::span<const std::vector<GraphLine>> batches) {
    const QSize needed = DevicePixels(size, scale);
    if (scale == scale_ && image_.width() >= needed.width() && image_.height() >= needed.height()) {
        return;
    }
    const bool growing = scale == scale_ && !image_.isNull();
    const QSize pictureSize = growing ? WithRoomToGrow(needed).expandedTo(image_.size()) : needed;
    image_ = QImage(pictureSize, QImage::Format_RGB32);
    scale_ = scale;
    image_.fill(Qt::white);
    for (const std::vector<GraphLine>& batch : batches) {
        Draw(batch);
    }
}

void GraphPicture::Draw(std::span<const GraphLine> lines) {
    if (image_.isNull()) {
        return; // no memory for a picture this large: the window stays white
    }
    const std::vector<QLineF> visible =
        CutToPicture(lines, image_.size(), pixelsPerCentimetre_ * scale_);
    QPainter painter(&image_);
    painter.setPen(QPen(Qt::black, 0)); // width 0: one device pixel at any scale
    painter.drawLines(visible.data(), static_cast<int>(visible.size()));
}

void GraphPicture::Paint(QPainter& painter, const QRect& exposed) const {
    if (image_.isNull()) {
        painter.fillRect(exposed, Qt::white);
        return;
    }
    const QRectF source(exposed.x() * scale_, exposed.y() * scale_, exposed.width() * scale_,
                        exposed.height() * scale_);
    painter.drawImage(QRectF(exposed), image_, source);
}

} // namespace veltrix::ui
