#include "ui/shared/manual.hpp"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace veltrix::ui {

bool DesktopUrlOpener::Open(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

// The program is in bin/ when installed and in app/ in its build tree; the manual is in
// share/veltrix/manual beside either.
QString ManualFolderBeside(const QString& programFolder) {
    return QDir::cleanPath(programFolder + QStringLiteral("/../share/veltrix/manual"));
}

QString ManualPage(const QString& folder, const QString& language) {
    const auto page = [&folder](const QString& name) {
        return QDir(folder).filePath(name + QStringLiteral("/index.html"));
    };
    if (!language.isEmpty() && QFileInfo::exists(page(language))) {
        return page(language);
    }
    return page(QStringLiteral("en"));
}

Manual::Manual() : folder_(ManualFolderBeside(QCoreApplication::applicationDirPath())) {}

bool Manual::Open() const {
    return opener_->Open(QUrl::fromLocalFile(Page()));
}

} // namespace veltrix::ui
