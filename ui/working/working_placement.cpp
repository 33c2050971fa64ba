#include "ui/working/working_placement.hpp"

#include "ui/shared/geometry.hpp"

#include <algorithm>
#include <array>

namespace veltrix::ui {

namespace {

QSize FrameSize(const QMargins& frame) {
    return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

// The largest client area a framed window may take on `side` without covering the neighbour.
QSize RoomOn(Side side, const Surroundings& around) {
    const QRect& neighbour = around.neighbour;
    const QRect& available = around.available;
    const QSize frame = FrameSize(around.frame);
    const QSize screen = available.size() - frame;
    switch (side) {
    case Side::Right:
        return {available.right() - neighbour.right() - frame.width(), screen.height()};
    case Side::Left:
        return {neighbour.left() - available.left() - frame.width(), screen.height()};
    case Side::Below:
        return {screen.width(), available.bottom() - neighbour.bottom() - frame.height()};
    }
    return {};
}

std::array<Side, 2> BesideInReadingOrder(const Surroundings& around) {
    return around.rightToLeft ? std::array{Side::Left, Side::Right}
                              : std::array{Side::Right, Side::Left};
}

} // namespace

bool HasRoom(Side side, const Surroundings& around, const WorkingSizes& sizes) {
    const QSize room = RoomOn(side, around);
    return room.width() >= sizes.least.width() &&
           (side != Side::Below || room.height() >= sizes.least.height());
}

Side ChooseSide(const Surroundings& around, const PreferredSize& view, const WorkingSizes& sizes) {
    const std::array<Side, 2> beside = BesideInReadingOrder(around);
    const int whole = std::max(sizes.start.width(), view.UnwrappedWidth());
    for (const Side side : beside) {
        if (RoomOn(side, around).width() >= whole) {
            return side;
        }
    }
    const Side wider = RoomOn(beside[1], around).width() > RoomOn(beside[0], around).width()
                           ? beside[1]
                           : beside[0];
    if (HasRoom(wider, around, sizes)) {
        return wider;
    }
    return HasRoom(Side::Below, around, sizes) ? Side::Below : beside[0];
}

QRect ClientAreaOn(Side side, const Surroundings& around, const PreferredSize& view,
                   const WorkingSizes& sizes) {
    const QMargins& frame = around.frame;
    const QSize screen = around.available.size() - FrameSize(frame);
    // Where even the least room is missing, the window takes the least and covers what it must.
    const QSize room = RoomOn(side, around).expandedTo(sizes.least).boundedTo(screen);
    const int width = std::min(room.width(), std::max(sizes.start.width(), view.UnwrappedWidth()));
    const int height =
        std::min(room.height(), std::max(sizes.start.height(), view.HeightForWidth(width)));

    const QRect& neighbour = around.neighbour;
    QRect client(0, neighbour.top() + frame.top(), width, height);
    switch (side) {
    case Side::Right:
        client.moveLeft(neighbour.right() + 1 + frame.left());
        break;
    case Side::Left:
        client.moveRight(neighbour.left() - 1 - frame.right());
        break;
    case Side::Below:
        client.moveTop(neighbour.bottom() + 1 + frame.top());
        if (around.rightToLeft) {
            client.moveRight(neighbour.right() - frame.right());
        } else {
            client.moveLeft(neighbour.left() + frame.left());
        }
        break;
    }
    return FitOnScreen(client, frame, around.available);
}

} // namespace veltrix::ui
