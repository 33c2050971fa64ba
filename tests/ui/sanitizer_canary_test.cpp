// Deliberate faults made while the windows are up, proving that the sanitizers watch the windows'
// tests: ctest runs each one on its own and expects the sanitizer's report. They are disabled so
// that a plain run of the test program never trips over them.
#include "ui_test_support.hpp"

#include <limits>

namespace veltrix::ui::testing {
namespace {

using SanitizerCanary = VeltrixTest;

TEST_F(SanitizerCanary, DISABLED_LosesABlock) {
    char* volatile block = new char[64];
    block[0] = 'x';
    block = nullptr;
    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));
}

TEST_F(SanitizerCanary, DISABLED_OverflowsASignedInteger) {
    volatile int largest = std::numeric_limits<int>::max();
    volatile int one = 1;
    const int sum = largest + one;
    EXPECT_NE(sum, 0);
}

} // namespace
} // namespace veltrix::ui::testing
