// Builders for the controls of the program's windows. Each control gets the name its window's
// layout gives it (tests and assistive tools find it by that name) and a fixed position and size
// in twips inside the client area; windows use no layouts, so controls stay put when a window is
// resized.
#pragma once

#include "ui/shared/geometry.hpp"

#include <QFont>
#include <QSize>
#include <QString>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace veltrix::ui {

// Black text, in every colour group, for a control drawn on one of the windows' fixed light
// background colours: the desktop theme's own text colour is light on a dark theme, and would be
// unreadable there.
void UseBlackText(QWidget& control);

// A white background for the window; its push buttons keep the desktop theme's face unless made
// white too.
enum class ButtonFace { Theme, White };
void UseWhiteBackground(QWidget& window, ButtonFace buttons = ButtonFace::Theme);

// A label with its text at the top left, as captions sit; transparent unless made opaque. Every
// label lies on its window's fixed background colour, so its text is black.
QLabel& AddLabel(QWidget& parent, const char* name, const QString& caption, const TwipsRect& box);

// A label that fills its box with its window's background colour, hiding whatever lies under it.
QLabel& AddOpaqueLabel(QWidget& parent, const char* name, const QString& caption,
                       const TwipsRect& box);

// Equations and numbers read from the left in every language. In a right-to-left window such a
// control still keeps its text on the side the window reads from, its right.
void KeepLeftToRight(QWidget& control);

// The font narrowed, then made smaller down to 8 points, no further than needed for `text` to fit
// `room`, in pixels from the top-left corner where a label's text starts. Never cut: a fixed
// layout may give a language's word, or a wide font, less room than it needs.
QFont FittedTo(QFont font, const QString& text, QSize room);

// Gives the label the font FittedTo finds for its text followed by `trailing` (room kept after
// it). A font made smaller keeps its text on the label's first baseline as far as the room
// allows, rather than raised to the top.
void FitTextInto(QLabel& label, QSize room, const QString& trailing = {});

// Gives a label that wraps its text the font, made smaller down to 8 points, with which the ink of
// its last line stays off the label's last row, clear of what lies below.
void FitWrappedText(QLabel& label);

// Lets the user select the label's text with the mouse and copy it from the label's context menu.
// The label still takes no keyboard focus: Tab passes it by, and a click leaves the focus where it
// was.
void MakeSelectable(QLabel& label);

// A one-line text box without a length limit.
QLineEdit& AddTextBox(QWidget& parent, const char* name, const QString& text, const TwipsRect& box);

// A push button that is never a default button: Enter elsewhere in the window does not press it.
// Enter, Return and Space press it while it has the focus.
QPushButton& AddButton(QWidget& parent, const char* name, const QString& caption,
                       const TwipsRect& box);

// An option button; like a label, it lies on a fixed background colour and has black text, and
// its indicator is light, whatever the desktop's theme.
QRadioButton& AddOption(QWidget& parent, const char* name, const QString& caption,
                        const TwipsRect& box);

// Stacks sibling controls where they overlap: the first listed lies on top.
void StackTopFirst(std::initializer_list<QWidget*> controls);

// Sets the order in which Tab visits the controls, from the first stop.
void SetTabOrder(std::initializer_list<QWidget*> controls);

} // namespace veltrix::ui
