#include "ui/working_window.hpp"

#include "ui/accuracy_window.hpp"
#include "ui/app_context.hpp"
#include "ui/context_menu.hpp"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace veltrix::ui {

namespace {

// The Accuracy window writes only "0" to "3".
int PlacesOf(const QString& accuracy) {
    bool whole = false;
    const int places = accuracy.toInt(&whole);
    return whole && places >= 0 && places <= 3 ? places : 2;
}

// A line longer than this is wider than any screen, and is not measured: measuring a line
// shapes every character of it, and long coefficients make lines of many thousands.
constexpr qsizetype kLongestMeasuredLine = 400;

} // namespace

QString ShowWorkingCommand() {
    return WorkingWindow::tr("Show &working");
}

WorkingWindow::WorkingWindow(AppContext& app) : SetWindow(app.Windows()), app_(app) {
    setWindowTitle(tr("Working"));
    SizeClientArea(*this, kClientArea);

    // One paragraph a step. A line too long for the window wraps, between words where it can
    // and inside a long number where it must; only what is in view is laid out.
    lines_ = new QPlainTextEdit(this);
    lines_->setObjectName(QStringLiteral("Lines"));
    lines_->setAccessibleName(tr("Working"));
    lines_->setReadOnly(true);
    lines_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lines_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Every line reads from the side the window reads from, the right under Arabic. A plain text
    // view aligns to the left unless told otherwise, whichever way its lines read.
    QTextOption reading = lines_->document()->defaultTextOption();
    reading.setTextDirection(layoutDirection());
    reading.setAlignment(isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    lines_->document()->setDefaultTextOption(reading);
    lines_->setFrameShape(QFrame::NoFrame);
    // A right click, or the Menu key, opens the window's own menu.
    lines_->setContextMenuPolicy(Qt::NoContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lines_);

    connect(&AddMenuCommand(*this, "Copy", tr("&Copy"), QKeySequence::Copy), &QAction::triggered,
            this, [this] { QGuiApplication::clipboard()->setText(TextToCopy()); });
    connect(&AddMenuCommand(*this, "CopyLatex", tr("Copy as &LaTeX"), {}), &QAction::triggered,
            this, [this] { QGuiApplication::clipboard()->setText(LatexToCopy()); });
    connect(&app.Inputs(), &InputSignals::EquationChanged, this, &WorkingWindow::Refresh);
    connect(&app.Inputs(), &InputSignals::AccuracyChanged, this, &WorkingWindow::Refresh);
    Refresh();
}

QStringList WorkingWindow::Lines() const {
    QStringList shown;
    for (QTextBlock block = lines_->document()->begin(); block.isValid(); block = block.next()) {
        shown << block.text();
    }
    return shown;
}

QString WorkingWindow::TextToCopy() const {
    const QTextCursor selected = lines_->textCursor();
    return selected.hasSelection() ? selected.selection().toPlainText() : PlainTextOf(text_);
}

void WorkingWindow::showEvent(QShowEvent* event) {
    SetWindow::showEvent(event);
    GrowToFit();
}

void WorkingWindow::Refresh() {
    text_ = WorkingTextOf(app_.EquationText(), PlacesOf(AccuracyTextOf(app_)),
                          app_.DecimalSeparator(), isRightToLeft());
    lines_->setPlainText(PlainTextOf(text_));
    GrowToFit();
}

// The room the lines take unwrapped, within the text view's margins; a line too long to measure
// counts as wider than the screen.
QSize WorkingWindow::TextSize() const {
    const QFontMetrics metrics(lines_->font());
    int width = 0;
    const QStringList shown = Lines();
    for (const QString& line : shown) {
        width =
            std::max(width, line.size() > kLongestMeasuredLine ? QWIDGETSIZE_MAX / 2
                                                               : metrics.horizontalAdvance(line));
    }
    const int margin = 2 * static_cast<int>(lines_->document()->documentMargin());
    // The caret's width, and a pixel for the ink that may stand out of the last advance.
    const int slack = lines_->cursorWidth() + 1;
    return QSize(width + margin + slack,
                 static_cast<int>(shown.size()) * metrics.lineSpacing() + margin);
}

// Larger where the lines need more room, as far as the screen goes; never smaller, so that the
// window does not jump about while the user types. A line that still does not fit wraps, and the
// window then takes the height of the wrapped lines, as far as the screen goes.
void WorkingWindow::GrowToFit() {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return;
    }
    const QRect available = shown->availableGeometry();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize room = available.size().shrunkBy(frame);
    QSize wanted = TextSize().boundedTo(room).expandedTo(size());
    if (wanted != size()) {
        setGeometry(FitOnScreen({geometry().topLeft(), wanted}, frame, available));
    }
    // Wrapped lines take more height than counted: the scroll bar tells how much.
    const QScrollBar& scroll = *lines_->verticalScrollBar();
    if (scroll.maximum() > 0 && height() < room.height()) {
        const int more = scroll.maximum() * QFontMetrics(lines_->font()).lineSpacing();
        wanted.setHeight(std::min(room.height(), height() + more));
        setGeometry(FitOnScreen({geometry().topLeft(), wanted}, frame, available));
    }
}

} // namespace veltrix::ui
