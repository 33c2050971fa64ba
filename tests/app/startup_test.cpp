#include "app/startup.hpp"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace veltrix {
namespace {

struct CommandLineCase {
    const char* what;
    SessionEnvironment session; // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
    QStringList arguments;      // after the program's name
    const char* platform;       // nullptr: no display
    const char* fault = "";
    bool helpWanted = false;
    bool versionWanted = false;
    const char* working = nullptr; // the equation of --working
    int accuracy = 2;
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
    EXPECT_EQ(commandLine.helpWanted, c.helpWanted);
    EXPECT_EQ(commandLine.versionWanted, c.versionWanted);
    EXPECT_EQ(commandLine.working.value_or("none").toStdString(), c.working ? c.working : "none");
    EXPECT_EQ(commandLine.accuracy, c.accuracy);
}

const QString kX = QStringLiteral(":0");
const QString kWayland = QStringLiteral("wayland-0");
const SessionEnvironment kOnX{{}, kX, {}};
const SessionEnvironment kOffscreen{QStringLiteral("offscreen"), {}, {}};

INSTANTIATE_TEST_SUITE_P(
    Sessions, ReadCommandLineTest,
    testing::Values(
        CommandLineCase{"X11 alone", kOnX, {}, "xcb"},
        CommandLineCase{"Wayland with XWayland", {{}, kX, kWayland}, {}, "xcb;wayland"},
        CommandLineCase{"Wayland alone", {{}, {}, kWayland}, {}, "wayland"},
        CommandLineCase{"no display", {}, {}, nullptr},
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
                        .arguments = {"-style", "fusion", "--bogus", "--help"},
                        .platform = nullptr,
                        .fault = "Unknown option 'bogus'.",
                        .helpWanted = true},
        CommandLineCase{.what = "-v",
                        .session = kOnX,
                        .arguments = {"-v"},
                        .platform = "xcb",
                        .versionWanted = true},
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
                        "Option 'accuracy' goes with option 'working'."},
        CommandLineCase{.what = "--working without an equation",
                        .session = {},
                        .arguments = {"--working"},
                        .platform = nullptr,
                        .fault = "Missing value after '--working'.",
                        .working = ""}));

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
