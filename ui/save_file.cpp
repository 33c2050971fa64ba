#include "ui/save_file.hpp"

#include <QSaveFile>

namespace veltrix::ui {

std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const bool written = write(file);
    if (file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!written) {
        file.cancelWriting();
        return QStringLiteral("its content could not be made");
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace veltrix::ui
