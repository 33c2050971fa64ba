// Where the Working window goes and how large it is: beside the window the equation is typed in,
// as large as its working wants and no larger than the room there, so that it covers neither the
// equation box nor the buttons while the screen has room for both windows.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

namespace veltrix::ui {

// How large the view of the working would like to be, in pixels. The placement asks; the view
// then lays its contents out in the room it gets, wrapping what does not fit.
class PreferredSize {
  public:
    virtual ~PreferredSize() = default;
    // The width that shows every line whole, unwrapped.
    virtual int UnwrappedWidth() const = 0;
    // The height that shows everything at `width`, lines wrapped to it.
    virtual int HeightForWidth(int width) const = 0;
};

enum class Side { Right, Left, Below };

// What the window is placed among, in the screen's coordinates.
struct Surroundings {
    QRect neighbour; // the window the equation is typed in, with its frame
    QRect available; // the screen's area for windows
    QMargins frame;  // the Working window's own frame
    // The program reads from the right: next to the neighbour is then first to its left.
    bool rightToLeft = false;
};

// The client sizes the window keeps to, in pixels: it is never smaller than `start` where the
// room allows, and a side has room for it when it holds `least`.
struct WorkingSizes {
    QSize start;
    QSize least;
};

// The side the window opens on: the first one in reading order that holds its lines whole, else
// the wider side where lines wrap, else below; with room nowhere, the first side, over the
// neighbour.
Side ChooseSide(const Surroundings& around, const PreferredSize& view, const WorkingSizes& sizes);

// Whether `side` still has the least room, as when the neighbour has moved.
bool HasRoom(Side side, const Surroundings& around, const WorkingSizes& sizes);

// The client area on `side`: the view's preferred size within the room there, its top level with
// the neighbour's and moved up where the screen ends below it.
QRect ClientAreaOn(Side side, const Surroundings& around, const PreferredSize& view,
                   const WorkingSizes& sizes);

} // namespace veltrix::ui
