// The UI tests need one QApplication for the whole run, set up as the program sets up its own;
// listing the tests needs none, so test discovery works without a display.
#include "ui/shared/accessibility.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/style.hpp"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication application(argc, argv);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();
    return RUN_ALL_TESTS();
}
