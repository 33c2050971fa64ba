// The working of an equation in words: each step of the engine's working said in the user's
// language around its formulas, as plain text and as LaTeX. The Working window and the command
// line's --working both write it so.
#pragma once

#include <QString>
#include <QStringList>

namespace veltrix::ui {

struct WorkingText {
    QStringList plain; // one line a step, as the window shows it
    QStringList latex; // the same lines as LaTeX source, formulas in $…$
    // Why there is no working: the message Calculate gives for the equation; empty otherwise.
    QString failure;
};

// The working of `equation` at `places` decimal places, numbers written with `separator`. Where
// the language reads from the right, each formula is set apart as a left-to-right run, so that
// it keeps its order inside the words around it.
WorkingText WorkingTextOf(const QString& equation, int places, char16_t separator,
                          bool rightToLeft);

// The lines joined as a plain-text copy takes them, and as a LaTeX copy does (a paragraph each).
QString PlainTextOf(const WorkingText& text);
QString LatexOf(const WorkingText& text);

} // namespace veltrix::ui
