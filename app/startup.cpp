#include "app/startup.hpp"

#include "app/qt_options.hpp"

#include <QCommandLineParser>
#include <cstdio>

namespace veltrix {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kPlatform = QStringLiteral("platform");
const QString kWorking = QStringLiteral("working");
const QString kAccuracy = QStringLiteral("accuracy");
const QString kLatex = QStringLiteral("latex");
const QString kWorksheet = QStringLiteral("worksheet");
const QString kPdf = QStringLiteral("pdf");
const QString kAnswers = QStringLiteral("answers");
const QString kLatexDocument = QStringLiteral("latex-document");
const QString kMethod = QStringLiteral("method");
const QString kSchool = QStringLiteral("school");

// An id of the program's tables, in ASCII.
QString Latin(std::string_view id) {
    return QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
}

// The schools' ids, as --help and a refusal list them.
QString SchoolIds() {
    QStringList ids;
    for (const School& school : Schools()) {
        ids << Latin(school.id);
    }
    return ids.join(QStringLiteral(", "));
}

// Veltrix's own options. -platform is Qt's, but it is known here too: it decides the platform,
// and its -platform=NAME spelling, which Qt itself does not read, must not count as unknown.
void DescribeOptions(QCommandLineParser& parser) {
    // Qt's options are single-dash words (-platform, -style), so Veltrix reads its own alike.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Veltrix solves quadratic equations y = ax^2 + bx + c typed on one line, as in\n"
        "10X^2-2X-3: it finds the two roots, gives the value of y at a chosen x and plots\n"
        "the curve, each in a window of its own."));
    parser.addOption({{QStringLiteral("h"), kHelp}, QStringLiteral("Displays this help.")});
    parser.addOption({{QStringLiteral("v"), kVersion}, QStringLiteral("Displays the version.")});
    parser.addOption({kWorking,
                      QStringLiteral("Prints the working for <equation>, as the Working window "
                                     "shows it (the discriminant, the exact and the rounded "
                                     "roots, the turning point and the forms of the "
                                     "equation), and exits; needs no display. The equation "
                                     "is read as students write it (x^2-4, y = x^2 - 5x + 6, "
                                     "6 - 5x + x^2 = 0); a text it cannot read is named with "
                                     "its place on standard error. Given - as <equation>, "
                                     "reads the equation from standard input instead, "
                                     "however long, on one line: for several, use "
                                     "--worksheet -."),
                      QStringLiteral("equation")});
    parser.addOption(
        {kAccuracy,
         QStringLiteral("With --working or --worksheet: the decimal places of the rounded roots, "
                        "0, 1, 2 or 3 (2 unless given)."),
         QStringLiteral("N")});
    parser.addOption({kLatex, QStringLiteral("With --working: prints the working as LaTeX "
                                             "source, as the Working window's Copy as LaTeX "
                                             "copies it, with a TikZ sketch of the curve.")});
    parser.addOption(
        {kLatexDocument,
         QStringLiteral("With --working or --worksheet: prints the working as a whole LaTeX "
                        "document in the session's language, its first line naming the program "
                        "that compiles it (pdflatex, or lualatex for Chinese, Japanese and "
                        "Arabic); a worksheet's exercises numbered, their workings where "
                        "--answers puts them.")});
    parser.addOption({kWorksheet,
                      QStringLiteral("Prints the working of every equation in <file>, one "
                                     "equation a line, as numbered exercises, and exits; needs "
                                     "no display. Blank lines and lines that start with # are "
                                     "skipped. A line that cannot be read is named with its "
                                     "number and reason on standard error, the others still "
                                     "worked out, and the exit status is then 1. Given - as "
                                     "<file>, reads standard input."),
                      QStringLiteral("file")});
    parser.addOption({kPdf,
                      QStringLiteral("With --worksheet: writes the worksheet to <file> as a PDF "
                                     "document, on the locale's paper (Letter in the United "
                                     "States and Canada, else A4), each exercise's working "
                                     "with its sketch."),
                      QStringLiteral("file")});
    parser.addOption({kAnswers,
                      QStringLiteral("With --worksheet: 'with' puts each working under its "
                                     "question (unless given), 'after' gives the questions "
                                     "first and the workings after them as an answer key, "
                                     "'none' the questions only, with room to write."),
                      QStringLiteral("with|after|none")});
    parser.addOption(
        {kMethod,
         QStringLiteral("With --working or --worksheet: the method the roots are found by: "
                        "school (the default: the method the school teaches for the "
                        "equation, or the roots read off at once where it is a product "
                        "equal to 0 or a square equal to a number), formula (the "
                        "quadratic formula), square (completing the square), "
                        "factor (factoring), pq (the pq-formula), half-b (the "
                        "half-b formula, for an even b) or at-once (read off a "
                        "product or a square as the equation gives it). Where the "
                        "method does not apply, a line says why and the formula's "
                        "working follows."),
         QStringLiteral("name")});
    parser.addOption(
        {kSchool,
         QStringLiteral("With --working or --worksheet: the school whose notation the working "
                        "is written in, and whose method it takes without --method: %1 "
                        "(unless given, the school of the locale of LC_ALL, LC_MESSAGES or "
                        "LANG).")
             .arg(SchoolIds()),
         QStringLiteral("id")});
    QCommandLineOption platform(kPlatform, QString(), QStringLiteral("name"));
    platform.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(platform);
}

