#include "ui/shared/geometry.hpp"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <optional>

namespace veltrix::ui {

double LayoutScaleFor(int lineHeight) {
    return std::max(1.0, static_cast<double>(lineHeight) / kLayoutLineHeight);
}

double LayoutScale() {
    // Asked for every control placed: measured once for each font.
    static std::optional<QFont> measured;
    static double scale = 1;
    const QFont font = QApplication::font();
    if (font != measured) {
        measured = font;
        scale = LayoutScaleFor(QFontMetrics(font).lineSpacing());
    }
    return scale;
}

namespace {

// The nearest whole pixel; no twips value lies exactly halfway between two pixels at scale 1.
int ScaledToPixels(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

} // namespace

int TwipsToPixels(int twips) {
    return ScaledToPixels(twips, LayoutScale());
}

QRect ToPixels(const TwipsRect& twips) {
    const double scale = LayoutScale();
    return {ScaledToPixels(twips.left, scale), ScaledToPixels(twips.top, scale),
            ScaledToPixels(twips.width, scale), ScaledToPixels(twips.height, scale)};
}

void SizeClientArea(QWidget& client, const TwipsRect& twips) {
    client.resize(ToPixels(twips).size());
}

void PlaceControl(QWidget& control, const TwipsRect& twips) {
    QRect box = ToPixels(twips);
    const QWidget* client = control.parentWidget();
    if (client != nullptr && client->isRightToLeft()) {
        box.moveLeft(client->width() - box.left() - box.width());
    }
    control.setGeometry(box);
}

QRect FitOnScreen(QRect client, QMargins frame, QRect available) {
    const QRect framed = client.marginsAdded(frame);
    QPoint shift;
    if (framed.right() > available.right()) {
        shift.rx() = available.right() - framed.right();
    }
    if (framed.bottom() > available.bottom()) {
        shift.ry() = available.bottom() - framed.bottom();
    }
    // Left and top win over right and bottom: the title bar and close box must stay on screen.
    if (framed.left() + shift.x() < available.left()) {
        shift.rx() = available.left() - framed.left();
    }
    if (framed.top() + shift.y() < available.top()) {
        shift.ry() = available.top() - framed.top();
    }
    return client.translated(shift);
}

namespace {

int MenuBarHeight(const QWidget& window, int width) {
    const auto* mainWindow = qobject_cast<const QMainWindow*>(&window);
    const QWidget* menu = mainWindow ? mainWindow->menuWidget() : nullptr;
    if (!menu) {
        return 0;
    }
    const int height = menu->heightForWidth(width);
    return height > 0 ? height : menu->sizeHint().height();
}

QRect AvailableScreenArea(const QRect& wanted) {
    const QScreen* screen = QGuiApplication::screenAt(wanted.topLeft());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : wanted;
}

} // namespace

void PlaceClientArea(QWidget& window, const TwipsRect& twips) {
    QRect area = ToPixels(twips);
    const int menu = MenuBarHeight(window, area.width());
    area.adjust(0, -menu, 0, 0);
    // The frame is known only once a window manager has framed the window; before the first show
    // it counts as none.
    const QWindow* handle = window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    window.setGeometry(FitOnScreen(area, frame, AvailableScreenArea(area)));
}

} // namespace veltrix::ui
