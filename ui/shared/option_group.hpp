// Option buttons that behave as one group: selecting one clears the others, Tab stops once in the
// group, at its selected button, and the arrow keys move the selection within the group as a click
// does (Down and Right to the next button, Up and Left to the previous one, wrapping round).
#pragma once

#include <QObject>
#include <vector>

class QRadioButton;

namespace veltrix::ui {

class OptionGroup final : public QObject {
  public:
    explicit OptionGroup(QObject* parent) : QObject(parent) {}

    // Adds the buttons in their order on the screen, top to bottom.
    void Add(QRadioButton& button);
    QRadioButton* Selected() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SelectNeighbour(QRadioButton& from, int step);
    void UpdateTabStop();

    std::vector<QRadioButton*> buttons_;
};

} // namespace veltrix::ui
