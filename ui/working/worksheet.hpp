// A worksheet: many equations, one a line, each worked out as the Working window works it and
// numbered as an exercise. The command line's --worksheet reads one from a file and writes it as
// plain text or, through worksheet_pages.hpp, as a PDF document.
#pragma once

#include "ui/working/working_text.hpp"
#include "ui/working/worksheet_options.hpp"

#include <QString>
#include <QStringList>
#include <vector>

namespace veltrix::ui {

// An equation of the file with the number of the line it stands on, counted from 1.
struct WorksheetEquation {
    int line = 0;
    QString equation;
};

// The equations of a worksheet's text: a line each, whether it ends in LF or CRLF, blank lines
// and lines that start with # (after any spaces) left out.
std::vector<WorksheetEquation> WorksheetEquations(const QString& text);

struct Worksheet {
    // Each equation's working, numbered from 1 in the order of the file; a working holds its steps
    // alone, without the hint on what to type for Calculate.
    std::vector<WorkingText> exercises;
    // Each equation that could not be worked out, as "Line 3: " and why.
    QStringList faults;
};

// The worksheet of `text`, each equation worked out by the method and in the school `choice`
// names at `places` decimal places, its numbers written with `separator`, its lines read from the
// right where `rightToLeft`.
Worksheet WorksheetOf(const QString& text, int places, char16_t separator, bool rightToLeft,
                      const WorkingChoice& choice = WorkingMethod::Formula);

// What a worksheet says besides its workings, in the user's language.
QString WorksheetTitle();
QString WorksheetInstruction();
QString AnswersHeading();
// The exercise's question: its number, then the equation as it was given.
WorkingTextLine QuestionLine(int number, const WorkingText& exercise, bool rightToLeft);

// The worksheet as plain text: the title and each question, its working under it, after all the
// questions or nowhere, as `answers` asks.
QString PlainTextOf(const Worksheet& sheet, WorksheetAnswers answers, bool rightToLeft);

// Why there is no worksheet: its file cannot be read, or its PDF cannot be written.
QString UnreadableWorksheetMessage(const QString& path, const QString& reason);
QString UnwritablePdfMessage(const QString& path, const QString& reason);

// Why `--working -` takes no second line: it works out one equation, which a worksheet does not.
QString OneEquationOnStandardInputMessage();

} // namespace veltrix::ui
