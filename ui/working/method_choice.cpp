#include "ui/working/method_choice.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <memory>

namespace veltrix::ui {

namespace {

// Where the choice is kept: the desktop's usual settings file for the program, by the name that
// the command line's --method takes, so that the file reads the same in any language.
constexpr char kMethodKey[] = "working/method";

// The program's settings file: Veltrix/Veltrix.conf in the desktop's place for settings
// (~/.config on Linux), the registry on Windows, a property list on macOS.
std::unique_ptr<QSettings> ProgramSettings() {
    return std::make_unique<QSettings>(QStringLiteral("Veltrix"), QStringLiteral("Veltrix"));
}

QString MethodName(WorkingMethod method) {
    switch (method) {
    case WorkingMethod::Formula:
        return MethodChoice::tr("Quadratic formula");
    case WorkingMethod::Square:
        return MethodChoice::tr("Completing the square");
    case WorkingMethod::Factor:
        return MethodChoice::tr("Factoring");
    case WorkingMethod::Pq:
        return MethodChoice::tr("pq-formula");
    case WorkingMethod::HalfB:
        return MethodChoice::tr("Half-b formula");
    case WorkingMethod::AtOnce:
        return MethodChoice::tr("Roots at once");
    }
    return {};
}

} // namespace

MethodChoice::MethodChoice(QWidget* parent) : QWidget(parent) {
    box_ = new QComboBox(this);
    for (const NamedMethod& named : kNamedMethods) {
        box_->addItem(MethodName(named.method), static_cast<int>(named.method));
    }
    box_->setAccessibleName(tr("Method"));
    box_->setObjectName(QStringLiteral("Method"));
    // As narrow as the working's lines let the window be: a long name is cut in the closed box
    // and read whole in its list.
    box_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box_->setMinimumContentsLength(8);
    box_->setCurrentIndex(box_->findData(static_cast<int>(Kept())));
    auto* label = new QLabel(tr("&Method:"), this);
    label->setObjectName(QStringLiteral("MethodLabel"));
    label->setBuddy(box_);
    auto* layout = new QHBoxLayout(this);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    layout->setContentsMargins(margin, margin / 2, margin, margin / 2);
    layout->addWidget(label);
    layout->addWidget(box_, 1);
    connect(box_, &QComboBox::activated, this, [this] {
        emit Chosen();
        save_->start();
    });
    // Written a moment after the choice, the working painted: the settings file's write (tens of
    // milliseconds where the file system syncs it) is no part of the change the user waits for.
    save_ = new QTimer(this);
    save_->setSingleShot(true);
    save_->setInterval(300);
    connect(save_, &QTimer::timeout, this, [this] { Keep(Method()); });
}

MethodChoice::~MethodChoice() {
    if (save_->isActive()) {
        Keep(Method());
    }
}

WorkingMethod MethodChoice::Method() const {
    return static_cast<WorkingMethod>(box_->currentData().toInt());
}

void MethodChoice::Choose(WorkingMethod method) {
    const int index = box_->findData(static_cast<int>(method));
    box_->setCurrentIndex(index);
    emit box_->activated(index);
}

WorkingMethod MethodChoice::Kept() {
    return MethodNamed(ProgramSettings()->value(kMethodKey).toString().toStdString())
        .value_or(WorkingMethod::Formula);
}

void MethodChoice::Keep(WorkingMethod method) {
    const std::string_view id = MethodId(method);
    ProgramSettings()->setValue(kMethodKey,
                                QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size())));
}

} // namespace veltrix::ui
