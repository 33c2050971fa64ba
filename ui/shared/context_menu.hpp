// Context menus: a window's own menu of commands, and the keys that open a context menu from the
// keyboard.
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QWidget;

namespace veltrix::ui {

// Lets the Menu key and Shift+F10 open the context menu of the control with the keyboard focus,
// or of the active window when no control has it, as a right click there would. Call once, after
// the QApplication exists.
void InstallContextMenuKeys();

// Adds a command to the window's context menu, which opens on a right click wherever a control
// does not open its own menu. Its shortcut works while the window is active. The text may mark a
// letter for the keyboard with '&'; screen readers read the text without it.
QAction& AddMenuCommand(QWidget& window, const char* name, const QString& text,
                        const QKeySequence& shortcut);

} // namespace veltrix::ui
