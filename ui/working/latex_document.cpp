#include "ui/working/latex_document.hpp"

#include "engine/formula/latex.hpp"
#include "engine/sketch/sketch_tikz.hpp"

#include <QCoreApplication>
#include <variant>

namespace veltrix::ui {

namespace {

constexpr char kContext[] = "Working";
const QString kTikz = QStringLiteral("\\usepackage{tikz}");
// The room a question leaves for its working where the sheet gives no answers.
const QString kRoomToWrite = QStringLiteral("\\vspace{6cm}");

QString Translated(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// Chinese and Japanese through LuaTeX-ja, in the Noto CJK fonts of the language's own glyphs.
LatexSetup CjkSetup(const QString& fontRegion) {
    return {QStringLiteral("lualatex"),
            {QStringLiteral("\\usepackage{luatexja-fontspec}"),
             QStringLiteral("\\setmainjfont{Noto Serif CJK %1}").arg(fontRegion),
             QStringLiteral("\\setsansjfont{Noto Sans CJK %1}").arg(fontRegion), kTikz},
            {},
            {}};
}

// Arabic from the right through babel, in Amiri, which has Latin letters too (the working's x
// and y in its words); the sketch is drawn in English, from the left, or its labels would stand
// apart from the curve.
LatexSetup ArabicSetup() {
    return {QStringLiteral("lualatex"),
            {QStringLiteral("\\usepackage[english,bidi=basic]{babel}"),
             QStringLiteral("\\babelprovide[import,main]{arabic}"),
             QStringLiteral("\\babelfont{rm}{Amiri}"), kTikz},
            QStringLiteral("\\begin{otherlanguage}{english}\n"),
            QStringLiteral("\\end{otherlanguage}\n")};
}

// The question of an exercise: the first formula of its working, the equation as given.
QString QuestionOf(const WorkingText& exercise) {
    for (const WorkingTextLine& line : exercise.lines) {
        if (!line.hint && !line.formulas.empty()) {
            return u'$' + QString::fromStdU16String(math::Latex(line.formulas.front())) + u'$';
        }
    }
    return exercise.lines.empty() ? QString() : exercise.lines.front().latex;
}

// The working's lines and sketch in a box that no page break splits, `before` above them.
QString WorkingBlock(const WorkingText& exercise, const LatexSetup& setup, const QString& before) {
    QStringList paragraphs;
    if (!before.isEmpty()) {
        paragraphs << before;
    }
    for (const WorkingTextLine& line : exercise.lines) {
        if (!line.hint) {
            paragraphs << line.latex;
        }
    }
    const QString sketch = SketchLatexOf(exercise, setup);
    if (!sketch.isEmpty()) {
        paragraphs << sketch;
    }
    // A minipage's own paragraphs have no space between them.
    return QStringLiteral("\\begin{minipage}[t]{\\linewidth}\n"
                          "\\setlength{\\parskip}{0.5\\baselineskip}\n") +
           paragraphs.join(QStringLiteral("\n\n")) + QStringLiteral("\n\\end{minipage}\n");
}

// `items` as a numbered list.
QString Enumerated(const QStringList& items) {
    QString list = QStringLiteral("\\begin{enumerate}\n");
    for (const QString& item : items) {
        list += QStringLiteral("\\item ") + item + u'\n';
    }
    return list + QStringLiteral("\\end{enumerate}\n");
}

QString Body(const QList<WorkingText>& exercises, WorksheetAnswers answers,
             const LatexSetup& setup) {
    if (exercises.size() == 1 && answers == WorksheetAnswers::With) {
        return WorkingBlock(exercises.front(), setup, {});
    }
    QStringList questions;
    QStringList workings;
    for (const WorkingText& exercise : exercises) {
        const QString question = QuestionOf(exercise);
        switch (answers) {
        case WorksheetAnswers::With:
            questions << WorkingBlock(exercise, setup, question);
            break;
        case WorksheetAnswers::After:
            questions << question;
            workings << WorkingBlock(exercise, setup, {});
            break;
        case WorksheetAnswers::None:
            questions << question + u'\n' + kRoomToWrite;
            break;
        }
    }
    QString body = Enumerated(questions);
    if (!workings.isEmpty()) {
        body += QStringLiteral("\n\\clearpage\n\\section*{%1}\n")
                    .arg(Translated(QT_TRANSLATE_NOOP("Working", "Answers"))) +
                Enumerated(workings);
    }
    return body;
}

} // namespace

LatexSetup LatexSetupOf(const QString& language) {
    if (language.startsWith(QLatin1String("ja"))) {
        return CjkSetup(QStringLiteral("JP"));
    }
    if (language.startsWith(QLatin1String("zh"))) {
        return CjkSetup(QStringLiteral("SC"));
    }
    if (language.startsWith(QLatin1String("ar"))) {
        return ArabicSetup();
    }
    if (language.startsWith(QLatin1String("ru"))) {
        return {QStringLiteral("pdflatex"),
                {QStringLiteral("\\usepackage[T2A]{fontenc}"),
                 QStringLiteral("\\usepackage[russian]{babel}"), kTikz},
                {},
                {}};
    }
    // The Latin alphabets' accented letters (Polish ą, ę) in fonts of their own.
    return {QStringLiteral("pdflatex"),
            {QStringLiteral("\\usepackage[T1]{fontenc}"), QStringLiteral("\\usepackage{lmodern}"),
             kTikz},
            {},
            {}};
}

QString LatexNeedsComment(const QString& language) {
    const LatexSetup setup = LatexSetupOf(language);
    QStringList lines = {
        Translated(QT_TRANSLATE_NOOP("Working",
                                     "Compile with %1, with these lines before \\begin{document}:"))
            .arg(setup.engine)};
    lines << setup.packages;
    return QStringLiteral("% ") + lines.join(QStringLiteral("\n% "));
}

QString SketchLatexOf(const WorkingText& text, const LatexSetup& setup) {
    if (!text.sketch) {
        return {};
    }
    // Planned with LaTeX's own text widths.
    const char16_t separator = text.sketch->separator;
    const SketchOutcome plan = PlanSketch(
        *text.sketch, [separator](std::u16string_view t) { return LatexTextExtent(t, separator); });
    const auto* picture = std::get_if<SketchPlan>(&plan);
    return picture ? setup.sketchBegin + QString::fromStdU16String(TikzPicture(*picture)) +
                         setup.sketchEnd
                   : QString();
}

QString LatexDocumentOf(const QList<WorkingText>& exercises, WorksheetAnswers answers,
                        const QString& language) {
    const LatexSetup setup = LatexSetupOf(language);
    QStringList preamble = {
        QStringLiteral("% ") +
            Translated(QT_TRANSLATE_NOOP("Working", "Compile with %1.")).arg(setup.engine),
        QStringLiteral("\\documentclass[a4paper]{article}")};
    preamble << setup.packages;
    // Paragraphs apart rather than indented, and fractions in lines as tall as in a display.
    preamble << QStringLiteral("\\setlength{\\parindent}{0pt}")
             << QStringLiteral("\\setlength{\\parskip}{0.5\\baselineskip}")
             << QStringLiteral("\\everymath{\\displaystyle}")
             << QStringLiteral("\\begin{document}\n");
    return preamble.join(u'\n') + Body(exercises, answers, setup) +
           QStringLiteral("\\end{document}\n");
}

} // namespace veltrix::ui
