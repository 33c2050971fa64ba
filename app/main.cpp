// Veltrix: starts the main window and runs until the user ends the program.
#include "app/first_paint_probe.hpp"
#include "app/startup.hpp"
#include "ui/accessibility.hpp"
#include "ui/app_context.hpp"
#include "ui/context_menu.hpp"
#include "ui/icon.hpp"
#include "ui/main_window.hpp"
#include "ui/style.hpp"

#include <QApplication>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const QStringList arguments = veltrix::CommandLineArguments(argc, argv);
    if (veltrix::AnswerHelpOrVersion(arguments)) {
        return EXIT_SUCCESS;
    }
    const std::optional<QString> platform =
        veltrix::ChoosePlatform(veltrix::ReadSessionEnvironment(), arguments);
    if (!platform) {
        veltrix::ReportNoDisplay();
        return EXIT_FAILURE;
    }
    veltrix::UsePlatform(*platform);

    QApplication application(argc, argv);
    if (!veltrix::AcceptsRemainingArguments(QCoreApplication::arguments())) {
        return EXIT_FAILURE;
    }
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    QApplication::setApplicationName(QStringLiteral("Veltrix"));
    // Lets the desktop match the windows to the installed desktop entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELTRIX_APP_ID));
    QApplication::setWindowIcon(veltrix::ui::VeltrixIcon());
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();

    veltrix::ui::QtMessageBoxes messages;
    veltrix::ui::QtFileDialogs files;
    veltrix::ui::AppContext app(messages, files);
    veltrix::ui::MainWindow& mainWindow = app.Windows().Get<veltrix::ui::MainWindow>();
    veltrix::InstallFirstPaintProbeIfRequested(mainWindow);
    veltrix::ui::ShowMainWindow(app);
    return QApplication::exec();
}
