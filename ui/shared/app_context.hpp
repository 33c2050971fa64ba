// What every window and command of one running program shares: its windows, the equation typed
// in the main window, the way it shows messages and asks for file names, and its manual. The
// program's entry owns the one instance; tests build their own with a recorder in place of the real
// message boxes and answers in place of the file dialog.
#pragma once

#include "ui/shared/file_dialogs.hpp"
#include "ui/shared/manual.hpp"
#include "ui/shared/message_boxes.hpp"
#include "ui/shared/window_set.hpp"

#include <QLineEdit>
#include <QPointer>

namespace veltrix::ui {

// Tells whoever follows the user's input, as the Working window does, that the equation or the
// accuracy has changed: typed, chosen, or back to "2" with the Accuracy window closed.
class InputSignals final : public QObject {
    Q_OBJECT

  signals:
    void EquationChanged();
    void AccuracyChanged();
};

class AppContext {
  public:
    // `decimalSeparator` is the one results are written with and numbers may be typed with,
    // besides ".": the locale's, "," or ".".
    AppContext(MessageBoxes& messages, FileDialogs& files, char16_t decimalSeparator = u'.')
        : messages_(messages), files_(files), windows_(*this), separator_(decimalSeparator) {}
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    WindowSet& Windows() { return windows_; }
    const WindowSet& Windows() const { return windows_; }
    MessageBoxes& Messages() { return messages_; }
    InputSignals& Inputs() { return inputs_; }
    FileDialogs& Files() { return files_; }
    // The user manual that Help opens; the program sets its language, tests its folder and opener.
    Manual& UserManual() { return manual_; }
    char16_t DecimalSeparator() const { return separator_; }

    // The equation as typed in the main window's equation box, which every command reads at the
    // moment it runs; empty while there is no main window.
    QString EquationText() const;
    // Called by the main window when it builds the box.
    void SetEquationBox(QLineEdit& box) { equationBox_ = &box; }
    // The window the equation is typed in, which the Working window opens beside; none while
    // there is no main window.
    QWidget* EquationWindow() const { return equationBox_ ? equationBox_->window() : nullptr; }

    // The accuracy every rounding command reads, "0" to "3": the text the Accuracy window holds
    // while it exists, and the one the program starts with, "2", while it does not.
    QString AccuracyText() const;
    static QString DefaultAccuracy() { return QStringLiteral("2"); }
    // Called by the Accuracy window with the box that holds its choice, and with none when it
    // closes and takes the choice with it.
    void SetAccuracyBox(QLineEdit* box) { accuracyBox_ = box; }

    // Ends the program at once: closes every window, hidden ones too, and leaves the event loop.
    // Nothing is asked and nothing is saved.
    void End();

  private:
    MessageBoxes& messages_;
    FileDialogs& files_;
    Manual manual_;
    InputSignals inputs_; // before the windows, which use it until they are gone
    WindowSet windows_;
    QPointer<QLineEdit> equationBox_;
    QPointer<QLineEdit> accuracyBox_;
    char16_t separator_;
    bool ending_ = false;
};

} // namespace veltrix::ui
