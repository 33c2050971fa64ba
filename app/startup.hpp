// What Veltrix settles before it opens any window: what the command line asks for, which of Qt's
// platform plugins to run on, and what to say when that plugin cannot reach its display.
#pragma once

#include "engine/working/methods.hpp"
#include "engine/working/schools.hpp"
#include "ui/working/worksheet_options.hpp"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace veltrix {

// The variables through which a session tells which display servers it offers, and through which
// the user may choose a platform plugin. An empty value counts as unset, as it does for Qt.
struct SessionEnvironment {
    QString qtPlatform;     // QT_QPA_PLATFORM
    QString x11Display;     // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
};

SessionEnvironment ReadSessionEnvironment();

QStringList CommandLineArguments(int argc, char* argv[]);

// What the command line is answered with.
enum class Answer {
    Help,      // --help
    Version,   // --version
    Fault,     // an argument that neither Veltrix nor Qt understands
    Working,   // --working: the working printed, without a display
    Worksheet, // --worksheet: the workings of many equations, printed or written as a PDF
    NoDisplay, // no display to open the windows on
    Windows    // the windows opened
};

// The command line, read once, before Qt exists.
struct CommandLine {
    Answer answer = Answer::Windows;
    // The platform plugin, or Qt's list of plugins to try in turn; nothing when the session has
    // no display and the user chose none. The empty name is Qt's default.
    std::optional<QString> platform;
    // The first argument that neither Veltrix nor Qt understands, said as a sentence; empty when
    // every argument is understood.
    QString fault;
    // --working EQUATION: the equation whose working is printed (kFromStandardInput: the one on
    // standard input), --accuracy N, the decimal places of its rounded roots, and --latex, which
    // asks for it as LaTeX, or --latex-document, as a whole LaTeX document.
    std::optional<QString> working;
    int accuracy = 2;
    bool latex = false;
    bool latexDocument = false;
    // --method NAME: the method the roots are found by (MethodId's names); nothing for the
    // school's own. --school ID: whose notation the working is written in; nothing for the
    // school of the session's locale.
    std::optional<WorkingMethod> method;
    const School* school = nullptr;
    // --worksheet FILE: the file of equations, one a line (kFromStandardInput: standard input),
    // --pdf FILE, where the worksheet is written as a PDF document rather than printed as plain
    // text, and --answers, where the workings stand.
    std::optional<QString> worksheet;
    std::optional<QString> pdf;
    ui::WorksheetAnswers answers = ui::WorksheetAnswers::With;
};

// The equation `--working -` stands for, and the file `--worksheet -` does: standard input.
inline constexpr QStringView kFromStandardInput = u"-";

// Reads the arguments, the program's name first. Qt's own options (-style NAME, -reverse, and on
// X -display NAME ...) are understood as QApplication will take them out of argv, so that only
// what it leaves counts as a fault.
//
// The platform: the user's own choice (the last -platform NAME or -platform=NAME, else
// QT_QPA_PLATFORM) always wins. Otherwise X whenever there is an X server, XWayland beside a
// Wayland compositor included, because only there do the windows open at their own places; then
// Wayland when it is all there is. On Windows and macOS, without a choice of the user's, the empty
// name.
//
// The answer is the first that applies of: the help, then the version, whatever else is given;
// a fault; the working; the worksheet; no display; the windows. So a wrong argument is named on any
// machine.
CommandLine ReadCommandLine(const SessionEnvironment& session, const QStringList& arguments);

void PrintHelp();
void PrintVersion();

// Says on standard error, in one line, that Veltrix needs a graphical display.
void ReportNoDisplay();

// Reports an argument not understood on standard error, with where to find the options.
void ReportFault(const QString& fault);

// Makes Qt load the chosen plugin (the empty name: Qt's default); to be called before the
// application object exists.
void UsePlatform(const QString& platform);

// The one line to say when no platform plugin could start, naming the display server that Veltrix
// chose and that did not answer; nothing for a plugin of the user's own choosing that needs no
// such display (Qt's own words then say best what went wrong).
std::optional<QString> UnreachableDisplayText(const QString& platform,
                                              const SessionEnvironment& session);

} // namespace veltrix
