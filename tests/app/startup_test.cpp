#include "app/qt_options.hpp"
#include "app/startup.hpp"

#include <QProcess>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace veltrix {
namespace {

struct CommandLineCase {
    const char* what;
    SessionEnvironment session; // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
    QStringList arguments;      // after the program's name
    const char* platform;       // nullptr: no display
    const char* fault = "";
    std::optional<Answer> answer = std::nullopt; // nothing: not checked
    const char* working = nullptr;               // the equation of --working
    int accuracy = 2;
    bool latex = false;
    bool latexDocument = false;
    std::optional<WorkingMethod> method = std::nullopt; // nothing: the school's own
    const char* worksheet = nullptr;                    // the file of --worksheet
    const char* school = "";                            // empty: the session's
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << c.what;
}

std::string Shown(const std::optional<QString>& platform) {
    return platform ? platform->toStdString() : "no display";
}

class ReadCommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ReadCommandLineTest, ReadsWhatVeltrixAndQtUnderstand) {
    const CommandLineCase& c = GetParam();
    const QStringList arguments = QStringList{QStringLiteral("veltrix")} + c.arguments;
    const CommandLine commandLine = ReadCommandLine(c.session, arguments);
    EXPECT_EQ(Shown(commandLine.platform), c.platform ? c.platform : "no display");
    EXPECT_EQ(commandLine.fault.toStdString(), c.fault);
    EXPECT_EQ(commandLine.answer, c.answer.value_or(commandLine.answer));
    EXPECT_EQ(commandLine.working.value_or("none").toStdString(), c.working ? c.working : "none");
    EXPECT_EQ(commandLine.accuracy, c.accuracy);
    EXPECT_EQ(commandLine.latex, c.latex);
    EXPECT_EQ(commandLine.latexDocument, c.latexDocument);
    EXPECT_EQ(commandLine.method, c.method);
    EXPECT_EQ(commandLine.worksheet.value_or("none").toStdString(),
              c.worksheet ? c.worksheet : "none");
    EXPECT_EQ(commandLine.school ? commandLine.school->id : "", c.school);
}

const QString kX = QStringLiteral(":0");
const QString kWayland = QStringLiteral("wayland-0");
const SessionEnvironment kOnX{{}, kX, {}};
const SessionEnvironment kOffscreen{QStringLiteral("offscreen"), {}, {}};

