// Asking the user for the name of a file to write, and for a printer. Commands talk to the
// FileDialogs interface, so that tests can answer for the user instead of waiting for a person to
// choose a file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace veltrix::ui {

// The file the user chose, with the file type chosen in the dialog's list of types.
struct SaveTarget {
    QString path;
    QString filter; // one of the filters offered, e.g. "PNG image (*.png)"
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Asks where to write a file, suggesting `fileName` and offering the `filters` ("PNG image
    // (*.png)"), the first one chosen at the start. The dialog itself asks before an existing file
    // is replaced. Nothing when the user cancels.
    virtual std::optional<SaveTarget> AskSaveName(QWidget& parent, const QString& fileName,
                                                  const QStringList& filters) = 0;
    // Asks which printer to print on and how, setting up `printer` so; false when the user
    // cancels.
    virtual bool AskPrinter(QWidget& parent, QPrinter& printer) = 0;
};

// The desktop's own save dialog, for the running program. It opens in the folder of the last file
// chosen while the program runs, at first in the user's pictures folder.
class QtFileDialogs final : public FileDialogs {
  public:
    std::optional<SaveTarget> AskSaveName(QWidget& parent, const QString& fileName,
                                          const QStringList& filters) override;
    bool AskPrinter(QWidget& parent, QPrinter& printer) override;

  private:
    QString lastFolder_;
};

} // namespace veltrix::ui
