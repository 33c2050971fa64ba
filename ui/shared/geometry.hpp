// Window and control geometry in twips, the unit every window layout of the program is given in.
//
// 1440 twips make one logical inch, and a logical inch is 96 device-independent pixels times the
// layout scale, so at scale 1 one pixel is exactly 15 twips; Qt applies the screen's scale factor
// on top of that. Sizes and positions of windows are those of their client areas: the frame and
// title bar lie outside them.
//
// The layout scale follows the application's font, as the logical inch of "large fonts" desktops
// did: 1 at the font the layout was made for, a line of DejaVu Sans at 9 points (14 pixels), or
// any font whose lines are no taller; the line height over 14 pixels for a font that needs more
// room. So every window, control and gap grows with the user's font, and each text keeps the room
// the layout meant it to have.
#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace veltrix::ui {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kTwipsPerCentimetre = 567;
// 37.8 at scale 1: the Graph window draws in centimetres.
inline constexpr double kPixelsPerCentimetre =
    static_cast<double>(kTwipsPerCentimetre) / static_cast<double>(kTwipsPerPixel);

// The line height of the font the layout was made for, in pixels.
inline constexpr int kLayoutLineHeight = 14;

// The layout scale for a font whose lines are `lineHeight` pixels apart: never below 1.
double LayoutScaleFor(int lineHeight);
// The layout scale of the application's font as it is now. A window takes it when it is made and
// keeps it: a font changed later scales the windows made from then on.
double LayoutScale();

// A rectangle in twips: left and top from the parent's top-left corner (the screen's for a
// window), then width and height.
struct TwipsRect {
    int left, top, width, height;
};

// Nearest device-independent pixel at the layout scale.
int TwipsToPixels(int twips);
QRect ToPixels(const TwipsRect& twips);

// Gives a window's client area (or the widget that is its client area) the layout's size, before
// its controls are placed in it.
void SizeClientArea(QWidget& client, const TwipsRect& twips);

// Puts a control at its layout position inside its window's client area. A right-to-left window
// reads from the right: there the layout is mirrored inside the client area, a control at left x
// with width w going to client width - x - w. Qt mirrors layouts, but not controls placed by
// coordinates.
void PlaceControl(QWidget& control, const TwipsRect& twips);

// Moves `client` (a window's client area) as little as possible so that the client area with its
// frame lies on `available`. A window too large for it keeps its frame's top-left corner on the
// available area's top-left corner, so that the title bar stays reachable.
QRect FitOnScreen(QRect client, QMargins frame, QRect available);

// Gives a top-level window its client area at the layout position and size, moved onto the screen
// when the screen is too small for it. For a QMainWindow the client area is what lies below the
// menu bar, so the window grows upward by the menu bar's height.
void PlaceClientArea(QWidget& window, const TwipsRect& twips);

} // namespace veltrix::ui
