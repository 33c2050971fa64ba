#include "app/startup.hpp"

#include <QCommandLineParser>
#include <cstdio>

namespace veltrix {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");
const QString kPlatform = QStringLiteral("platform");

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
    QCommandLineOption platform(kPlatform, QString(), QStringLiteral("name"));
    platform.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(platform);
}

// The parse of a command line that may still hold Qt's own options: they are unknown here and
// ignored, so the parse's own verdict is not asked for.
void ParseLeniently(QCommandLineParser& parser, const QStringList& arguments) {
    DescribeOptions(parser);
    static_cast<void>(parser.parse(arguments));
}

QString HelpText(const QCommandLineParser& parser) {
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

std::optional<QString> ChoosePlatform(const SessionEnvironment& session,
                                      const QStringList& arguments) {
    QCommandLineParser parser;
    ParseLeniently(parser, arguments);
    // The last -platform counts, as it does for Qt; one without a name chooses nothing.
    if (const QString chosen = parser.value(kPlatform); !chosen.isEmpty()) {
        return chosen;
    }
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

void UsePlatform(const QString& platform) {
    if (!platform.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", platform.toLocal8Bit());
    }
}

bool AnswerHelpOrVersion(const QStringList& arguments) {
    QCommandLineParser parser;
    ParseLeniently(parser, arguments);
    if (parser.isSet(kHelp)) {
        Print(stdout, HelpText(parser));
        return true;
    }
    if (parser.isSet(kVersion)) {
        Print(stdout, QStringLiteral("Veltrix %1\n").arg(QStringLiteral(VELTRIX_VERSION)));
        return true;
    }
    return false;
}

void ReportNoDisplay() {
    std::fputs(
        "Veltrix needs a graphical display, but neither DISPLAY nor WAYLAND_DISPLAY is set.\n",
        stderr);
}

bool AcceptsRemainingArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    DescribeOptions(parser);
    QString fault;
    if (!parser.parse(arguments)) {
        fault = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        fault =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    if (fault.isEmpty()) {
        return true;
    }
    Print(stderr,
          QStringLiteral("veltrix: %1\nTry 'veltrix --help' for more information.\n").arg(fault));
    return false;
}

} // namespace veltrix
