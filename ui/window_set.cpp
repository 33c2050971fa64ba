#include "ui/window_set.hpp"

namespace veltrix::ui {

WindowSet::~WindowSet() {
    // Windows still open, hidden, or closed but not yet deleted by the event loop.
    for (const QPointer<QWidget>& window : windows_) {
        delete window.data();
    }
}

bool WindowSet::IsAlive(const QPointer<QWidget>& window) {
    // Closing clears WA_DeleteOnClose and schedules the deletion; from that moment the window is
    // gone for the program, even before the event loop deletes it.
    return window && window->testAttribute(Qt::WA_DeleteOnClose);
}

QWidget* WindowSet::FindByName(const QString& name) const {
    for (const QPointer<QWidget>& window : windows_) {
        if (IsAlive(window) && window->objectName() == name) {
            return window.data();
        }
    }
    return nullptr;
}

QStringList WindowSet::ExistingNames() const {
    QStringList names;
    for (const QPointer<QWidget>& window : windows_) {
        if (IsAlive(window)) {
            names << window->objectName();
        }
    }
    return names;
}

void WindowSet::CloseAll() {
    // Copied first: closing a window may run code that looks windows up.
    const std::vector<QPointer<QWidget>> open = windows_;
    for (const QPointer<QWidget>& window : open) {
        if (IsAlive(window)) {
            window->close();
        }
    }
}

void WindowSet::Adopt(QWidget& window, const char* name, const TwipsRect& clientArea) {
    std::erase_if(windows_, [](const QPointer<QWidget>& known) { return !known; });
    window.setObjectName(QString::fromLatin1(name));
    window.setAttribute(Qt::WA_DeleteOnClose);
    PlaceClientArea(window, clientArea);
    windows_.emplace_back(&window);
}

void WindowSet::MakeVisible(QWidget& window) {
    if (window.isHidden()) {
        window.show();
    }
}

void WindowSet::ShowInFront(QWidget& window) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace veltrix::ui
