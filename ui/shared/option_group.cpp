#include "ui/shared/option_group.hpp"

#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

namespace veltrix::ui {

void OptionGroup::Add(QRadioButton& button) {
    buttons_.push_back(&button);
    button.setAutoExclusive(true);
    button.installEventFilter(this);
    connect(&button, &QRadioButton::toggled, this, &OptionGroup::UpdateTabStop);
    UpdateTabStop();
}

QRadioButton* OptionGroup::Selected() const {
    const auto it = std::ranges::find_if(buttons_, [](QRadioButton* b) { return b->isChecked(); });
    return it == buttons_.end() ? nullptr : *it;
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    auto* button = static_cast<QRadioButton*>(watched);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Down:
    case Qt::Key_Right:
        SelectNeighbour(*button, +1);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Left:
        SelectNeighbour(*button, -1);
        return true;
    default:
        return false;
    }
}

void OptionGroup::SelectNeighbour(QRadioButton& from, int step) {
    const auto count = static_cast<std::ptrdiff_t>(buttons_.size());
    const std::ptrdiff_t index = std::ranges::find(buttons_, &from) - buttons_.begin();
    QRadioButton* next = buttons_[static_cast<std::size_t>((index + step + count) % count)];
    next->setFocus(Qt::OtherFocusReason);
    next->click();
}

void OptionGroup::UpdateTabStop() {
    // Only the selected button (or the first, while none is) is a Tab stop; the others still
    // take the focus when clicked.
    QRadioButton* stop = Selected();
    if (!stop && !buttons_.empty()) {
        stop = buttons_.front();
    }
    for (QRadioButton* button : buttons_) {
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

} // namespace veltrix::ui
