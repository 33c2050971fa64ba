#include "ui/controls.hpp"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <limits>
#include <vector>

namespace veltrix::ui {

namespace {

template <class Control> Control& Place(Control* control, const char* name, const TwipsRect& box) {
    control->setObjectName(QString::fromLatin1(name));
    PlaceControl(*control, box);
    return *control;
}

// Qt's push buttons take Enter and Return only as default buttons, which no button of the
// program is. This one takes them, keypad Enter included, as the desktops' own buttons do. A key
// held down presses it once, as Space does.
class CommandButton final : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!IsEnter(*event)) {
            QPushButton::keyPressEvent(event);
            return;
        }
        event->accept();
        if (!event->isAutoRepeat()) {
            click();
        }
    }

  private:
    static bool IsEnter(const QKeyEvent& event) {
        const bool key = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
        const bool plain =
            event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
        return key && plain;
    }
};

} // namespace

void UseBlackText(QWidget& control) {
    QPalette palette = control.palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
        palette.setColor(role, Qt::black); // all colour groups: active, inactive, disabled
    }
    control.setPalette(palette);
}

void UseWhiteBackground(QWidget& window, ButtonFace buttons) {
    QPalette white = window.palette();
    white.setColor(QPalette::Window, Qt::white);
    if (buttons == ButtonFace::White) {
        white.setColor(QPalette::Button, Qt::white);
    }
    window.setPalette(white);
}

QLabel& AddLabel(QWidget& parent, const char* name, const QString& caption, const TwipsRect& box) {
    QLabel& label = Place(new QLabel(caption, &parent), name, box);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.setTextFormat(Qt::PlainText);
    UseBlackText(label);
    return label;
}

QLabel& AddOpaqueLabel(QWidget& parent, const char* name, const QString& caption,
                       const TwipsRect& box) {
    QLabel& label = AddLabel(parent, name, caption, box);
    label.setAutoFillBackground(true);
    return label;
}

void KeepLeftToRight(QWidget& control) {
    if (!control.isRightToLeft()) {
        return;
    }
    control.setLayoutDirection(Qt::LeftToRight);
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    } else if (auto* box = qobject_cast<QLineEdit*>(&control)) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

QFont FittedTo(QFont font, const QString& text, QSize room) {
    const auto fits = [&] {
        const QFontMetrics metrics(font);
        const QRect ink = metrics.tightBoundingRect(text); // from the start of the baseline
        // The ink may stand out before or after the advance; either end may meet the edge,
        // whichever way the text is aligned.
        const int advance = metrics.horizontalAdvance(text);
        const int width = std::max(advance, ink.right() + 1) - std::min(0, ink.left());
        return width <= room.width() && metrics.ascent() + ink.bottom() < room.height();
    };
    // Glyph advances are rounded to whole pixels, so the width does not shrink exactly in
    // proportion: narrow step by step.
    for (int stretch = 99; stretch >= 75 && !fits(); --stretch) {
        font.setStretch(stretch);
    }
    for (int points = font.pointSize() - 1; points >= 8 && !fits(); --points) {
        font.setPointSize(points);
    }
    return font;
}

void FitTextInto(QLabel& label, QSize room, const QString& trailing) {
    const QFontMetrics before(label.font());
    const QFont fitted = FittedTo(label.font(), label.text() + trailing, room);
    const QFontMetrics after(fitted);
    const int lowest =
        room.height() - 1 - after.ascent() - after.tightBoundingRect(label.text()).bottom();
    label.setFont(fitted);
    label.setContentsMargins(
        0, std::clamp(before.ascent() - after.ascent(), 0, std::max(lowest, 0)), 0, 0);
}

void MakeSelectable(QLabel& label) {
    label.setTextInteractionFlags(Qt::TextSelectableByMouse);
    label.setFocusPolicy(Qt::NoFocus); // selecting by mouse would give the label click focus
}

QLineEdit& AddTextBox(QWidget& parent, const char* name, const QString& text,
                      const TwipsRect& box) {
    QLineEdit& textBox = Place(new QLineEdit(&parent), name, box);
    textBox.setMaxLength(std::numeric_limits<int>::max());
    textBox.setText(text);
    return textBox;
}

QPushButton& AddButton(QWidget& parent, const char* name, const QString& caption,
                       const TwipsRect& box) {
    QPushButton& button = Place(new CommandButton(caption, &parent), name, box);
    button.setAutoDefault(false);
    button.setDefault(false);
    return button;
}

QRadioButton& AddOption(QWidget& parent, const char* name, const QString& caption,
                        const TwipsRect& box) {
    QRadioButton& option = Place(new QRadioButton(caption, &parent), name, box);
    UseBlackText(option);
    // Its indicator is drawn as on a light theme too: white inside, the selected one's mark black.
    QPalette palette = option.palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    option.setPalette(palette);
    return option;
}

void StackTopFirst(std::initializer_list<QWidget*> controls) {
    // raise() puts a control above all its siblings, so the bottom one goes first.
    const std::vector<QWidget*> topFirst(controls);
    for (auto it = topFirst.rbegin(); it != topFirst.rend(); ++it) {
        (*it)->raise();
    }
}

void SetTabOrder(std::initializer_list<QWidget*> controls) {
    const std::vector<QWidget*> order(controls);
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace veltrix::ui
