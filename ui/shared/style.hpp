// The program's widget style: the desktop's own, with one start-up cost removed and push button
// captions kept clear of their frames.
//
// A menu bar builds a hidden extension button whose arrow icon it shows only when the menu titles
// do not fit; Qt looks that icon up, loading the icon theme and every image format plugin, as the
// menu bar is created. Here the icon is looked up the first time it is drawn instead, which for
// this program's short menu bar is never.
//
// A push button's caption is centred on its line box, as the style draws it, unless its ink
// would then meet the frame, or the pixel inside it: then on the ink itself.
//
// A style may keep a drawn button face for reuse, found by the button's state, size and palette;
// but each widget resolves a palette of its own from its parent's, so that buttons of the same
// colours never find each other's face. Here a button face is drawn with the first palette of the
// same colours seen, and buttons alike draw their face once.
#pragma once

#include <QPalette>
#include <QProxyStyle>
#include <vector>

namespace veltrix::ui {

class VeltrixStyle final : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

  private:
    const QPalette& SameColoursSeen(const QPalette& palette) const;

    mutable std::vector<QPalette> buttonPalettes_;
};

} // namespace veltrix::ui
