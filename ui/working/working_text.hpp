// The working of an equation in words: each step of the engine's working said in the user's
// language around its formulas, as plain text and as LaTeX. The Working window and the command
// line's --working both write it so.
#pragma once

#include "engine/formula/formula.hpp"
#include "engine/sketch/sketch.hpp"
#include "engine/working/working.hpp"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace veltrix::ui {

// One line of the working: a step's words in the user's language with its formulas in them.
struct WorkingTextLine {
    // The words, "%1", "%2" … standing where the formulas go; a line without formulas is its
    // words alone.
    QString words;
    std::vector<math::Formula> formulas;
    QString plain; // the words with each formula's plain text, as a plain-text copy takes them
    QString latex; // the words made safe for LaTeX, each formula in $…$
    // A hint on what to type for Calculate, Plot and Find a value, after the working: no step of
    // it, so neither its LaTeX nor the command line's output takes it.
    bool hint = false;
    // How the Working window sets the formulas: in the letters and digits of the school's books.
    // The plain text and the LaTeX keep Latin letters and ASCII digits whatever the school.
    FormulaScript script = FormulaScript::Latin;
};

struct WorkingText {
    // Every line the window shows: the working, or why there is none.
    std::vector<WorkingTextLine> lines;
    // Whether the lines are a working; otherwise they say why there is none.
    bool worked = false;
    // The curve and its points of interest, for the sketch below the lines; nothing where there
    // is no curve to draw.
    std::optional<SketchInput> sketch;
};

// The working of `equation` at `places` decimal places, numbers written with `separator`, by the
// method and in the notation of the school `choice` names; the forms go by the school's names for
// them where the language installed is the school's. Where
// the language reads from the right, each formula is set apart as a left-to-right run, so that
// it keeps its order inside the words around it.
WorkingText WorkingTextOf(const QString& equation, int places, char16_t separator, bool rightToLeft,
                          const WorkingChoice& choice = WorkingMethod::Formula);

// A line of `words`, its formulas standing where "%1", "%2" … do, as plain text and as LaTeX.
WorkingTextLine LineOf(const QString& words, const std::vector<math::Formula>& formulas,
                       bool rightToLeft);

// The working without its hint for the other windows, as a page or a file takes it: the hint
// speaks to the user at the screen.
WorkingText WithoutHints(WorkingText text);

// The lines joined as a plain-text copy takes them, and as a LaTeX copy does: a paragraph each,
// hints left out, after a comment in `language` that says what a document needs around them.
QString PlainTextOf(const WorkingText& text);
QString LatexOf(const WorkingText& text, const QString& language);

} // namespace veltrix::ui
