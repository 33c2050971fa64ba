// Veltrix: starts the main window and runs until the user ends the program.
#include "app/application_start.hpp"
#include "app/first_paint_probe.hpp"
#include "app/startup.hpp"
#include "app/working_command.hpp"
#include "ui/shared/accessibility.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/icon.hpp"
#include "ui/shared/style.hpp"
#include "ui/shared/translations.hpp"
#include "ui/windows/main_window.hpp"

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <optional>

namespace {

// Answers, as ReadCommandLine chose, what needs no window; the exit status when it has answered.
std::optional<int> AnswerWithoutWindows(const veltrix::CommandLine& commandLine, int& argc,
                                        char* argv[]) {
    switch (commandLine.answer) {
    case veltrix::Answer::Help:
        veltrix::PrintHelp();
        return EXIT_SUCCESS;
    case veltrix::Answer::Version:
        veltrix::PrintVersion();
        return EXIT_SUCCESS;
    case veltrix::Answer::Fault:
        veltrix::ReportFault(commandLine.fault);
        return EXIT_FAILURE;
    case veltrix::Answer::Working:
        return veltrix::PrintWorking(argc, argv, commandLine);
    case veltrix::Answer::Worksheet:
        return veltrix::PrintWorksheet(argc, argv, commandLine);
    case veltrix::Answer::NoDisplay:
        veltrix::ReportNoDisplay();
        return EXIT_FAILURE;
    case veltrix::Answer::Windows:
        break;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    const veltrix::SessionEnvironment session = veltrix::ReadSessionEnvironment();
    const veltrix::CommandLine commandLine =
        veltrix::ReadCommandLine(session, veltrix::CommandLineArguments(argc, argv));
    if (const std::optional<int> status = AnswerWithoutWindows(commandLine, argc, argv)) {
        return *status;
    }
    veltrix::UsePlatform(*commandLine.platform);
    const std::unique_ptr<QApplication> application =
        veltrix::StartApplication(argc, argv, *commandLine.platform, session);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    QApplication::setApplicationName(QStringLiteral("Veltrix"));
    // Lets the desktop match the windows to the installed desktop entry, and so to its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELTRIX_APP_ID));
    QApplication::setWindowIcon(veltrix::ui::VeltrixIcon());
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();
    const QString language = veltrix::ui::InstallTranslations(veltrix::ui::SessionLanguages());

    veltrix::ui::QtMessageBoxes messages;
    veltrix::ui::QtFileDialogs files;
    veltrix::ui::AppContext app(messages, files,
                                veltrix::ui::DecimalSeparatorOf(QLocale::system()));
    app.UserManual().SetLanguage(language);
    veltrix::ui::MainWindow& mainWindow = app.Windows().Get<veltrix::ui::MainWindow>();
    veltrix::InstallFirstPaintProbeIfRequested(mainWindow);
    veltrix::ui::ShowMainWindow(app);
    return QApplication::exec();
}
