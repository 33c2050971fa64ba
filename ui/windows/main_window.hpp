// The main window, Form1: the equation box, the four command buttons and the File, View and Help
// menus, and F1, which opens the manual from every window.
// It is the program's first window and its last: closing it ends the program.
#pragma once

#include "ui/shared/geometry.hpp"
#include "ui/shared/window_set.hpp"

#include <QMainWindow>

class QLineEdit;

namespace veltrix::ui {

class AppContext;

// The contact address named in the About and Help messages.
inline constexpr char kContactEmail[] = "veltrix@example.org";

QString AboutMessage();
// Names the manual's page, a file, and the contact address.
QString HelpMessage(const QString& manualPage);
// Tells where the manual is when no browser could open it.
QString ManualNotOpenedMessage(const QString& manualPage);

class MainWindow final : public SetWindow<QMainWindow> {
    Q_OBJECT

  public:
    static constexpr char kName[] = "Form1";
    static constexpr TwipsRect kClientArea{3615, 3090, 3645, 2355};

    explicit MainWindow(AppContext& app);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls(QWidget& client);
    void AddShowWorking(QLineEdit& equation);
    void BuildMenus();
    void BuildViewMenu();
    void ShowAbout();
    void ShowHelp();
    void OpenManual();

    AppContext& app_;
};

// Starts the program's user interface: creates the main window and shows it, with the keyboard
// focus in the equation box. No other window exists yet.
MainWindow& ShowMainWindow(AppContext& app);

} // namespace veltrix::ui
