#include "ui/shared/window_set.hpp"

#include <algorithm>

namespace veltrix::ui {

WindowSet::~WindowSet() {
    // Windows still open, hidden, or closed but not yet deleted by the event loop.
    for (const Member& member : windows_) {
        delete member.window.data();
    }
}

QWidget* WindowSet::FindByName(const QString& name) const {
    for (const Member& member : windows_) {
        if (IsOpen(member) && member.window->objectName() == name) {
            return member.window.data();
        }
    }
    return nullptr;
}

QStringList WindowSet::ExistingNames() const {
    QStringList names;
    for (const Member& member : windows_) {
        if (IsOpen(member)) {
            names << member.window->objectName();
        }
    }
    return names;
}

void WindowSet::CloseAll() {
    // Copied first: closing a window may run code that looks windows up.
    const std::vector<Member> members = windows_;
    for (const Member& member : members) {
        if (IsOpen(member)) {
            member.window->close();
        }
    }
}

void WindowSet::Closed(QWidget& window) {
    const auto member =
        std::ranges::find_if(windows_, [&window](const Member& m) { return m.window == &window; });
    if (member == windows_.end() || !member->open) {
        return;
    }
    member->open = false;
    window.deleteLater();
}

void WindowSet::Adopt(QWidget& window, const char* name, const TwipsRect& clientArea) {
    std::erase_if(windows_, [](const Member& known) { return !known.window; });
    window.setObjectName(QString::fromLatin1(name));
    PlaceClientArea(window, clientArea);
    windows_.push_back({&window, true});
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
