#include "app/startup.hpp"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace veltrix {
namespace {

struct PlatformCase {
    const char* what;
    SessionEnvironment session; // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY
    QStringList arguments;      // after the program's name
    const char* platform;       // nullptr: no display
};

void PrintTo(const PlatformCase& c, std::ostream* os) {
    *os << c.what;
}

std::string Shown(const std::optional<QString>& platform) {
    return platform ? platform->toStdString() : "no display";
}

class ChoosePlatformTest : public testing::TestWithParam<PlatformCase> {};

TEST_P(ChoosePlatformTest, PicksTheUsersChoiceElseXElseWayland) {
    const PlatformCase& c = GetParam();
    const QStringList arguments = QStringList{QStringLiteral("veltrix")} + c.arguments;
    EXPECT_EQ(Shown(ChoosePlatform(c.session, arguments)), c.platform ? c.platform : "no display");
}

const QString kX = QStringLiteral(":0");
const QString kWayland = QStringLiteral("wayland-0");

INSTANTIATE_TEST_SUITE_P(
    Sessions, ChoosePlatformTest,
    testing::Values(
        PlatformCase{"X11 alone", {{}, kX, {}}, {}, "xcb"},
        PlatformCase{"Wayland with XWayland", {{}, kX, kWayland}, {}, "xcb;wayland"},
        PlatformCase{"Wayland alone", {{}, {}, kWayland}, {}, "wayland"},
        PlatformCase{"no display", {}, {}, nullptr},
        PlatformCase{"empty values count as unset", {"", "", kWayland}, {}, "wayland"},
        PlatformCase{"QT_QPA_PLATFORM wins", {"wayland", kX, kWayland}, {}, "wayland"},
        PlatformCase{"QT_QPA_PLATFORM without a display", {"offscreen", {}, {}}, {}, "offscreen"},
        PlatformCase{"-platform NAME", {}, {"-platform", "offscreen"}, "offscreen"},
        PlatformCase{"--platform NAME", {{}, kX, {}}, {"--platform", "vnc"}, "vnc"},
        PlatformCase{"-platform=NAME", {{}, kX, kWayland}, {"-platform=wayland"}, "wayland"},
        PlatformCase{"-platform beats QT_QPA_PLATFORM",
                     {"xcb", kX, kWayland},
                     {"-platform", "wayland"},
                     "wayland"},
        PlatformCase{"the last -platform counts",
                     {{}, kX, {}},
                     {"-platform", "vnc", "-platform", "offscreen"},
                     "offscreen"},
        PlatformCase{"-platform without a name", {{}, kX, {}}, {"-platform"}, "xcb"},
        PlatformCase{"-platformtheme chooses no platform",
                     {{}, kX, kWayland},
                     {"-platformtheme", "gtk3"},
                     "xcb;wayland"}));

} // namespace
} // namespace veltrix
