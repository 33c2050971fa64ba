#include "ui/working_lines.hpp"

#include <QFontMetricsF>
#include <QResizeEvent>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace veltrix::ui {

namespace {

// A line longer than this is wider than any screen, and is not laid out to be measured: that
// shapes every character of it, and long coefficients make lines of many thousands.
constexpr qsizetype kLongestMeasuredLine = 400;

} // namespace

WorkingLines::WorkingLines(QWidget& window) : QPlainTextEdit(&window) {
    setObjectName(QStringLiteral("Lines"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Between words where it can, inside a long number where it must.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Every line reads from the side the window reads from, the right under Arabic. A plain text
    // view aligns to the left unless told otherwise, whichever way its lines read.
    QTextOption reading = document()->defaultTextOption();
    reading.setTextDirection(window.layoutDirection());
    reading.setAlignment(window.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    document()->setDefaultTextOption(reading);
    setFrameShape(QFrame::NoFrame);
}

void WorkingLines::SetText(const QString& text) {
    setPlainText(text);
    DropNeedlessScrollBar();
}

void WorkingLines::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    DropNeedlessScrollBar();
}

// A scroll bar that came up while the text needed it narrows the width the lines wrap in, and
// so may keep itself needed when the text would fit the whole width. Laid out again without it,
// the view decides afresh. (Hidden, the view counts every line but the first as out of sight.)
void WorkingLines::DropNeedlessScrollBar() {
    if (droppingScrollBar_ || !isVisible() || viewport()->width() >= width() ||
        HeightForWidth(width()) > height()) {
        return;
    }
    droppingScrollBar_ = true;
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    droppingScrollBar_ = false;
}

QStringList WorkingLines::Lines() const {
    QStringList shown;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        shown << block.text();
    }
    return shown;
}

// The widest line within the document's margins, with the caret's width and a pixel for the ink
// that may stand out of the last advance.
int WorkingLines::UnwrappedWidth() const {
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString& line : Lines()) {
        if (line.size() > kLongestMeasuredLine) {
            return QWIDGETSIZE_MAX / 2;
        }
        width = std::max(width, metrics.horizontalAdvance(line));
    }
    const int margin = 2 * static_cast<int>(document()->documentMargin());
    return width + margin + cursorWidth() + 1;
}

// Laid out as the view lays its paragraphs out, within the document's margins, and the pixel
// the view wants clear below the last line before it counts that line in view.
int WorkingLines::HeightForWidth(int width) const {
    const double margin = document()->documentMargin();
    const double lineWidth = std::max(1.0, width - 2 * margin);
    double height = 2 * margin;
    for (const QString& line : Lines()) {
        height += WrappedHeight(line, lineWidth);
    }
    return static_cast<int>(std::ceil(height)) + 1;
}

double WorkingLines::WrappedHeight(const QString& line, double lineWidth) const {
    if (line.size() > kLongestMeasuredLine) {
        // As many lines as the measured part's width, scaled to the whole, needs.
        const QFontMetricsF metrics(font());
        const double measured = metrics.horizontalAdvance(line.left(kLongestMeasuredLine));
        const double whole = measured * static_cast<double>(line.size()) / kLongestMeasuredLine;
        return std::ceil(whole / lineWidth) * metrics.lineSpacing();
    }
    QTextLayout layout(line, font());
    layout.setTextOption(document()->defaultTextOption());
    layout.beginLayout();
    double height = 0;
    for (QTextLine wrapped = layout.createLine(); wrapped.isValid();
         wrapped = layout.createLine()) {
        wrapped.setLeadingIncluded(true);
        wrapped.setLineWidth(lineWidth);
        height += wrapped.height() + std::min(0.0, std::ceil(wrapped.leading()));
    }
    layout.endLayout();
    return height;
}

} // namespace veltrix::ui