INSTANTIATE_TEST_SUITE_P(
    Sessions, ReadCommandLineTest,
    testing::Values(
        CommandLineCase{"X11 alone", kOnX, {}, "xcb", "", Answer::Windows},
        CommandLineCase{"Wayland with XWayland", {{}, kX, kWayland}, {}, "xcb;wayland"},
        CommandLineCase{"Wayland alone", {{}, {}, kWayland}, {}, "wayland"},
        CommandLineCase{"no display", {}, {}, nullptr, "", Answer::NoDisplay},
        CommandLineCase{"X's own options without a display",
                        {},
                        {"-geometry", "9x9"},
                        nullptr,
                        "",
                        Answer::NoDisplay},
        CommandLineCase{"empty values count as unset", {"", "", kWayland}, {}, "wayland"},
        CommandLineCase{"QT_QPA_PLATFORM wins", {"wayland", kX, kWayland}, {}, "wayland"},
        CommandLineCase{"QT_QPA_PLATFORM without a display", kOffscreen, {}, "offscreen"},
        CommandLineCase{"-platform NAME", {}, {"-platform", "offscreen"}, "offscreen"},
        CommandLineCase{"--platform NAME", kOnX, {"--platform", "vnc"}, "vnc"},
        CommandLineCase{"-platform=NAME", {{}, kX, kWayland}, {"-platform=wayland"}, "wayland"},
        CommandLineCase{"-platform beats QT_QPA_PLATFORM",
                        {"xcb", kX, kWayland},
                        {"-platform", "wayland"},
                        "wayland"},
        CommandLineCase{"the last -platform counts",
                        kOnX,
                        {"-platform", "vnc", "-platform", "offscreen"},
                        "offscreen"},
        CommandLineCase{"-platform without a name", kOnX, {"-platform"}, "xcb"},
        CommandLineCase{"-platformtheme chooses no platform",
                        {{}, kX, kWayland},
                        {"-platformtheme", "gtk3"},
                        "xcb;wayland"},
        CommandLineCase{.what = "--help, whatever else is given",
                        .session = {},
                        .arguments = {"-style", "fusion", "--bogus", "-v", "--help"},
                        .platform = nullptr,
                        .fault = "Unknown option 'bogus'.",
                        .answer = Answer::Help},
        CommandLineCase{
            "-v before a fault", kOnX, {"-v", "-x"}, "xcb", "Unknown option 'x'.", Answer::Version},
        CommandLineCase{"Qt's options with values",
                        kOnX,
                        {"-style", "fusion", "-qwindowtitle", "-x", "--stylesheet=a.qss",
                         "-qwindowgeometry", "9x9", "-plugin", "p", "-session", "s"},
                        "xcb"},
        CommandLineCase{"Qt's flags", kOnX, {"-reverse", "--widgetcount", "-testability"}, "xcb"},
        CommandLineCase{
            "a flag takes no value", kOnX, {"-reverse", "x"}, "xcb", "Unexpected argument 'x'."},
        CommandLineCase{
            "-style takes nothing when last", kOnX, {"-style"}, "xcb", "Unknown option 'style'."},
        CommandLineCase{"-qwindowtitle takes nothing when last", kOnX, {"-qwindowtitle"}, "xcb"},
        CommandLineCase{"X's own options on X",
                        kOnX,
                        {"-display", ":0", "-geometry", "9x9", "-title", "t", "-nograb"},
                        "xcb"},
        CommandLineCase{"X's own options elsewhere",
                        kOffscreen,
                        {"-display", ":0"},
                        "offscreen",
                        "Unknown option 'display'."},
        CommandLineCase{"X's -geometry after -platform offscreen",
                        kOnX,
                        {"-platform", "offscreen", "-geometry", "9x9"},
                        "offscreen",
                        "Unknown option 'geometry'."},
        CommandLineCase{"X's -geometry while -platform xcb is the last read",
                        kOnX,
                        {"-platform", "xcb", "-geometry", "9x9", "-platform", "offscreen"},
                        "offscreen"},
        CommandLineCase{"Qt's passes in turn: -qwindowtitle before -style",
                        kOnX,
                        {"-style", "-qwindowtitle", "T", "fusion"},
                        "xcb"},
        CommandLineCase{
            "X's -nograb with XWayland", {{}, kX, kWayland}, {"-nograb"}, "xcb;wayland"},
        CommandLineCase{"an unknown option", kOnX, {"-x"}, "xcb", "Unknown option 'x'."},
        CommandLineCase{"--bogus without a display",
                        {},
                        {"--bogus"},
                        nullptr,
                        "Unknown option 'bogus'.",
                        Answer::Fault},
        CommandLineCase{
            "a value joined to a flag", kOnX, {"-reverse=1"}, "xcb", "Unknown option 'reverse'."},
        CommandLineCase{"a positional argument",
                        kOnX,
                        {"-style", "fusion", "foo", "bar"},
                        "xcb",
                        "Unexpected argument 'foo'."},
        CommandLineCase{.what = "--working without a display",
                        .session = {},
                        .arguments = {"--working", "10X^2-2X-3"},
                        .platform = nullptr,
                        .answer = Answer::Working,
                        .working = "10X^2-2X-3"},
        CommandLineCase{.what = "--working with a leading minus, and --accuracy",
                        .session = kOnX,
                        .arguments = {"--accuracy", "3", "--working", "-2X^2+3X+2"},
                        .platform = "xcb",
                        .working = "-2X^2+3X+2",
                        .accuracy = 3},
        CommandLineCase{.what = "--working=EQUATION --accuracy=0",
                        .session = {},
                        .arguments = {"--working=X^2+2X+5", "--accuracy=0"},
                        .platform = nullptr,
                        .working = "X^2+2X+5",
                        .accuracy = 0},
        CommandLineCase{.what = "--working - reads standard input; --latex",
                        .session = {},
                        .arguments = {"--latex", "--working", "-"},
                        .platform = nullptr,
                        .working = "-",
                        .latex = true},
        CommandLineCase{.what = "--latex-document",
                        .session = {},
                        .arguments = {"--working", "X^2", "--latex-document"},
                        .platform = nullptr,
                        .working = "X^2",
                        .latexDocument = true},
        CommandLineCase{.what = "--working with --method",
                        .session = {},
                        .arguments = {"--working", "x^2-5x+6", "--method", "half-b"},
                        .platform = nullptr,
                        .working = "x^2-5x+6",
                        .method = WorkingMethod::HalfB},
        CommandLineCase{.what = "a method that is none",
                        .session = {},
                        .arguments = {"--working", "x^2", "--method=quadratic"},
                        .platform = nullptr,
                        .fault = "The method must be one of school, formula, square, factor, pq, "
                                 "half-b, at-once, not 'quadratic'.",
                        .answer = Answer::Fault,
                        .working = "x^2"},
        CommandLineCase{.what = "the school's own method, in a school's notation",
                        .session = {},
                        .arguments = {"--worksheet", "f", "--method", "school", "--school=de"},
                        .platform = nullptr,
                        .answer = Answer::Worksheet,
                        .worksheet = "f",
                        .school = "de"},
        CommandLineCase{.what = "a school that is none",
                        .session = {},
                        .arguments = {"--working", "x^2", "--school", "germany"},
                        .platform = nullptr,
                        .fault = "The school must be one of general, de, fr, es, it, br, pl, ru, "
                                 "cn, jp, mashriq, maghreb, uk, us, not 'germany'.",
                        .answer = Answer::Fault,
                        .working = "x^2"},
        CommandLineCase{"--school alone",
                        {},
                        {"--school", "us"},
                        nullptr,
                        "Option 'school' goes with option 'working' or 'worksheet'."},
        CommandLineCase{"--method alone",
                        {},
                        {"--method", "pq"},
                        nullptr,
                        "Option 'method' goes with option 'working' or 'worksheet'."},
        CommandLineCase{.what = "a fault before the working",
                        .session = {},
                        .arguments = {"--working", "X^2", "-style"},
                        .platform = nullptr,
                        .fault = "Unknown option 'style'.",
                        .answer = Answer::Fault,
                        .working = "X^2"},
        CommandLineCase{.what = "an accuracy beyond 3",
                        .session = {},
                        .arguments = {"--working", "X^2+X", "--accuracy", "4"},
                        .platform = nullptr,
                        .fault = "The accuracy must be 0, 1, 2 or 3, not '4'.",
                        .working = "X^2+X"},
        CommandLineCase{.what = "an accuracy that is not a digit",
                        .session = {},
                        .arguments = {"--working", "X^2+X", "--accuracy", "2.0"},
                        .platform = nullptr,
                        .fault = "The accuracy must be 0, 1, 2 or 3, not '2.0'.",
                        .working = "X^2+X"},
        CommandLineCase{"--accuracy alone",
                        kOnX,
                        {"--accuracy", "1"},
                        "xcb",
                        "Option 'accuracy' goes with option 'working' or 'worksheet'."},
        CommandLineCase{"--accuracy 2 without a display",
                        {},
                        {"--accuracy", "2"},
                        nullptr,
                        "Option 'accuracy' goes with option 'working' or 'worksheet'.",
                        Answer::Fault},
        CommandLineCase{"--latex alone",
                        {},
                        {"--latex"},
                        nullptr,
                        "Option 'latex' goes with option 'working'."},
        CommandLineCase{.what = "a worksheet to PDF, at an accuracy, by a method",
                        .session = {},
                        .arguments = {"--worksheet", "-", "--pdf", "a.pdf", "--accuracy", "1",
                                      "--method", "square"},
                        .platform = nullptr,
                        .answer = Answer::Worksheet,
                        .accuracy = 1,
                        .method = WorkingMethod::Square,
                        .worksheet = "-"},
        CommandLineCase{.what = "a worksheet as a LaTeX document, its answers after",
                        .session = {},
                        .arguments = {"--answers=after", "--worksheet", "f", "--latex-document"},
                        .platform = nullptr,
                        .answer = Answer::Worksheet,
                        .latexDocument = true,
                        .worksheet = "f"},
        CommandLineCase{.what = "a worksheet as a LaTeX document and a PDF at once",
                        .session = {},
                        .arguments = {"--worksheet", "f", "--latex-document", "--pdf", "f.pdf"},
                        .platform = nullptr,
                        .fault = "Option 'pdf' cannot go with option 'latex-document'.",
                        .latexDocument = true,
                        .worksheet = "f"},
        CommandLineCase{.what = "--working twice",
                        .session = {},
                        .arguments = {"--working", "x^2", "--working=x^2-1"},
                        .platform = nullptr,
                        .fault = "Option 'working' is given more than once; give it once.",
                        .working = "x^2-1"},
        CommandLineCase{.what = "a flag twice, once by its short name",
                        .session = kOnX,
                        .arguments = {"-v", "--latex", "--version", "--working", "x"},
                        .platform = "xcb",
                        .fault = "Option 'version' is given more than once; give it once.",
                        .working = "x",
                        .latex = true},
        CommandLineCase{"--answers without a worksheet",
                        {},
                        {"--answers", "after"},
                        nullptr,
                        "Option 'answers' goes with option 'worksheet'."},
        CommandLineCase{.what = "answers that are none of the three",
                        .session = {},
                        .arguments = {"--worksheet", "f", "--answers", "below"},
                        .platform = nullptr,
                        .fault = "The answers must be 'with', 'after' or 'none', not 'below'.",
                        .worksheet = "f"},
        CommandLineCase{.what = "--working without an equation",
                        .session = {},
                        .arguments = {"--working"},
                        .platform = nullptr,
                        .fault = "Missing value after '--working'.",
                        .working = ""}));

