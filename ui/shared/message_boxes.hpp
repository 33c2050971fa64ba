// Every message of the program: a modal box with the prompt only, one OK button, no icon and the
// program's title as its caption. Commands talk to the MessageBoxes interface, so that tests can
// record the prompts instead of waiting for a person to press OK.
#pragma once

#include <QString>
#include <memory>

class QMessageBox;

namespace veltrix::ui {

// The caption of every message box.
QString ApplicationTitle();

// The messages that more than one command shows: an equation that does not split into its three
// coefficients, and the general failure of Calculate and Plot.
QString InvalidQuadraticMessage();
QString EquationFailedMessage();

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows the prompt and returns once the user has dismissed it.
    virtual void Show(const QString& prompt) = 0;
};

// The real boxes, for the running program.
class QtMessageBoxes final : public MessageBoxes {
  public:
    void Show(const QString& prompt) override;
    // The box that Show runs, built but not shown.
    static std::unique_ptr<QMessageBox> Build(const QString& prompt);
};

} // namespace veltrix::ui
