#include "ui/shared/file_dialogs.hpp"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QStandardPaths>

namespace veltrix::ui {

namespace {

// "PNG image (*.png)" → "png".
QString SuffixOf(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.(\w+)\))"));
    return pattern.match(filter).captured(1);
}

QString StartFolder(const QString& lastFolder) {
    if (!lastFolder.isEmpty()) {
        return lastFolder;
    }
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

} // namespace

std::optional<SaveTarget> QtFileDialogs::AskSaveName(QWidget& parent, const QString& fileName,
                                                     const QStringList& filters) {
    QFileDialog dialog(&parent, QCoreApplication::translate("FileDialogs", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDirectory(StartFolder(lastFolder_));
    dialog.selectFile(fileName);
    // A name typed without an extension gets the one of the type chosen, before the dialog checks
    // whether that file exists already.
    dialog.setDefaultSuffix(SuffixOf(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(SuffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    SaveTarget target{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
    lastFolder_ = QFileInfo(target.path).absolutePath();
    return target;
}

bool QtFileDialogs::AskPrinter(QWidget& parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, &parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace veltrix::ui
