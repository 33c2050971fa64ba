#include "ui/working/worksheet.hpp"

#include <QCoreApplication>
#include <algorithm>

namespace veltrix::ui {

namespace {

bool Skipped(const QString& line) {
    const QString text = line.trimmed();
    return text.isEmpty() || text.startsWith(u'#');
}

// A refusal said in one go: why the text cannot be read, without the hint on what to type for
// Calculate, which speaks to a user of the windows.
QString ReasonOf(const WorkingText& refused) {
    QStringList reason;
    for (const WorkingTextLine& line : refused.lines) {
        if (!line.hint) {
            reason << line.plain;
        }
    }
    return reason.join(u'\n');
}

void AddQuestions(QStringList& out, const Worksheet& sheet, bool rightToLeft) {
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        out << QuestionLine(static_cast<int>(i) + 1, sheet.exercises[i], rightToLeft).plain;
    }
}

void AddWorkings(QStringList& out, const Worksheet& sheet, bool rightToLeft) {
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        out << QString()
            << QuestionLine(static_cast<int>(i) + 1, sheet.exercises[i], rightToLeft).plain
            << PlainTextOf(sheet.exercises[i]);
    }
}

} // namespace

std::vector<WorksheetEquation> WorksheetEquations(const QString& text) {
    std::vector<WorksheetEquation> equations;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r')) {
            line.chop(1);
        }
        if (!Skipped(line)) {
            equations.push_back({static_cast<int>(i) + 1, line});
        }
    }
    return equations;
}

Worksheet WorksheetOf(const QString& text, int places, char16_t separator, bool rightToLeft,
                      const WorkingChoice& choice) {
    Worksheet sheet;
    for (const WorksheetEquation& equation : WorksheetEquations(text)) {
        WorkingText working =
            WorkingTextOf(equation.equation, places, separator, rightToLeft, choice);
        if (working.worked) {
            sheet.exercises.push_back(WithoutHints(std::move(working)));
        } else {
            sheet.faults << QCoreApplication::translate("Worksheet", "Line %1: %2",
                                                        "a line of a worksheet's file, then why it "
                                                        "cannot be worked out")
                                .arg(QString::number(equation.line), ReasonOf(working));
        }
    }
    return sheet;
}

QString WorksheetTitle() {
    return QCoreApplication::translate("Worksheet", "Worksheet");
}

QString WorksheetInstruction() {
    return QCoreApplication::translate("Worksheet", "Solve each equation and sketch its graph.");
}

QString AnswersHeading() {
    return QCoreApplication::translate("Worksheet", "Answers");
}

// The working's first formula is the equation as the student gave it, or as it was read.
WorkingTextLine QuestionLine(int number, const WorkingText& exercise, bool rightToLeft) {
    const QString words = QCoreApplication::translate("Worksheet", "%1. %2",
                                                      "an exercise's number, then its equation")
                              .arg(QString::number(number), QStringLiteral("%1"));
    if (exercise.lines.empty() || exercise.lines.front().formulas.empty()) {
        return LineOf(words.arg(QString()), {}, rightToLeft);
    }
    WorkingTextLine line = LineOf(words, {exercise.lines.front().formulas.front()}, rightToLeft);
    line.script = exercise.lines.front().script;
    return line;
}

QString PlainTextOf(const Worksheet& sheet, WorksheetAnswers answers, bool rightToLeft) {
    QStringList out{WorksheetTitle(), WorksheetInstruction()};
    if (answers == WorksheetAnswers::With) {
        AddWorkings(out, sheet, rightToLeft);
        return out.join(u'\n') + u'\n';
    }
    out << QString();
    AddQuestions(out, sheet, rightToLeft);
    if (answers == WorksheetAnswers::After) {
        out << QString() << AnswersHeading();
        AddWorkings(out, sheet, rightToLeft);
    }
    return out.join(u'\n') + u'\n';
}

QString UnreadableWorksheetMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Worksheet", "The worksheet %1 cannot be read: %2")
        .arg(path, reason);
}

QString UnwritablePdfMessage(const QString& path, const QString& reason) {
    return QCoreApplication::translate("Worksheet", "The PDF document %1 cannot be written: %2")
        .arg(path, reason);
}

QString OneEquationOnStandardInputMessage() {
    return QCoreApplication::translate(
        "Worksheet", "--working reads one equation from standard input, on one line; for "
                     "several, one a line, use --worksheet -.");
}

} // namespace veltrix::ui
