// The Solution window, Form4, and the main window's Calculate command that fills it: one line
// reading "When Y=0  X=", the first root, "or", the second root.
#pragma once

#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"

#include <QWidget>

class QLabel;

namespace veltrix::ui {

class AppContext;

class SolutionWindow final : public SetWindow<QWidget> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form4";
    static constexpr TwipsRect kClientArea{3495, 3900, 4335, 315};

    explicit SolutionWindow(AppContext& app);

    // Writes both roots, first the one from -b + √D, then the one from -b - √D.
    void ShowRoots(const QString& plusRoot, const QString& minusRoot);

    // What Copy (Ctrl+C) puts on the clipboard: the text selected in a root, or else both roots
    // as the window shows them, "0.66 or -0.46".
    QString TextToCopy() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLabel* plusRoot_ = nullptr;
    QLabel* minusRoot_ = nullptr;
};

// Calculate: solves the equation at the current accuracy and shows the roots in the Solution
// window, in front; or says in a message box why there are none. A failure leaves every window
// as it was.
void Calculate(AppContext& app);

} // namespace veltrix::ui
