#include "ui/shared/context_menu.hpp"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace veltrix::ui {

namespace {

constexpr char kMenuName[] = "ContextMenu";

bool OpensContextMenu(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// Where a menu opened from the keyboard appears: at the text cursor of a text box, otherwise in
// the middle of the control or window.
QPoint KeyboardMenuPosition(QWidget& target) {
    const QRect cursor = target.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return cursor.isValid() ? cursor.center() : target.rect().center();
}

// Turns the keys into the context menu event a right click would send. On X11 Qt sends one for
// the Menu key itself; whichever comes second finds the menu already open and does nothing, as
// keys then go to the menu.
class ContextMenuKeys final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            QApplication::activePopupWidget() != nullptr ||
            !OpensContextMenu(*static_cast<QKeyEvent*>(event))) {
            return false;
        }
        auto& target = *static_cast<QWidget*>(watched);
        const QPoint position = KeyboardMenuPosition(target);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, position,
                                  target.mapToGlobal(position));
        QApplication::sendEvent(&target, &request);
        return true;
    }
};

QMenu& ContextMenuOf(QWidget& window) {
    if (auto* menu =
            window.findChild<QMenu*>(QLatin1String(kMenuName), Qt::FindDirectChildrenOnly)) {
        return *menu;
    }
    auto* menu = new QMenu(&window);
    menu->setObjectName(QLatin1String(kMenuName));
    window.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&window, &QWidget::customContextMenuRequested, menu,
                     [&window, menu](QPoint at) { menu->popup(window.mapToGlobal(at)); });
    return *menu;
}

} // namespace

void InstallContextMenuKeys() {
    qApp->installEventFilter(new ContextMenuKeys(qApp));
}

QAction& AddMenuCommand(QWidget& window, const char* name, const QString& text,
                        const QKeySequence& shortcut) {
    QAction* command = ContextMenuOf(window).addAction(text);
    command->setObjectName(QLatin1String(name));
    command->setShortcut(shortcut);
    command->setShortcutContext(Qt::WindowShortcut);
    // The menu's actions work only while it is open; the window's own work while it is active.
    window.addAction(command);
    return *command;
}

} // namespace veltrix::ui