// The accuracy --accuracy asks for, or nothing for a text that is not one of 0, 1, 2 and 3.
std::optional<int> AccuracyOption(const QString& text) {
    if (text.size() != 1 || text[0] < u'0' || text[0] > u'3') {
        return std::nullopt;
    }
    return text[0].unicode() - u'0';
}

// The answers --answers asks for, or nothing for a text that names none.
std::optional<ui::WorksheetAnswers> AnswersOption(const QString& text) {
    if (text == QLatin1String("with")) {
        return ui::WorksheetAnswers::With;
    }
    if (text == QLatin1String("after")) {
        return ui::WorksheetAnswers::After;
    }
    if (text == QLatin1String("none")) {
        return ui::WorksheetAnswers::None;
    }
    return std::nullopt;
}

// An option given twice would leave one of its values unused without a word, as the first
// equation of "--working A --working B" was. Qt's -platform is not Veltrix's: there the last
// one counts, as it does for Qt.
QString RepeatedOption(const QCommandLineParser& parser) {
    QStringList found;
    for (const QString& name : parser.optionNames()) {
        found << (name == QLatin1String("h")   ? kHelp
                  : name == QLatin1String("v") ? kVersion
                                               : name);
    }
    for (const QString& option : found) {
        if (option != kPlatform && found.count(option) > 1) {
            return QStringLiteral("Option '%1' is given more than once; give it once.").arg(option);
        }
    }
    return QString();
}

// Options that say how an equation is worked out or written, each with the options it goes with.
QString OptionWithout(const QCommandLineParser& parser) {
    const bool equations = parser.isSet(kWorking) || parser.isSet(kWorksheet);
    for (const QString& option : {kAccuracy, kMethod, kSchool}) {
        if (parser.isSet(option) && !equations) {
            return QStringLiteral("Option '%1' goes with option 'working' or 'worksheet'.")
                .arg(option);
        }
    }
    if (parser.isSet(kLatex) && !parser.isSet(kWorking)) {
        return QStringLiteral("Option 'latex' goes with option 'working'.");
    }
    if (parser.isSet(kLatexDocument) && !equations) {
        return QStringLiteral("Option 'latex-document' goes with option 'working' or 'worksheet'.");
    }
    if (parser.isSet(kLatexDocument) && parser.isSet(kPdf)) {
        return QStringLiteral("Option 'pdf' cannot go with option 'latex-document'.");
    }
    for (const QString& option : {kPdf, kAnswers}) {
        if (parser.isSet(option) && !parser.isSet(kWorksheet)) {
            return QStringLiteral("Option '%1' goes with option 'worksheet'.").arg(option);
        }
    }
    if (parser.isSet(kWorking) && parser.isSet(kWorksheet)) {
        return QStringLiteral("Option 'working' cannot go with option 'worksheet'.");
    }
    return QString();
}

