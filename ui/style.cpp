#include "ui/style.hpp"

#include <QIconEngine>
#include <QPainter>

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

} // namespace

QIcon VeltrixStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton && !option) {
        return QIcon(new DeferredStandardIcon(*baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

} // namespace veltrix::ui
