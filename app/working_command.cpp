#include "app/working_command.hpp"

#include "ui/shared/translations.hpp"
#include "ui/working/latex_document.hpp"
#include "ui/working/working_text.hpp"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace veltrix {

namespace {

// All that standard input holds, however long (an argument has the system's length limit), but
// the line break that ends it, as echo writes one.
QString EquationOnStandardInput() {
    QFile input;
    QByteArray equation = input.open(stdin, QIODevice::ReadOnly) ? input.readAll() : QByteArray();
    if (equation.endsWith('\n')) {
        equation.chop(1);
    }
    return QString::fromLocal8Bit(equation);
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

} // namespace

int PrintWorking(int& argc, char* argv[], const CommandLine& commandLine) {
    // The application object holds the translations; no window system is started.
    const QCoreApplication application(argc, argv);
    const QString language = ui::InstallTranslations(ui::SessionLanguages());
    const bool rightToLeft =
        !language.isEmpty() && QLocale(language).textDirection() == Qt::RightToLeft;
    const QString equation = commandLine.working == kFromStandardInput ? EquationOnStandardInput()
                                                                       : *commandLine.working;
    const ui::WorkingText text =
        ui::WorkingTextOf(equation, commandLine.accuracy, ui::DecimalSeparatorOf(QLocale::system()),
                          rightToLeft, commandLine.method);
    // UTF-8, as Qt writes every 8-bit text on these systems, whatever the locale.
    if (!text.worked) {
        std::fputs((ui::PlainTextOf(text) + u'\n').toUtf8().constData(), stderr);
        return EXIT_FAILURE;
    }
    // The working alone on standard output, as a worksheet takes it; the hint after it, on
    // standard error, so that it reaches the student but no file the output is written to.
    ui::WorkingText working = text;
    std::erase_if(working.lines, [](const ui::WorkingTextLine& line) { return line.hint; });
    const QString printed = Printed(working, commandLine, language);
    std::fputs(printed.toUtf8().constData(), stdout);
    std::fflush(stdout);
    for (const ui::WorkingTextLine& line : text.lines) {
        if (line.hint) {
            std::fputs((line.plain + u'\n').toUtf8().constData(), stderr);
        }
    }
    return EXIT_SUCCESS;
}

} // namespace veltrix
