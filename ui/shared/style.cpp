#include "ui/shared/style.hpp"

#include <QFontMetricsF>
#include <QIconEngine>
#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>
#include <cmath>

namespace veltrix::ui {

namespace {

// Stands in for one of the style's standard icons and looks it up at its first use.
class DeferredStandardIcon final : public QIconEngine {
  public:
    DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap which)
        : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

  private:
    const QIcon& Icon() {
        if (!loaded_) {
            icon_ = style_.standardIcon(which_);
            loaded_ = true;
        }
        return icon_;
    }

    const QStyle& style_;
    QStyle::StandardPixmap which_;
    QIcon icon_;
    bool loaded_ = false;
};

// The caption as drawn: "&&" shows "&", and a single "&" marks the next letter as the shortcut.
QString WithoutMnemonic(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
        }
        shown.append(caption[i]);
    }
    return shown;
}

// How far down to move a push button's caption so that its ink keeps a clear pixel inside the
// button's frame. Styles centre the font's line box, ascent over descent, which leaves a short
// button no room below a descender or above a tall letter; there the ink itself is centred.
int CaptionShift(const QStyleOptionButton& button, const QRect& frame) {
    const QRect room = frame.adjusted(2, 2, -2, -2); // inside the frame line, and one pixel more
    const QFontMetricsF metrics(button.fontMetrics);
    const QRectF ink = metrics.tightBoundingRect(WithoutMnemonic(button.text));
    const QRect& box = button.rect;
    const qreal lineBoxBaseline =
        box.top() + (box.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
    const qreal inkTop = std::round(lineBoxBaseline) + ink.top();
    const qreal inkBottom = std::round(lineBoxBaseline) + ink.bottom();
    if (inkTop >= room.top() && inkBottom <= room.bottom() + 1) {
        return 0;
    }
    return static_cast<int>(std::round((room.top() + room.bottom() + 1 - inkTop - inkBottom) / 2));
}

} // namespace

void VeltrixStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButtonLabel || !button || !button->icon.isNull()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionButton placed(*button);
    placed.rect.translate(0, CaptionShift(*button, widget ? widget->rect() : button->rect));
    QProxyStyle::drawControl(element, &placed, painter, widget);
}

void VeltrixStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != PE_PanelButtonCommand || !button) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOptionButton face(*button);
    face.palette = SameColoursSeen(button->palette);
    QProxyStyle::drawPrimitive(element, &face, painter, widget);
}

const QPalette& VeltrixStyle::SameColoursSeen(const QPalette& palette) const {
    for (const QPalette& seen : buttonPalettes_) {
        if (seen.currentColorGroup() == palette.currentColorGroup() && seen == palette) {
            return seen;
        }
    }
    // A few palettes are all a program's buttons have; the oldest one seen makes room.
    constexpr std::size_t kPalettesKept = 8;
    if (buttonPalettes_.size() == kPalettesKept) {
        buttonPalettes_.erase(buttonPalettes_.begin());
    }
    return buttonPalettes_.emplace_back(palette);
}

QIcon VeltrixStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton && !option) {
        return QIcon(new DeferredStandardIcon(*baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace veltrix::ui
