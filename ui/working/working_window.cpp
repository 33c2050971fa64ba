#include "ui/working/working_window.hpp"

#include "ui/shared/app_context.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/picture_export.hpp"
#include "ui/shared/translations.hpp"
#include "ui/working/latex_document.hpp"
#include "ui/working/method_and_school.hpp"
#include "ui/working/sketch_view.hpp"
#include "ui/working/working_view.hpp"
#include "ui/working/worksheet_pages.hpp"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMoveEvent>
#include <QPrinter>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace veltrix::ui {

namespace {

// The Accuracy window writes only "0" to "3".
int PlacesOf(const QString& accuracy) {
    bool whole = false;
    const int places = accuracy.toInt(&whole);
    return whole && places >= 0 && places <= 3 ? places : 2;
}

// A side has room for the window when it holds about 28 characters of the layout's font on a
// line, and the room below when it also holds four lines.
constexpr TwipsRect kLeastClientArea{0, 0, 3000, 1000};

// The frame a window has on screen; before the window manager has framed it, the frame of the
// window beside it, which the same window manager frames alike.
QMargins FrameOf(const QWidget& window, const QWidget& neighbour) {
    const QWindow* own = window.windowHandle();
    if (own != nullptr && !own->frameMargins().isNull()) {
        return own->frameMargins();
    }
    const QWindow* other = neighbour.windowHandle();
    return other != nullptr ? other->frameMargins() : QMargins();
}

// A line that names the sketch's points it had no room to label, their labels in a list as the
// working writes one.
WorkingTextLine NotLabelledLine(const QStringList& labels, char16_t separator, bool rightToLeft) {
    math::List list{
        {}, separator == u',' ? math::ListSeparator::Semicolon : math::ListSeparator::Comma};
    for (const QString& label : labels) {
        list.items.emplace_back(math::Formula{math::Number{label.toStdU16String()}});
    }
    return LineOf(WorkingWindow::tr("Not labelled on the sketch: %1"), {math::Formula{list}},
                  rightToLeft);
}

QStringList UnlabelledPoints(const SketchPlan& plan) {
    QStringList labels;
    for (const SketchMark& mark : plan.marks) {
        if (!mark.labelBox && !mark.sharedLabel) {
            labels << QString::fromStdU16String(mark.label);
        }
    }
    return labels;
}

} // namespace

QString ShowWorkingCommand() {
    return WorkingWindow::tr("Show &working");
}

WorkingWindow::WorkingWindow(AppContext& app)
    : SetWindow(app.Windows()),
      app_(app), sizes_{ToPixels(kClientArea).size(), ToPixels(kLeastClientArea).size()} {
    setWindowTitle(tr("Working"));
    SizeClientArea(*this, kClientArea);

    choice_ = new MethodAndSchool(this);
    connect(choice_, &MethodAndSchool::Chosen, this, &WorkingWindow::Refresh);
    lines_ = new WorkingView(*this);
    lines_->setAccessibleName(tr("Working"));
    // A right click, or the Menu key, opens the window's own menu.
    lines_->setContextMenuPolicy(Qt::NoContextMenu);
    sketch_ = new SketchView(app, this);
    sketch_->setObjectName(QStringLiteral("Sketch"));
    sketch_->hide();
    // The room beside a sketch narrower than the lines is the same paper as the lines and the
    // sketch, not a band of the window's own colour.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(choice_);
    layout->addWidget(lines_, 1);

    connect(&AddMenuCommand(*this, "Copy", tr("&Copy"), QKeySequence::Copy), &QAction::triggered,
            this, [this] { QGuiApplication::clipboard()->setText(TextToCopy()); });
    connect(&AddMenuCommand(*this, "CopyLatex", tr("Copy as &LaTeX"), {}), &QAction::triggered,
            this, [this] { QGuiApplication::clipboard()->setText(LatexToCopy()); });
    AddPrintCommands(*layout);
    connect(&app.Inputs(), &InputSignals::EquationChanged, this, &WorkingWindow::Refresh);
    connect(&app.Inputs(), &InputSignals::AccuracyChanged, this, &WorkingWindow::Refresh);
    Refresh();
}

QStringList WorkingWindow::Lines() const {
    return lines_->Lines();
}

QString WorkingWindow::TextToCopy() const {
    QStringList lines;
    for (const int line : lines_->SelectedLines()) {
        lines << text_.lines[static_cast<std::size_t>(line)].plain;
    }
    return lines.isEmpty() ? PlainTextOf(text_) : lines.join(u'\n');
}

