// The working as a whole LaTeX document, one exercise or a worksheet of many, in the user's
// language: Latin and Cyrillic scripts compile with pdflatex, Chinese, Japanese and Arabic with
// LuaLaTeX, with fonts that Debian ships.
#pragma once

#include "ui/working/working_text.hpp"
#include "ui/working/worksheet_options.hpp"

#include <QList>
#include <QString>
#include <QStringList>

namespace veltrix::ui {

// What a document in a language needs: its TeX engine, and the lines of its preamble that load
// the fonts and the language, TikZ for the sketch last.
struct LatexSetup {
    QString engine; // "pdflatex", "lualatex"
    QStringList packages;
    // Around the sketch: a picture keeps its left-to-right drawing inside right-to-left text.
    QString sketchBegin;
    QString sketchEnd;
};

// The setup for `language` as InstallTranslations names it ("ru", "zh_CN"; nothing for English).
LatexSetup LatexSetupOf(const QString& language);

// A comment in the user's language that says which engine and packages the working's LaTeX
// needs, one "% " line each.
QString LatexNeedsComment(const QString& language);

// The sketch of `text` as a TikZ picture, set left to right where the language needs it; nothing
// where there is no sketch.
QString SketchLatexOf(const WorkingText& text, const LatexSetup& setup);

// A document that compiles as it is: its first comment names the engine, then the preamble, and
// the exercises numbered where there are more than one, each working kept on one page with its
// sketch. `answers` says where the workings go; each question is the first formula of its working
// (the equation as given).
QString LatexDocumentOf(const QList<WorkingText>& exercises, WorksheetAnswers answers,
                        const QString& language);

} // namespace veltrix::ui
