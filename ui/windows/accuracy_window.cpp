#include "ui/windows/accuracy_window.hpp"

#include "engine/core/engine.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/shared/controls.hpp"
#include "ui/shared/option_group.hpp"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

namespace veltrix::ui {

AccuracyWindow::AccuracyWindow(AppContext& app) : SetWindow(app.Windows()), app_(app) {
    setWindowTitle(tr("Accuracy"));
    UseWhiteBackground(*this, ButtonFace::White);
    SizeClientArea(*this, kClientArea);

    // The accuracy text lives in a text box that is never shown, to the right of the client area.
    accuracy_ = &AddTextBox(*this, "Text1", AppContext::DefaultAccuracy(), {1920, 480, 615, 975});
    accuracy_->setAccessibleName(tr("Accuracy"));
    accuracy_->hide();
    connect(accuracy_, &QLineEdit::textChanged, &app.Inputs(), &InputSignals::AccuracyChanged);
    app.SetAccuracyBox(accuracy_);

    QLabel& intro = AddLabel(*this, "Label1", tr("Give answer to"), {0, 0, 1695, 255});
    auto* group = new OptionGroup(this);
    const struct {
        const char* name;
        const char* digit;
        TwipsRect box;
    } options[] = {{"Option1", "0", {0, 360, 1095, 255}},
                   {"Option2", "1", {0, 600, 1215, 255}},
                   {"Option3", "2", {0, 840, 1335, 255}},
                   {"Option4", "3", {0, 1080, 1335, 255}}};
    QRadioButton* buttons[4] = {};
    for (int i = 0; i < 4; ++i) {
        const QString digit = QString::fromLatin1(options[i].digit);
        QRadioButton& option = AddOption(*this, options[i].name, digit, options[i].box);
        option.setAccessibleDescription(tr("decimal places"));
        // Selecting an option changes the accuracy at once, before OK.
        connect(&option, &QRadioButton::toggled, this, [this, digit](bool selected) {
            if (selected) {
                accuracy_->setText(digit);
            }
        });
        buttons[i] = &option;
    }
    buttons[2]->setChecked(true);
    for (QRadioButton* option : buttons) {
        group->Add(*option);
    }
    QLabel& outro = AddLabel(*this, "Label2", tr("decimal places."), {0, 1440, 1455, 255});
    // The OK button is white, as everything in this window is, so its caption is black too.
    QPushButton& ok = AddButton(*this, "Command1", tr("OK"), {0, 1800, 1215, 255});
    UseBlackText(ok);
    connect(&ok, &QPushButton::clicked, this, &AccuracyWindow::Confirm);

    StackTopFirst({accuracy_, &ok, &outro, buttons[3], buttons[2], buttons[1], buttons[0], &intro});
    SetTabOrder({buttons[3], buttons[2], buttons[1], buttons[0], &ok});
    buttons[2]->setFocus();
}

QString AccuracyWindow::AccuracyText() const {
    return accuracy_->text();
}

void AccuracyWindow::closeEvent(QCloseEvent* event) {
    SetWindow::closeEvent(event);
    if (event->isAccepted()) {
        app_.SetAccuracyBox(nullptr);
        emit app_.Inputs().AccuracyChanged();
    }
}

void AccuracyWindow::Confirm() {
    const std::optional<double> places = TextToNumber(AccuracyText().toStdU16String());
    if (!places || !std::isfinite(*places * 2)) {
        app_.Messages().Show(tr("You have entered an invalid value for the accuracy"));
        return;
    }
    hide();
}

QString CurrentAccuracy(AppContext& app) {
    return app.Windows().Get<AccuracyWindow>().AccuracyText();
}

} // namespace veltrix::ui
