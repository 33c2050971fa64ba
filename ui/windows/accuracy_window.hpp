// The Accuracy window, Form5: four option buttons that choose to how many decimal places results
// are rounded. It holds the choice as the accuracy text of its hidden text box for as long as it
// exists; the option buttons write that text the moment they are selected, and OK only checks it
// and hides the window.
#pragma once

#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"

#include <QWidget>

class QLineEdit;

namespace veltrix::ui {

class AppContext;

class AccuracyWindow final : public SetWindow<QWidget> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form5";
    static constexpr TwipsRect kClientArea{4905, 3210, 1560, 2115};

    explicit AccuracyWindow(AppContext& app);

    // "0", "1", "2" or "3"; "2" when the window is created.
    QString AccuracyText() const;

  protected:
    // Closed, the window takes its choice with it: the accuracy is "2" again.
    void closeEvent(QCloseEvent* event) override;

  private:
    void Confirm();

    AppContext& app_;
    QLineEdit* accuracy_ = nullptr;
};

// The accuracy text every rounding command reads. Creates the Accuracy window hidden when it does
// not exist, so the accuracy is "2" until the user picks another option.
QString CurrentAccuracy(AppContext& app);

} // namespace veltrix::ui
