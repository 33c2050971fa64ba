#include "ui/shared/message_boxes.hpp"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QIcon>
#include <QMessageBox>

namespace veltrix::ui {

QString ApplicationTitle() {
    return QStringLiteral("Veltrix v2.0");
}

QString InvalidQuadraticMessage() {
    return QCoreApplication::translate("Messages", "Invalid Quadratic");
}

QString EquationFailedMessage() {
    return QCoreApplication::translate(
        "Messages",
        "You have either entered an invalid quadratic, or have specified too higher accuracy.");
}

std::unique_ptr<QMessageBox> QtMessageBoxes::Build(const QString& prompt) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, ApplicationTitle(), prompt,
                                             QMessageBox::Ok);
    // Prompts are shown as written, never read as markup.
    box->setTextFormat(Qt::PlainText);
    // Some desktop themes put icons on dialog buttons, a tick on OK; these boxes have no icon.
    box->button(QMessageBox::Ok)->setIcon(QIcon());
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

void QtMessageBoxes::Show(const QString& prompt) {
    Build(prompt)->exec();
}

} // namespace veltrix::ui
