#include "ui/shared/app_context.hpp"

#include <QCoreApplication>
#include <QLineEdit>

namespace veltrix::ui {

QString AppContext::EquationText() const {
    return equationBox_ ? equationBox_->text() : QString();
}

QString AppContext::AccuracyText() const {
    return accuracyBox_ ? accuracyBox_->text() : DefaultAccuracy();
}

void AppContext::End() {
    // Closing the main window ends the program too, so End is re-entered from there.
    if (ending_) {
        return;
    }
    ending_ = true;
    windows_.CloseAll();
    QCoreApplication::quit();
    ending_ = false;
}

} // namespace veltrix::ui
