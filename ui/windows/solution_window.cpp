#include "ui/windows/solution_window.hpp"

#include "engine/core/engine.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/controls.hpp"
#include "ui/windows/accuracy_window.hpp"
#include "ui/working/working_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <exception>

namespace veltrix::ui {

namespace {

QString LeadIn() {
    return SolutionWindow::tr("When Y=0  X=");
}

// The first root's label covers the lead-in's box from this point on, and the second root's the
// word between the roots from this point on.
constexpr int kFirstRootLeft = 1560;
constexpr int kSeparatorLeft = 2400;
constexpr int kSecondRootLeft = 2760;

// MS Sans Serif 12 pt where the system has it. Otherwise the system's own sans-serif at 12 pt,
// narrowed where it sets the lead-in wider than MS Sans Serif does, so that "X=" is not hidden
// under the first root.
QFont RootsFont() {
    QFont font;
    const QString preferred = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::hasFamily(preferred)) {
        font.setFamily(preferred);
        font.setPointSize(12);
        return font;
    }
    font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(12);
    font.setWeight(QFont::Normal);
    return FittedTo(font, LeadIn(),
                    ToPixels({0, 0, kFirstRootLeft, SolutionWindow::kClientArea.height}).size());
}

QString FailureMessage(const SolveOutcome& outcome) {
    if (std::holds_alternative<InvalidQuadratic>(outcome)) {
        return InvalidQuadraticMessage();
    }
    if (std::holds_alternative<NoRealRoots>(outcome)) {
        return SolutionWindow::tr("There is no value of y for which x=0");
    }
    return EquationFailedMessage();
}

} // namespace

SolutionWindow::SolutionWindow(AppContext& app) : SetWindow(app.Windows()) {
    setWindowTitle(tr("Solution"));
    UseWhiteBackground(*this);
    SizeClientArea(*this, kClientArea);
    setFont(RootsFont());

    // The boxes overlap; each one hides what lies under it, and "or" stays visible at the left
    // of its box, between the two roots.
    QLabel& lead = AddOpaqueLabel(*this, "Label1", LeadIn(), {0, 0, 2175, 495});
    plusRoot_ = &AddOpaqueLabel(*this, "Label2", QString(), {kFirstRootLeft, 0, 855, 255});
    QLabel& separator = AddOpaqueLabel(*this, "Label3", tr("or"), {kSeparatorLeft, 0, 735, 255});
    // A language's word for "or" may need more room than there is between the roots; it keeps a
    // space's width before the second root.
    FitTextInto(separator, ToPixels({0, 0, kSecondRootLeft - kSeparatorLeft, 255}).size(),
                QStringLiteral(" "));
    minusRoot_ = &AddOpaqueLabel(*this, "Label4", QString(), {kSecondRootLeft, 0, 1455, 255});
    plusRoot_->setAccessibleDescription(tr("first value of x"));
    minusRoot_->setAccessibleDescription(tr("second value of x"));
    StackTopFirst({minusRoot_, &separator, plusRoot_, &lead});
    setFocusPolicy(Qt::NoFocus);

    for (QLabel* root : {plusRoot_, minusRoot_}) {
        MakeSelectable(*root);
        KeepLeftToRight(*root);
        root->installEventFilter(this);
    }
    // The window has nothing that takes the focus, so Ctrl+C belongs to the window itself.
    connect(&AddMenuCommand(*this, "Copy", tr("&Copy"), QKeySequence::Copy), &QAction::triggered,
            this, [this] { QGuiApplication::clipboard()->setText(TextToCopy()); });
    connect(&AddMenuCommand(*this, "ShowWorking", ShowWorkingCommand(), {}), &QAction::triggered,
            this, [&app] { app.Windows().Show<WorkingWindow>(); });
}

QString SolutionWindow::TextToCopy() const {
    for (const QLabel* root : {plusRoot_, minusRoot_}) {
        if (root->hasSelectedText()) {
            return root->selectedText();
        }
    }
    return plusRoot_->text() + QLatin1Char(' ') + tr("or") + QLatin1Char(' ') + minusRoot_->text();
}

bool SolutionWindow::eventFilter(QObject* watched, QEvent* event) {
    // One selection in the window, as in a line of text: pressing on one root gives up the
    // selection in the other.
    if (event->type() == QEvent::MouseButtonPress) {
        QLabel* other = watched == plusRoot_ ? minusRoot_ : plusRoot_;
        other->setSelection(0, 0);
    }
    return QWidget::eventFilter(watched, event);
}

void SolutionWindow::ShowRoots(const QString& plusRoot, const QString& minusRoot) {
    plusRoot_->setText(plusRoot);
    minusRoot_->setText(minusRoot);
}

void Calculate(AppContext& app) {
    try {
        const QString accuracy = CurrentAccuracy(app);
        const QString equation = app.EquationText();
        const SolveOutcome outcome = SolveQuadratic(
            equation.toStdU16String(), accuracy.toStdU16String(), app.DecimalSeparator());
        if (const auto* roots = std::get_if<Roots>(&outcome)) {
            SolutionWindow& solution = app.Windows().Show<SolutionWindow>();
            solution.ShowRoots(QString::fromStdU16String(roots->plus),
                               QString::fromStdU16String(roots->minus));
            return;
        }
        app.Messages().Show(FailureMessage(outcome));
    } catch (const std::exception&) {
        // Out of memory for a monstrous equation: the command's general failure.
        app.Messages().Show(EquationFailedMessage());
    }
}

} // namespace veltrix::ui
