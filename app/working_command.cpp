#include "app/working_command.hpp"

#include "ui/shared/translations.hpp"
#include "ui/working/latex_document.hpp"
#include "ui/working/method_and_school.hpp"
#include "ui/working/working_text.hpp"
#include "ui/working/worksheet.hpp"
#include "ui/working/worksheet_pages.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QList>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

namespace veltrix {

namespace {

QByteArray StandardInput() {
    QFile input;
    return input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
}

// All that standard input holds, however long (an argument has the system's length limit), but
// the line breaks that end it, as echo writes one and a Windows editor writes CRLF; nothing where
// a second line follows, which --worksheet reads.
std::optional<QString> EquationOnStandardInput() {
    QByteArray equation = StandardInput();
    while (equation.endsWith('\n') || equation.endsWith('\r')) {
        equation.chop(1);
    }
    if (equation.contains('\n')) {
        return std::nullopt;
    }
    return QString::fromLocal8Bit(equation);
}

void PrintLine(std::FILE* stream, const QString& text) {
    std::fputs((text + u'\n').toUtf8().constData(), stream);
}

bool RightToLeft(const QString& language) {
    return !language.isEmpty() && QLocale(language).textDirection() == Qt::RightToLeft;
}

// The worksheet's file, or standard input for "-"; nothing, with the reason said, where it cannot
// be read.
std::optional<QString> WorksheetFile(const QString& path) {
    if (path == kFromStandardInput) {
        return QString::fromLocal8Bit(StandardInput());
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        PrintLine(stderr, ui::UnreadableWorksheetMessage(path, file.errorString()));
        return std::nullopt;
    }
    return QString::fromLocal8Bit(file.readAll());
}

// Prints the worksheet as plain text or as a LaTeX document, or writes it as a PDF; false where
// its PDF cannot be written.
bool WriteWorksheet(const ui::Worksheet& sheet, const CommandLine& commandLine,
                    const QString& language) {
    const bool rightToLeft = RightToLeft(language);
    if (!commandLine.pdf) {
        const QString printed =
            commandLine.latexDocument
                ? ui::LatexDocumentOf(
                      QList<ui::WorkingText>(sheet.exercises.begin(), sheet.exercises.end()),
                      commandLine.answers, language)
                : ui::PlainTextOf(sheet, commandLine.answers, rightToLeft);
        std::fputs(printed.toUtf8().constData(), stdout);
        return true;
    }
    const std::optional<QString> failure =
        ui::WritePdf(*commandLine.pdf, ui::WorksheetTitle(), [&](QPagedPaintDevice& pdf) {
            return ui::PaintWorksheet(pdf, sheet, commandLine.answers, rightToLeft);
        });
    if (failure) {
        PrintLine(stderr, ui::UnwritablePdfMessage(*commandLine.pdf, *failure));
    }
    return !failure;
}

// The working as the command line asks for it: plain text, the LaTeX a copy takes or a whole
// LaTeX document.
QString Printed(const ui::WorkingText& working, const CommandLine& commandLine,
                const QString& language) {
    if (commandLine.latexDocument) {
        return ui::LatexDocumentOf({working}, ui::WorksheetAnswers::With, language);
    }
    return commandLine.latex ? ui::LatexOf(working, language) : ui::PlainTextOf(working) + u'\n';
}

// The method and the school the command line chose; the session's school where it chose none.
WorkingChoice ChoiceOf(const CommandLine& commandLine) {
    return {commandLine.method,
            (commandLine.school != nullptr ? *commandLine.school : ui::SchoolOfSession()).id};
}

} // namespace

int PrintWorking(int& argc, char* argv[], const CommandLine& commandLine) {
    // The application object holds the translations; no window system is started.
    const QCoreApplication application(argc, argv);
    const QString language = ui::InstallTranslations(ui::SessionLanguages());
    const bool rightToLeft = RightToLeft(language);
    const std::optional<QString> equation =
        commandLine.working == kFromStandardInput ? EquationOnStandardInput() : commandLine.working;
    if (!equation) {
        PrintLine(stderr, ui::OneEquationOnStandardInputMessage());
        return EXIT_FAILURE;
    }
    const ui::WorkingText text = ui::WorkingTextOf(*equation, commandLine.accuracy,
                                                   ui::DecimalSeparatorOf(QLocale::system()),
                                                   rightToLeft, ChoiceOf(commandLine));
    // UTF-8, as Qt writes every 8-bit text on these systems, whatever the locale.
    if (!text.worked) {
        PrintLine(stderr, ui::PlainTextOf(text));
        return EXIT_FAILURE;
    }
    // The working alone on standard output, as a worksheet takes it; the hint after it, on
    // standard error, so that it reaches the student but no file the output is written to.
    const QString printed = Printed(ui::WithoutHints(text), commandLine, language);
    std::fputs(printed.toUtf8().constData(), stdout);
    std::fflush(stdout);
    for (const ui::WorkingTextLine& line : text.lines) {
        if (line.hint) {
            PrintLine(stderr, line.plain);
        }
    }
    return EXIT_SUCCESS;
}

int PrintWorksheet(int& argc, char* argv[], const CommandLine& commandLine) {
    // A PDF's texts are measured and drawn with the fonts of a GUI application, which needs no
    // window system: the offscreen platform serves on a machine without a display too.
    std::unique_ptr<QCoreApplication> application;
    if (commandLine.pdf) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    const QString language = ui::InstallTranslations(ui::SessionLanguages());
    const bool rightToLeft = RightToLeft(language);
    const std::optional<QString> file = WorksheetFile(*commandLine.worksheet);
    if (!file) {
        return EXIT_FAILURE;
    }
    const ui::Worksheet sheet =
        ui::WorksheetOf(*file, commandLine.accuracy, ui::DecimalSeparatorOf(QLocale::system()),
                        rightToLeft, ChoiceOf(commandLine));
    const bool written = WriteWorksheet(sheet, commandLine, language);
    std::fflush(stdout);
    for (const QString& fault : sheet.faults) {
        PrintLine(stderr, fault);
    }
    return written && sheet.faults.isEmpty() ? EXIT_SUCCESS : EXIT_FAILURE;
}

} // namespace veltrix