// Qt's options checked against the Qt that is linked: a probe starts a real QApplication on each
// row's arguments and prints what it leaves of them. ctest runs the rows on X under Xvfb.
struct QtRow {
    std::string name;
    QString platform; // QT_QPA_PLATFORM, as Veltrix sets it
    QStringList arguments;
};

void PrintTo(const QtRow& row, std::ostream* os) {
    *os << row.platform.toStdString() << ": " << row.arguments.join(u' ').toStdString();
}

const QString kXDisplay = qEnvironmentVariable("DISPLAY");

// Each option given a value, spelled with two dashes, then last, where those that take a value
// differ on whether they take the name alone. -platform and -display name what is there.
std::vector<QtRow> QtRowsOn(const QString& platform) {
    std::vector<QtRow> rows{
        {"PassesInTurn", "offscreen", {"-style", "-qwindowtitle", "T", "fusion", "--working", "-"}},
        {"XOptionsWhileXcbIsNamed",
         "offscreen",
         {"-platform", "xcb", "-title", "t", "-platform", "offscreen", "-icon", "i", "-platform"}},
        {"XcbThenWayland", "xcb;wayland", {"-nograb", "-geometry", "9x9", "-name"}}};
    std::erase_if(rows, [&](const QtRow& row) { return !row.platform.startsWith(platform); });
    for (const QtOption& option : QtOptions()) {
        const QString name = QLatin1String(option.name);
        const QString value = name == u"-platform"  ? platform
                              : name == u"-display" ? kXDisplay
                                                    : QStringLiteral("v");
        if (platform == u"offscreen" || option.onlyOnXcb) {
            rows.push_back({QString(name).remove(u'-').replace(u'=', u'_').toStdString(), platform,
                            option.takes == Takes::JoinedValue
                                ? QStringList{name + u'v', u'-' + name + u'v'}
                                : QStringList{u'-' + name, value, QStringLiteral("w"), name}});
        }
    }
    return rows;
}

