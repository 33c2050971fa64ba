#include "ui/save_file.hpp"

#include <QBuffer>
#include <QSaveFile>

namespace veltrix::ui {

std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write) {
    // The content is made in memory first: a writer that is handed a device may take a short
    // write for a whole one, and the file would then be committed cut short.
    QBuffer content;
    content.open(QIODevice::WriteOnly);
    if (!write(content)) {
        return QStringLiteral("its content could not be made");
    }
    const QByteArray& bytes = content.data();
    // Unbuffered, so that each write reaches the file at once and says how much it took: a
    // failure left to the flush at commit() can go unseen there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    // A full disk first takes part of a write, then fails the next with its reason.
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 step = file.write(bytes.constData() + written, bytes.size() - written);
        if (step <= 0) {
            const QString why = file.errorString();
            file.cancelWriting();
            return why;
        }
        written += step;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace veltrix::ui