QString WorkingWindow::LatexToCopy() const {
    QStringList lines;
    for (const int line : lines_->SelectedLines()) {
        const WorkingTextLine& selected = text_.lines[static_cast<std::size_t>(line)];
        if (!selected.hint) {
            lines << selected.latex;
        }
    }
    if (lines.isEmpty()) {
        return LatexOf(text_, InstalledLanguage());
    }
    return LatexNeedsComment(InstalledLanguage()) + QStringLiteral("\n\n") +
           lines.join(QStringLiteral("\n\n")) + u'\n';
}

// Print and Save as PDF, in the context menu and in a File menu, as a document window has them.
void WorkingWindow::AddPrintCommands(QBoxLayout& layout) {
    QAction& print = AddMenuCommand(*this, "Print", tr("&Print…"), QKeySequence::Print);
    QAction& save = AddMenuCommand(*this, "SavePdf", tr("Save as P&DF…"), {});
    connect(&print, &QAction::triggered, this, &WorkingWindow::Print);
    connect(&save, &QAction::triggered, this, &WorkingWindow::SaveAsPdf);
    menuBar_ = new QMenuBar(this);
    QMenu* file = menuBar_->addMenu(tr("&File"));
    file->addAction(&print);
    file->addAction(&save);
    layout.setMenuBar(menuBar_);
}

std::vector<WorkingTextLine> WorkingWindow::LinesToPrint() const {
    std::vector<WorkingTextLine> lines;
    for (const int line : lines_->SelectedLines()) {
        lines.push_back(text_.lines[static_cast<std::size_t>(line)]);
    }
    if (lines.empty()) {
        lines = text_.lines;
    }
    // The hint speaks to the user at the screen, not to the reader of the page.
    std::erase_if(lines, [](const WorkingTextLine& line) { return line.hint; });
    return lines;
}

void WorkingWindow::Print() {
    QPrinter printer(QPrinter::HighResolution);
    SetUpPages(printer);
    printer.setDocName(windowTitle());
    if (!app_.Files().AskPrinter(*this, printer)) {
        return;
    }
    if (!PaintWorking(printer, LinesToPrint(), text_.sketch, isRightToLeft())) {
        app_.Messages().Show(tr("The working could not be printed."));
    }
}

void WorkingWindow::SaveAsPdf() {
    const std::optional<SaveTarget> target = app_.Files().AskSaveName(
        *this, QStringLiteral("working.pdf"), {tr("PDF document (*.pdf)")});
    if (!target) {
        return;
    }
    const std::optional<QString> failure = WritePdf(
        target->path, windowTitle(), [lines = LinesToPrint(), this](QPagedPaintDevice& pdf) {
            return PaintWorking(pdf, lines, text_.sketch, isRightToLeft());
        });
    if (failure) {
        app_.Messages().Show(tr("The working could not be saved as \"%1\": %2.")
                                 .arg(QDir::toNativeSeparators(target->path), *failure));
    }
}

int WorkingWindow::UnwrappedWidth() const {
    const int sketch = sketch_->isHidden() ? 0 : sketch_->sizeHint().width();
    return std::max(lines_->UnwrappedWidth(), sketch);
}

// Below the lines wrapped to `width`, the sketch at that width, smaller where it is narrower.
int WorkingWindow::HeightForWidth(int width) const {
    const int sketch = sketch_->isHidden() ? 0 : sketch_->heightForWidth(width);
    return MenuBarHeight() + choice_->sizeHint().height() + lines_->HeightForWidth(width) + sketch;
}

void WorkingWindow::showEvent(QShowEvent* event) {
    SetWindow::showEvent(event);
    // Where the window set made it is the program's choice too.
    asked_.push_back(geometry());
    Place(true);
}

void WorkingWindow::moveEvent(QMoveEvent* event) {
    SetWindow::moveEvent(event);
    NoteWindowSystemGeometry(*event);
}

void WorkingWindow::resizeEvent(QResizeEvent* event) {
    SetWindow::resizeEvent(event);
    FitSketch();
    NoteWindowSystemGeometry(*event);
}

void WorkingWindow::Refresh() {
    ShowText(WorkingTextOf(app_.EquationText(), PlacesOf(app_.AccuracyText()),
                           app_.DecimalSeparator(), isRightToLeft(), choice_->Choice()));
}

std::optional<WorkingMethod> WorkingWindow::Method() const {
    return choice_->Method();
}

void WorkingWindow::ChooseMethod(std::optional<WorkingMethod> method) {
    choice_->ChooseMethod(method);
}

