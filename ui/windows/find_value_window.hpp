// The Find-a-value window, Form3: the user types an x and its Calculate button shows the value of
// y that the main window's quadratic takes there, rounded to the current accuracy.
#pragma once

#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"

#include <QWidget>

class QLabel;
class QLineEdit;

namespace veltrix::ui {

class AppContext;

class FindValueWindow final : public SetWindow<QWidget> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form3";
    static constexpr TwipsRect kClientArea{3465, 3345, 2445, 960};

    explicit FindValueWindow(AppContext& app);

  private:
    // Calculate (Command1): writes y into the result label, or shows why it cannot; a failure
    // leaves the previous result standing.
    void Calculate();

    AppContext& app_;
    QLineEdit* x_ = nullptr;
    QLabel* y_ = nullptr;
};

} // namespace veltrix::ui