// What --method takes for the school's own method, beside the methods' names.
constexpr char kSchoolsOwn[] = "school";

// The method --method names, or nothing for the school's own and for a name that is none.
std::optional<WorkingMethod> MethodOption(const QString& name) {
    return MethodNamed(name.toStdString());
}

bool IsMethodName(const QString& name) {
    return name == QLatin1String(kSchoolsOwn) || MethodOption(name);
}

QString FaultyValue(const QCommandLineParser& parser) {
    if (parser.isSet(kAccuracy) && !AccuracyOption(parser.value(kAccuracy))) {
        return QStringLiteral("The accuracy must be 0, 1, 2 or 3, not '%1'.")
            .arg(parser.value(kAccuracy));
    }
    if (parser.isSet(kAnswers) && !AnswersOption(parser.value(kAnswers))) {
        return QStringLiteral("The answers must be 'with', 'after' or 'none', not '%1'.")
            .arg(parser.value(kAnswers));
    }
    if (parser.isSet(kMethod) && !IsMethodName(parser.value(kMethod))) {
        QStringList names = {QLatin1String(kSchoolsOwn)};
        for (const NamedMethod& named : kNamedMethods) {
            names << Latin(named.id);
        }
        return QStringLiteral("The method must be one of %1, not '%2'.")
            .arg(names.join(QStringLiteral(", ")), parser.value(kMethod));
    }
    if (parser.isSet(kSchool) && SchoolNamed(parser.value(kSchool).toStdString()) == nullptr) {
        return QStringLiteral("The school must be one of %1, not '%2'.")
            .arg(SchoolIds(), parser.value(kSchool));
    }
    return QString();
}

QString FirstFault(const QStringList& arguments) {
    QCommandLineParser parser;
    DescribeOptions(parser);
    if (!parser.parse(arguments)) {
        return parser.errorText();
    }
    if (!parser.positionalArguments().isEmpty()) {
        return QStringLiteral("Unexpected argument '%1'.")
            .arg(parser.positionalArguments().first());
    }
    for (const QString& fault : {RepeatedOption(parser), OptionWithout(parser)}) {
        if (!fault.isEmpty()) {
            return fault;
        }
    }
    return FaultyValue(parser);
}

// Without a display the arguments are checked as on X, where Qt takes the most options: what is
// wrong there is wrong everywhere, and X's own are not called unknown for want of X.
const QString kPlatformTakingMost = QStringLiteral("xcb");

Answer AnswerTo(const CommandLine& commandLine, const QCommandLineParser& parser) {
    if (parser.isSet(kHelp)) {
        return Answer::Help;
    }
    if (parser.isSet(kVersion)) {
        return Answer::Version;
    }
    if (!commandLine.fault.isEmpty()) {
        return Answer::Fault;
    }
    if (commandLine.working) {
        return Answer::Working;
    }
    if (commandLine.worksheet) {
        return Answer::Worksheet;
    }
    return commandLine.platform ? Answer::Windows : Answer::NoDisplay;
}

std::optional<QString> PlatformOfTheSession(const SessionEnvironment& session) {
    if (!session.qtPlatform.isEmpty()) {
        return session.qtPlatform;
    }
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
    // One window system, always there: Qt's default plugin is the only one.
    return QString();
#else
    const bool x11 = !session.x11Display.isEmpty();
    const bool wayland = !session.waylandDisplay.isEmpty();
    if (x11 && wayland) {
        // Qt tries the plugins in turn: Wayland still serves when XWayland cannot be reached.
        return QStringLiteral("xcb;wayland");
    }
    if (x11) {
        return QStringLiteral("xcb");
    }
    if (wayland) {
        return QStringLiteral("wayland");
    }
    return std::nullopt;
#endif
}

