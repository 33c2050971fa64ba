#include "ui/working/method_and_school.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <array>
#include <memory>

namespace veltrix::ui {

namespace {

// Where the choice is kept: the desktop's usual settings file for the program, by the names that
// the command line's --method and --school take, so that the file reads the same in any language.
constexpr char kMethodKey[] = "working/method";
constexpr char kSchoolKey[] = "working/school";
// The method kept for the school's own.
constexpr char kSchoolsOwn[] = "school";
// The method box's entry for the school's own method.
constexpr int kSchoolsOwnEntry = -1;

// The program's settings file: Veltrix/Veltrix.conf in the desktop's place for settings
// (~/.config on Linux), the registry on Windows, a property list on macOS.
std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QStringLiteral("Veltrix"), QStringLiteral("Veltrix"));
}

QString MethodName(WorkingMethod method) {
    switch (method) {
    case WorkingMethod::Formula:
        return MethodAndSchool::tr("Quadratic formula");
    case WorkingMethod::Square:
        return MethodAndSchool::tr("Completing the square");
    case WorkingMethod::Factor:
        return MethodAndSchool::tr("Factoring");
    case WorkingMethod::Pq:
        return MethodAndSchool::tr("pq-formula");
    case WorkingMethod::HalfB:
        return MethodAndSchool::tr("Half-b formula");
    case WorkingMethod::AtOnce:
        return MethodAndSchool::tr("Roots at once");
    }
    return {};
}

// An id of the program's tables, in ASCII.
QString Latin(std::string_view id) {
    return QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
}

struct SchoolTitle {
    std::string_view id;
    const char* name;
};

// The schools' names, as a teacher names the schools of their own country.
constexpr std::array kSchoolTitles = {
    SchoolTitle{"general", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "General")},
    SchoolTitle{"de",
                QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Germany, Austria, Switzerland")},
    SchoolTitle{"fr", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "France")},
    SchoolTitle{"es", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Spain and Latin America")},
    SchoolTitle{"it", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Italy")},
    SchoolTitle{"br", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Brazil and Portugal")},
    SchoolTitle{"pl", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Poland")},
    SchoolTitle{"ru", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Russia")},
    SchoolTitle{"cn", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "China")},
    SchoolTitle{"jp", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Japan")},
    SchoolTitle{"mashriq",
                QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Arabic schools (Mashriq)")},
    SchoolTitle{"maghreb",
                QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "Arabic schools (Maghreb)")},
    SchoolTitle{"uk", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "United Kingdom")},
    SchoolTitle{"us", QT_TRANSLATE_NOOP("veltrix::ui::MethodAndSchool", "United States")},
};

// A school the table holds and no title names is still offered, by its id.
QString SchoolName(const School& school) {
    for (const SchoolTitle& title : kSchoolTitles) {
        if (title.id == school.id) {
            return MethodAndSchool::tr(title.name);
        }
    }
    return Latin(school.id);
}

} // namespace

const School& SchoolOfSession() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray locale = qgetenv(variable);
        if (!locale.isEmpty()) {
            return SchoolOfLocale(locale.toStdString());
        }
    }
    return GeneralSchool();
}

MethodAndSchool::MethodAndSchool(QWidget* parent) : QWidget(parent) {
    auto* layout = new QGridLayout(this);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    layout->setContentsMargins(margin, margin / 2, margin, margin / 2);
    layout->setColumnStretch(1, 1);
    method_ = AddBox("Method", tr("&Method:"), 0);
    method_->setAccessibleName(tr("Method"));
    OfferMethods();
    school_ = AddBox("School", tr("&School:"), 1);
    school_->setAccessibleName(tr("School"));
    OfferSchools();
    connect(method_, &QComboBox::activated, this,
            [this](int index) { Choose(*method_, index, false); });
    connect(school_, &QComboBox::activated, this,
            [this](int index) { Choose(*school_, index, true); });
    // Written a moment after the choice, the working painted: the settings file's write (tens of
    // milliseconds where the file system syncs it) is no part of the change the user waits for.
    save_ = new QTimer(this);
    save_->setSingleShot(true);
    save_->setInterval(300);
    connect(save_, &QTimer::timeout, this, &MethodAndSchool::KeepChoice);
}