class QtOptionsTest : public testing::TestWithParam<QtRow> {};

TEST_P(QtOptionsTest, LeavesWhatTheLinkedQtLeaves) {
    const QtRow& row = GetParam();
    if (row.platform.startsWith(u"xcb") && kXDisplay.isEmpty()) {
        GTEST_SKIP() << "needs an X server, as ctest's app.qt_options_on_x gives it";
    }
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), row.platform);
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(VELTRIX_QT_ARGV_PROBE), row.arguments);
    ASSERT_TRUE(probe.waitForFinished(60'000) && probe.exitStatus() == QProcess::NormalExit &&
                probe.exitCode() == 0)
        << probe.readAllStandardError().toStdString();
    const QStringList left =
        ArgumentsLeftByQt(QStringList{"veltrix"} + row.arguments, row.platform);
    EXPECT_EQ(left.mid(1).join(u' ').toStdString(), probe.readAllStandardOutput().toStdString());
}

INSTANTIATE_TEST_SUITE_P(Offscreen, QtOptionsTest, testing::ValuesIn(QtRowsOn("offscreen")),
                         [](const auto& row) { return row.param.name; });
INSTANTIATE_TEST_SUITE_P(OnX, QtOptionsTest, testing::ValuesIn(QtRowsOn("xcb")),
                         [](const auto& row) { return row.param.name; });

struct UnreachableCase {
    const char* what;
    const char* platform;
    SessionEnvironment session;
    const char* text; // nullptr: Qt's own words
};

void PrintTo(const UnreachableCase& c, std::ostream* os) {
    *os << c.what;
}

class UnreachableDisplayTextTest : public testing::TestWithParam<UnreachableCase> {};

TEST_P(UnreachableDisplayTextTest, NamesTheDisplaysTried) {
    const UnreachableCase& c = GetParam();
    const std::optional<QString> text =
        UnreachableDisplayText(QString::fromLatin1(c.platform), c.session);
    EXPECT_EQ(text ? text->toStdString() : "Qt's own words", c.text ? c.text : "Qt's own words");
}

INSTANTIATE_TEST_SUITE_P(
    Platforms, UnreachableDisplayTextTest,
    testing::Values(
        UnreachableCase{
            "X", "xcb", {{}, ":77", {}}, "Veltrix could not connect to the display \":77\"."},
        UnreachableCase{"Wayland",
                        "wayland",
                        {{}, {}, "nosuch"},
                        "Veltrix could not connect to the Wayland display \"nosuch\"."},
        UnreachableCase{"both",
                        "xcb;wayland",
                        {{}, ":77", "nosuch"},
                        "Veltrix could not connect to the display \":77\" nor to the Wayland "
                        "display \"nosuch\"."},
        UnreachableCase{"xcb chosen without DISPLAY", "xcb", {{}, {}, kWayland}, nullptr},
        UnreachableCase{"a plugin of the user's own", "nosuch", {{}, ":77", {}}, nullptr}));

} // namespace
} // namespace veltrix
