#include "ui/shared/accessibility.hpp"

#include <QAccessibleWidget>
#include <QWidget>

namespace veltrix::ui {

namespace {

QAccessibleInterface* ProgramWindow(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow() ||
        !QByteArray(widget->metaObject()->className()).startsWith("veltrix::ui::") ||
        widget->metaObject()->superClass() != &QWidget::staticMetaObject) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

QString Spoken(const QString& text) {
    constexpr qsizetype kLongest = 80;
    if (text.size() <= kLongest) {
        return text;
    }
    return text.left(kLongest) + QStringLiteral("…");
}

void InstallAccessibleWindows() {
    QAccessible::installFactory(ProgramWindow);
}

} // namespace veltrix::ui
