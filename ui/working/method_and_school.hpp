// The choice of method and of school above the Working window's lines. The method: the one the
// school teaches, the formula, completing the square, factoring, the pq-formula, the half-b
// formula or the roots at once, every one offered whatever the equation, for a method that does
// not apply says why in the working. The school: whose notation the working is written in. Both
// are kept in the desktop's settings file and come back at the next run.
#pragma once

#include "engine/working/schools.hpp"
#include "engine/working/working.hpp"

#include <QWidget>
#include <optional>

class QComboBox;
class QTimer;

namespace veltrix::ui {

// The school of the session's locale: that of the first of LC_ALL, LC_MESSAGES and LANG that is
// set, as the C library reads the locale of messages.
const School& SchoolOfSession();

class MethodAndSchool final : public QWidget {
    Q_OBJECT
  public:
    explicit MethodAndSchool(QWidget* parent);
    ~MethodAndSchool() override;

    // The method chosen, or nothing for the school's own.
    std::optional<WorkingMethod> Method() const;
    const School& SchoolChosen() const;
    // Both, as the working takes them; the school's id is the table's own, alive as long as the
    // program.
    WorkingChoice Choice() const;

    // Chooses as the user would, kept in the settings as the user's choice is.
    void ChooseMethod(std::optional<WorkingMethod> method);
    // `school` is a row of Schools(), as every School is.
    void ChooseSchool(const School& school);

    // The method kept in the settings: nothing, the school's own, where none is, or a name that
    // is none.
    static std::optional<WorkingMethod> KeptMethod();
    static void KeepMethod(std::optional<WorkingMethod> method);
    // The school kept in the settings; the session's where none is, or an id that is none.
    static const School& KeptSchool();
    static void KeepSchool(const School& school);

  signals:
    void Chosen();

  private:
    QComboBox* AddBox(const char* name, const QString& label, int row);
    void OfferMethods();
    void OfferSchools();
    void Choose(QComboBox& box, int index, bool school);
    void KeepChoice();

    QComboBox* method_ = nullptr;
    QComboBox* school_ = nullptr;
    QTimer* save_ = nullptr;
    // Until the user chooses a school, none is kept, and the session's follows its locale.
    bool schoolChosen_ = false;
};

} // namespace veltrix::ui
