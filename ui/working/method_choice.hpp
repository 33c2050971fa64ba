// The choice of method above the Working window's lines: the formula, completing the square,
// factoring, the pq-formula, the half-b formula and the roots at once, every one offered whatever
// the equation, for a method that does not apply says why in the working. The choice is kept in
// the desktop's settings file and comes back at the next run.
#pragma once

#include "engine/working/working.hpp"

#include <QWidget>

class QComboBox;
class QTimer;

namespace veltrix::ui {

class MethodChoice final : public QWidget {
    Q_OBJECT
  public:
    explicit MethodChoice(QWidget* parent);
    ~MethodChoice() override;

    WorkingMethod Method() const;
    // Chooses the method as the user would, kept in the settings as the user's choice is.
    void Choose(WorkingMethod method);

    // The method kept in the settings; the formula where none is, or an unknown name.
    static WorkingMethod Kept();
    static void Keep(WorkingMethod method);

  signals:
    void Chosen();

  private:
    QComboBox* box_ = nullptr;
    QTimer* save_ = nullptr;
};

} // namespace veltrix::ui
