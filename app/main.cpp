// Veltrix: starts the main window and runs until the user ends the program.
#include "app/first_paint_probe.hpp"
#include "ui/accessibility.hpp"
#include "ui/app_context.hpp"
#include "ui/icon.hpp"
#include "ui/main_window.hpp"
#include "ui/style.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    QApplication::setApplicationName(QStringLiteral("Veltrix"));
    QApplication::setDesktopFileName(QStringLiteral("veltrix"));
    QApplication::setWindowIcon(veltrix::ui::VeltrixIcon());
    veltrix::ui::InstallAccessibleWindows();

    veltrix::ui::QtMessageBoxes messages;
    veltrix::ui::AppContext app(messages);
    veltrix::ui::MainWindow& mainWindow = app.Windows().Get<veltrix::ui::MainWindow>();
    veltrix::InstallFirstPaintProbeIfRequested(mainWindow);
    veltrix::ui::ShowMainWindow(app);
    return QApplication::exec();
}
