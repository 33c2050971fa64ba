// Writing a file all at once or not at all.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace veltrix::ui {

// Writes the file at `path` with `write`, which puts the whole content on the device and says
// whether it could. The content goes to a new file beside the old one, which replaces it only when
// everything was written: a failure (a read-only folder, a full disk, a name that is a folder)
// leaves no partial file behind and an existing file as it was. Returns why it failed, or nothing.
std::optional<QString> WriteWholeFile(const QString& path,
                                      const std::function<bool(QIODevice&)>& write);

} // namespace veltrix::ui
