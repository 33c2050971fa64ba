#include "app/startup.hpp"

#include <QCommandLineParser>
#include <cstdio>
#include <span>

namespace veltrix {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kPlatform = QStringLiteral("platform");
const QString kWorking = QStringLiteral("working");
const QString kAccuracy = QStringLiteral("accuracy");

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
                                     "equation), and exits; needs no display."),
                      QStringLiteral("equation")});
    parser.addOption({kAccuracy,
                      QStringLiteral("With --working: the decimal places of the rounded roots, "
                                     "0, 1, 2 or 3 (2 unless given)."),
                      QStringLiteral("N")});
    QCommandLineOption platform(kPlatform, QString(), QStringLiteral("name"));
    platform.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(platform);
}

// How one of Qt's options takes its value. Qt is not consistent: some take the next argument
// even when nothing follows, some only when something does (and are left alone otherwise), some
// take it joined to the name after '='.
enum class Takes { Nothing, NextArgument, NextUnlessLast, JoinedValue };

struct QtOption {
    const char* name; // as Qt matches it: one dash; a JoinedValue one ends with '='
    Takes takes;
    bool onlyOnXcb = false; // known while the platform named so far starts with "xcb"
};

// QApplication's construction takes its options out of argv in these passes, one after the other,
// each over what the one before left (Qt 6.4, checked against the real one). Each accepts --name
// for -name.
constexpr QtOption kBeforeThePlugin[] = {
    {"-platformpluginpath", Takes::NextArgument}, {"-platform", Takes::NextArgument},
    {"-platformtheme", Takes::NextArgument},      {"-qwindowgeometry", Takes::NextArgument},
    {"-qwindowtitle", Takes::NextArgument},       {"-qwindowicon", Takes::NextArgument},
    {"-geometry", Takes::NextArgument, true},     {"-title", Takes::NextArgument, true},
    {"-icon", Takes::NextArgument, true}};
constexpr QtOption kXcbPlugin[] = {{"-display", Takes::NextUnlessLast},
                                   {"-name", Takes::NextUnlessLast},
                                   {"-visual", Takes::NextUnlessLast},
                                   {"-nograb", Takes::Nothing},
                                   {"-dograb", Takes::Nothing}};
constexpr QtOption kCore[] = {{"-qmljsdebugger=", Takes::JoinedValue},
                              {"-qmljsdebugger", Takes::NextUnlessLast}};
constexpr QtOption kGui[] = {
    {"-plugin", Takes::NextArgument},    {"-reverse", Takes::Nothing},
    {"-session", Takes::NextUnlessLast}, {"-testability", Takes::Nothing},
    {"-style=", Takes::JoinedValue},     {"-style", Takes::NextUnlessLast}};
constexpr QtOption kWidgets[] = {{"-qdevel", Takes::Nothing},
                                 {"-qdebug", Takes::Nothing},
                                 {"-stylesheet", Takes::NextUnlessLast},
                                 {"-stylesheet=", Takes::JoinedValue},
                                 {"-widgetcount", Takes::Nothing}};

bool Matches(const QtOption& option, QStringView argument, const QString& platform) {
    if (option.onlyOnXcb && !platform.startsWith(QLatin1String("xcb"))) {
        return false;
    }
    const QLatin1String name(option.name);
    return option.takes == Takes::JoinedValue ? argument.startsWith(name) : argument == name;
}

const QtOption* FindQtOption(std::span<const QtOption> options, const QString& argument,
                             const QString& platform) {
    QStringView spelled(argument);
    if (spelled.startsWith(QLatin1String("--"))) {
        spelled = spelled.mid(1);
    }
    for (const QtOption& option : options) {
        if (Matches(option, spelled, platform)) {
            return &option;
        }
    }
    return nullptr;
}

// One pass: the arguments it leaves. `platform` follows the -platform options read so far, as the
// platform Qt will load does.
QStringList TakeOut(const QStringList& arguments, std::span<const QtOption> options,
                    QString& platform) {
    if (arguments.isEmpty()) {
        return arguments;
    }
    QStringList left{arguments.first()};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QtOption* option =
            argument.startsWith(u'-') ? FindQtOption(options, argument, platform) : nullptr;
        if (option == nullptr ||
            (option->takes == Takes::NextUnlessLast && i == arguments.size() - 1)) {
            left.append(argument);
        } else if (option->takes == Takes::NextArgument || option->takes == Takes::NextUnlessLast) {
            if (++i < arguments.size() &&
                QLatin1String(option->name) == QLatin1String("-platform")) {
                platform = arguments[i];
            }
        }
    }
    return left;
}

// What QApplication leaves of the arguments once started on `platform`.
QStringList WithoutQtOptions(QStringList arguments, QString platform) {
    arguments = TakeOut(arguments, kBeforeThePlugin, platform);
    if (platform.section(u';', 0, 0) == QLatin1String("xcb")) {
        arguments = TakeOut(arguments, kXcbPlugin, platform);
    }
    arguments = TakeOut(arguments, kCore, platform);
    arguments = TakeOut(arguments, kGui, platform);
    return TakeOut(arguments, kWidgets, platform);
}

// The accuracy --accuracy asks for, or nothing for a text that is not one of 0, 1, 2 and 3.
std::optional<int> AccuracyOption(const QString& text) {
    if (text.size() != 1 || text[0] < u'0' || text[0] > u'3') {
        return std::nullopt;
    }
    return text[0].unicode() - u'0';
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
    if (parser.isSet(kAccuracy) && !parser.isSet(kWorking)) {
        return QStringLiteral("Option 'accuracy' goes with option 'working'.");
    }
    if (parser.isSet(kAccuracy) && !AccuracyOption(parser.value(kAccuracy))) {
        return QStringLiteral("The accuracy must be 0, 1, 2 or 3, not '%1'.")
            .arg(parser.value(kAccuracy));
    }
    return QString();
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
    commandLine.helpWanted = parser.isSet(kHelp);
    commandLine.versionWanted = parser.isSet(kVersion);
    // The last -platform counts, as it does for Qt; one without a name chooses nothing.
    const QString chosen = parser.value(kPlatform);
    commandLine.platform = chosen.isEmpty() ? PlatformOfTheSession(session) : chosen;
    commandLine.fault =
        FirstFault(WithoutQtOptions(arguments, commandLine.platform.value_or(QString())));
    if (parser.isSet(kWorking)) {
        commandLine.working = parser.value(kWorking);
        commandLine.accuracy = AccuracyOption(parser.value(kAccuracy)).value_or(2);
    }
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
