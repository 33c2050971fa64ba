#include "ui/windows/find_value_window.hpp"

#include "engine/core/engine.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/shared/controls.hpp"
#include "ui/windows/accuracy_window.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace veltrix::ui {

namespace {

QString EvaluationFailedMessage() {
    return FindValueWindow::tr("You have either entered an invalid quadratic, have specified an "
                               "invalid or overly large value for x, or have specified too higher "
                               "accuracy.");
}

} // namespace

FindValueWindow::FindValueWindow(AppContext& app) : SetWindow(app.Windows()), app_(app) {
    setWindowTitle(tr("Find a value"));
    UseWhiteBackground(*this);
    SizeClientArea(*this, kClientArea);

    QLabel& xName = AddOpaqueLabel(*this, "Label1", QStringLiteral("X="), {120, 120, 1095, 375});
    x_ = &AddTextBox(*this, "Text1", QString(), {360, 120, 855, 285});
    x_->setAccessibleName(QStringLiteral("x"));
    KeepLeftToRight(*x_);
    xName.setBuddy(x_);
    QPushButton& calculate = AddButton(*this, "Command1", tr("Calculate"), {1320, 120, 975, 255});
    QLabel& yName = AddOpaqueLabel(*this, "Label2", QStringLiteral("Y="), {120, 600, 2895, 375});
    y_ = &AddOpaqueLabel(*this, "Label3", QString(), {360, 600, 1935, 255});
    y_->setAccessibleDescription(tr("value of y"));
    MakeSelectable(*y_);
    for (QLabel* syntax : {&xName, &yName, y_}) {
        KeepLeftToRight(*syntax);
    }
    // "X=" and "Y=" have the room up to the boxes that lie over theirs; a wide font needs more.
    const QSize nameRoom = ToPixels({0, 0, 360 - 120, 255}).size();
    FitTextInto(xName, nameRoom);
    FitTextInto(yName, nameRoom);

    StackTopFirst({y_, &yName, &calculate, x_, &xName});
    SetTabOrder({x_, &calculate});
    x_->setFocus();
    connect(&calculate, &QPushButton::clicked, this, &FindValueWindow::Calculate);
}

void FindValueWindow::Calculate() {
    try {
        const QString accuracy = CurrentAccuracy(app_);
        const QString equation = app_.EquationText();
        const QString x = x_->text();
        const ValueOutcome outcome =
            ValueOfYAtX(equation.toStdU16String(), x.toStdU16String(), accuracy.toStdU16String(),
                        app_.DecimalSeparator());
        if (const auto* value = std::get_if<ValueFound>(&outcome)) {
            y_->setText(QString::fromStdU16String(value->text));
            return;
        }
        app_.Messages().Show(std::holds_alternative<InvalidQuadratic>(outcome)
                                 ? InvalidQuadraticMessage()
                                 : EvaluationFailedMessage());
    } catch (const std::exception&) {
        // Out of memory for a monstrous text: the command's general failure.
        app_.Messages().Show(EvaluationFailedMessage());
    }
}

} // namespace veltrix::ui