const School& WorkingWindow::SchoolChosen() const {
    return choice_->SchoolChosen();
}

void WorkingWindow::ChooseSchool(const School& school) {
    choice_->ChooseSchool(school);
}

void WorkingWindow::ShowText(WorkingText text) {
    text_ = std::move(text);
    sketch_->setHidden(!text_.sketch);
    if (text_.sketch) {
        sketch_->ShowSketch(*text_.sketch);
        const QStringList unlabelled =
            sketch_->Plan() ? UnlabelledPoints(*sketch_->Plan()) : QStringList();
        if (!unlabelled.isEmpty()) {
            // Under the working it speaks of, before the hint that comes last.
            const auto hint = std::find_if(text_.lines.begin(), text_.lines.end(),
                                           [](const WorkingTextLine& line) { return line.hint; });
            text_.lines.insert(
                hint, NotLabelledLine(unlabelled, app_.DecimalSeparator(), isRightToLeft()));
        }
    }
    lines_->SetLines(text_.lines);
    FitSketch();
    // The least size the layout allows follows the sketch at once, before the window is placed.
    layout()->activate();
    if (isVisible()) {
        Place(false);
    }
}

// The sketch stands centred below the lines, the same under a right-to-left language, as large
// as the room the lines leave allows, up to its own size: the lines come first, so where the
// screen is too small for both the sketch is drawn smaller, and never below a least size.
void WorkingWindow::FitSketch() {
    auto* box = static_cast<QBoxLayout*>(layout());
    if (sketch_->isHidden()) {
        box->setContentsMargins(0, 0, 0, 0);
        return;
    }
    const QSize natural = sketch_->sizeHint();
    const int room =
        std::max(height() - MenuBarHeight() - choice_->height() - lines_->HeightForWidth(width()),
                 sketch_->minimumSizeHint().height());
    const double scale =
        std::min({1.0, width() / double(natural.width()), room / double(natural.height())});
    const QSize size(std::min(width(), static_cast<int>(std::ceil(natural.width() * scale))),
                     std::min(room, static_cast<int>(std::ceil(natural.height() * scale))));
    sketch_->setGeometry((width() - size.width()) / 2, height() - size.height(), size.width(),
                         size.height());
    box->setContentsMargins(0, 0, 0, size.height());
}

int WorkingWindow::MenuBarHeight() const {
    return menuBar_->heightForWidth(width()) > 0 ? menuBar_->heightForWidth(width())
                                                 : menuBar_->sizeHint().height();
}

std::optional<Surroundings> WorkingWindow::SurroundingsNow() const {
    const QWidget* neighbour = app_.EquationWindow();
    if (neighbour == nullptr || !neighbour->isVisible() || neighbour->screen() == nullptr) {
        return std::nullopt;
    }
    return Surroundings{neighbour->frameGeometry(), neighbour->screen()->availableGeometry(),
                        FrameOf(*this, *neighbour), isRightToLeft()};
}

// Beside the main window, as large as the working wants within the room there. The side is
// chosen again only as the window opens or when the main window has left it no room.
void WorkingWindow::Place(bool opening) {
    const std::optional<Surroundings> around = SurroundingsNow();
    if (PlacedByUser() || !around) {
        return;
    }
    if (opening || !side_ || !HasRoom(*side_, *around, sizes_)) {
        side_ = ChooseSide(*around, *this, sizes_);
    }
    Ask(ClientAreaOn(*side_, *around, *this, sizes_));
}

void WorkingWindow::Ask(const QRect& client) {
    if (asked_.empty() || asked_.back() != client) {
        asked_.push_back(client);
    }
    if (client != geometry()) {
        setGeometry(client);
    }
}

// The window system reports each geometry the window takes, in the order it took them.
void WorkingWindow::NoteWindowSystemGeometry(const QEvent& event) {
    if (!event.spontaneous() || !isVisible()) {
        return;
    }
    reported_ = geometry();
    // What was asked before it is past and will not be reported any more.
    const auto ours = std::ranges::find(asked_, *reported_);
    if (ours != asked_.end()) {
        asked_.erase(asked_.begin(), ours);
    }
}

// A geometry the program did not ask for is where the user moved the window or how the user
// sized it, and the window keeps it from then on. Only the last one reported tells: while the
// window manager frames the window, a position in passing comes before the one it settles on.
bool WorkingWindow::PlacedByUser() {
    if (!placedByUser_ && reported_ && std::ranges::find(asked_, *reported_) == asked_.end()) {
        placedByUser_ = true;
    }
    return placedByUser_;
}

} // namespace veltrix::ui