// The display a platform plugin of Veltrix's choosing connects to, named for the user.
std::optional<QString> DisplayNamed(QStringView plugin, const SessionEnvironment& session) {
    if (plugin == QLatin1String("xcb") && !session.x11Display.isEmpty()) {
        return QStringLiteral("the display \"%1\"").arg(session.x11Display);
    }
    if (plugin == QLatin1String("wayland") && !session.waylandDisplay.isEmpty()) {
        return QStringLiteral("the Wayland display \"%1\"").arg(session.waylandDisplay);
    }
    return std::nullopt;
}

QString HelpText() {
    QCommandLineParser parser;
    DescribeOptions(parser);
    // Before the application object exists Qt cannot name the program in the usage line.
    QString text = parser.helpText();
    text.replace(QStringLiteral("<executable_name>"), QStringLiteral("veltrix"));
    return text + QStringLiteral("\nQt's own options are accepted too, such as -platform NAME to "
                                 "run on the platform\nplugin NAME (xcb, wayland, offscreen ...) "
                                 "and -style NAME.\n");
}

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

SessionEnvironment ReadSessionEnvironment() {
    return {qEnvironmentVariable("QT_QPA_PLATFORM"), qEnvironmentVariable("DISPLAY"),
            qEnvironmentVariable("WAYLAND_DISPLAY")};
}

QStringList CommandLineArguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

CommandLine ReadCommandLine(const SessionEnvironment& session, const QStringList& arguments) {
    // Veltrix's own options are looked for among all the arguments, Qt's left unknown here and
    // the parse's verdict not asked for: --help and --version answer whatever else is given.
    QCommandLineParser parser;
    DescribeOptions(parser);
    static_cast<void>(parser.parse(arguments));
    CommandLine commandLine;
    // The last -platform counts, as it does for Qt; one without a name chooses nothing.
    const QString chosen = parser.value(kPlatform);
    commandLine.platform = chosen.isEmpty() ? PlatformOfTheSession(session) : chosen;
    commandLine.fault = FirstFault(
        ArgumentsLeftByQt(arguments, commandLine.platform.value_or(kPlatformTakingMost)));
    if (parser.isSet(kWorking)) {
        commandLine.working = parser.value(kWorking);
        commandLine.latex = parser.isSet(kLatex);
    }
    if (parser.isSet(kWorksheet)) {
        commandLine.worksheet = parser.value(kWorksheet);
        if (parser.isSet(kPdf)) {
            commandLine.pdf = parser.value(kPdf);
        }
        commandLine.answers = AnswersOption(parser.value(kAnswers)).value_or(commandLine.answers);
    }
    if (commandLine.working || commandLine.worksheet) {
        commandLine.accuracy = AccuracyOption(parser.value(kAccuracy)).value_or(2);
        commandLine.latexDocument = parser.isSet(kLatexDocument);
        commandLine.method = MethodOption(parser.value(kMethod));
        commandLine.school = SchoolNamed(parser.value(kSchool).toStdString());
    }
    commandLine.answer = AnswerTo(commandLine, parser);
    return commandLine;
}

void PrintHelp() {
    Print(stdout, HelpText());
}

void PrintVersion() {
    Print(stdout, QStringLiteral("Veltrix %1\n").arg(QStringLiteral(VELTRIX_VERSION)));
}

void ReportNoDisplay() {
    std::fputs(
        "Veltrix needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
        stderr);
}

void ReportFault(const QString& fault) {
    Print(stderr,
          QStringLiteral("veltrix: %1\nTry 'veltrix --help' for more information.\n").arg(fault));
}

void UsePlatform(const QString& platform) {
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
    }
}

std::optional<QString> UnreachableDisplayText(const QString& platform,
                                              const SessionEnvironment& session) {
    QStringList displays;
    for (const QStringView plugin : QStringView(platform).split(u';')) {
        const std::optional<QString> display = DisplayNamed(plugin, session);
        if (!display) {
            return std::nullopt;
        }
        displays.append(*display);
    }
    return QStringLiteral("Veltrix could not connect to %1.")
        .arg(displays.join(QStringLiteral(" nor to ")));
}

} // namespace veltrix