MethodAndSchool::~MethodAndSchool() {
    if (save_->isActive()) {
        KeepChoice();
    }
}

// A box on a row of its own under the last, with its label before it: the two rows keep the
// window as narrow as one would.
QComboBox* MethodAndSchool::AddBox(const char* name, const QString& label, int row) {
    auto* box = new QComboBox(this);
    box->setObjectName(QLatin1String(name));
    // As narrow as the working's lines let the window be: a long name is cut in the closed box
    // and read whole in its list.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(8);
    auto* caption = new QLabel(label, this);
    caption->setObjectName(QLatin1String(name) + QStringLiteral("Label"));
    caption->setBuddy(box);
    auto* grid = static_cast<QGridLayout*>(layout());
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

// The school's own method first, then every method, the one kept chosen.
void MethodAndSchool::OfferMethods() {
    method_->addItem(tr("As the school teaches"), kSchoolsOwnEntry);
    for (const NamedMethod& named : kNamedMethods) {
        method_->addItem(MethodName(named.method), static_cast<int>(named.method));
    }
    const std::optional<WorkingMethod> kept = KeptMethod();
    method_->setCurrentIndex(method_->findData(kept ? static_cast<int>(*kept) : kSchoolsOwnEntry));
}

// The schools in the order of their table, the general one first, the one kept chosen.
void MethodAndSchool::OfferSchools() {
    for (const School& school : Schools()) {
        school_->addItem(SchoolName(school));
    }
    school_->setCurrentIndex(static_cast<int>(&KeptSchool() - Schools().data()));
}

void MethodAndSchool::Choose(QComboBox& box, int index, bool school) {
    box.setCurrentIndex(index);
    schoolChosen_ = schoolChosen_ || school;
    emit Chosen();
    save_->start();
}

std::optional<WorkingMethod> MethodAndSchool::Method() const {
    const int entry = method_->currentData().toInt();
    return entry == kSchoolsOwnEntry ? std::nullopt
                                     : std::optional(static_cast<WorkingMethod>(entry));
}

const School& MethodAndSchool::SchoolChosen() const {
    return Schools()[static_cast<std::size_t>(school_->currentIndex())];
}

WorkingChoice MethodAndSchool::Choice() const {
    return {Method(), SchoolChosen().id};
}

void MethodAndSchool::ChooseMethod(std::optional<WorkingMethod> method) {
    Choose(*method_, method_->findData(method ? static_cast<int>(*method) : kSchoolsOwnEntry),
           false);
}

void MethodAndSchool::ChooseSchool(const School& school) {
    Choose(*school_, static_cast<int>(&school - Schools().data()), true);
}

void MethodAndSchool::KeepChoice() {
    KeepMethod(Method());
    if (schoolChosen_) {
        KeepSchool(SchoolChosen());
    }
}

std::optional<WorkingMethod> MethodAndSchool::KeptMethod() {
    return MethodNamed(ProgramSettings()->value(kMethodKey).toString().toStdString());
}

void MethodAndSchool::KeepMethod(std::optional<WorkingMethod> method) {
    ProgramSettings()->setValue(kMethodKey, method ? Latin(MethodId(*method)) : kSchoolsOwn);
}

const School& MethodAndSchool::KeptSchool() {
    const School* kept = SchoolNamed(ProgramSettings()->value(kSchoolKey).toString().toStdString());
    return kept != nullptr ? *kept : SchoolOfSession();
}

void MethodAndSchool::KeepSchool(const School& school) {
    ProgramSettings()->setValue(kSchoolKey, Latin(school.id));
}

} // namespace veltrix::ui
