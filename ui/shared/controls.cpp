#include "ui/shared/controls.hpp"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
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

namespace {

// The font made smaller, a point at a time down to 8 points, until `fits` it.
template <class Fits> QFont SmallerUntil(QFont font, Fits fits) {
    for (int points = font.pointSize() - 1; points >= 8 && !fits(font); --points) {
        font.setPointSize(points);
    }
    return font;
}

// Whether `text`, wrapped at the room's width as a label wraps it, keeps its ink above the room's
// last row: the last line's baseline, lines a line spacing apart from the top, and its lowest ink.
bool WrappedInkFits(const QFont& font, const QString& text, QSize room) {
    QTextLayout layout(text, font);
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrapping);
    const qreal leading = QFontMetricsF(font).leading();
    qreal top = 0;
    QTextLine last;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room.width());
        line.setPosition(QPointF(0, top));
        top += line.height() + leading;
        last = line;
    }
    layout.endLayout();
    if (!last.isValid()) {
        return true;
    }
    const QString lastLine = text.mid(last.textStart(), last.textLength());
    const qreal inkEnd = std::round(last.y() + last.ascent()) +
                         QFontMetricsF(font).tightBoundingRect(lastLine).bottom();
    // A descender's antialiased ink may reach a row below its glyph's box: keep a row for it.
    return inkEnd + 1 < room.height() - 1;
}

} // namespace

QFont FittedTo(QFont font, const QString& text, QSize room) {
    const auto fits = [&](const QFont& candidate) {
        const QFontMetrics metrics(candidate);
        const QRect ink = metrics.tightBoundingRect(text); // from the start of the baseline
        // The ink may stand out before or after the advance; either end may meet the edge,
        // whichever way the text is aligned.
        const int advance = metrics.horizontalAdvance(text);
        const int width = std::max(advance, ink.right() + 1) - std::min(0, ink.left());
        // Off the last row too, where the ink would meet what lies below.
        return width <= room.width() && metrics.ascent() + ink.bottom() < room.height() - 1;
    };
    // Glyph advances are rounded to whole pixels, so the width does not shrink exactly in
    // proportion: narrow step by step.
    for (int stretch = 99; stretch >= 75 && !fits(font); --stretch) {
        font.setStretch(stretch);
    }
    return SmallerUntil(std::move(font), fits);
}

void FitWrappedText(QLabel& label) {
    const QString text = label.text();
    const QSize room = label.size();
    label.setFont(SmallerUntil(label.font(), [&](const QFont& candidate) {
        return WrappedInkFits(candidate, text, room);
    }));
}

void FitTextInto(QLabel& label, QSize room, const QString& trailing) {
    const QFontMetrics before(label.font());
    const QFont fitted = FittedTo(label.font(), label.text() + trailing, room);
    const QFontMetrics after(fitted);
    const int lowest =
        room.height() - 2 - after.ascent() - after.tightBoundingRect(label.text()).bottom();
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
