#include "ui/windows/main_window.hpp"

#include "ui/shared/app_context.hpp"
#include "ui/shared/controls.hpp"
#include "ui/shared/icon.hpp"
#include "ui/windows/accuracy_window.hpp"
#include "ui/windows/find_value_window.hpp"
#include "ui/windows/graph_window.hpp"
#include "ui/windows/solution_window.hpp"
#include "ui/working/working_window.hpp"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace veltrix::ui {

QString AboutMessage() {
    return MainWindow::tr("Veltrix by Ostrell, E-mail %1").arg(QLatin1String(kContactEmail));
}

QString HelpMessage(const QString& manualPage) {
    return MainWindow::tr("For help see %1 or email us at %2")
        .arg(QDir::toNativeSeparators(manualPage), QLatin1String(kContactEmail));
}

QString ManualNotOpenedMessage(const QString& manualPage) {
    return MainWindow::tr("No web browser could open the manual. Open this file in one: %1")
        .arg(QDir::toNativeSeparators(manualPage));
}

MainWindow::MainWindow(AppContext& app) : SetWindow(app.Windows()), app_(app) {
    setWindowTitle(QStringLiteral("Veltrix"));
    setWindowIcon(VeltrixIcon());

    // The client area below the menu bar is light grey; the menu bar keeps the desktop's colours.
    auto* client = new QWidget(this);
    QPalette grey = client->palette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    client->setPalette(grey);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    SizeClientArea(*client, kClientArea);

    BuildControls(*client);
    BuildMenus();
}

void MainWindow::BuildControls(QWidget& client) {
    QLabel& prompt = AddLabel(client, "Label1",
                              tr("Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3"),
                              {0, 0, 3585, 435});
    prompt.setWordWrap(true);
    FitWrappedText(prompt);

    QLineEdit& equation =
        AddTextBox(client, "Text1", QStringLiteral("10X^2-2X-3"), {0, 480, 3585, 300});
    equation.setAccessibleName(tr("Equation"));
    app_.SetEquationBox(equation);
    KeepLeftToRight(equation);
    prompt.setBuddy(&equation);
    connect(&equation, &QLineEdit::textChanged, &app_.Inputs(), &InputSignals::EquationChanged);
    AddShowWorking(equation);

    QPushButton& calculate = AddButton(client, "Command1", tr("Calculate"), {0, 840, 3585, 375});
    QPushButton& plot = AddButton(client, "Command2", tr("Plot"), {0, 1200, 3585, 375});
    QPushButton& findValue =
        AddButton(client, "Command3", tr("Find a value of Y"), {0, 1560, 3585, 375});
    QPushButton& setAccuracy =
        AddButton(client, "Command4", tr("Set accuracy"), {0, 1920, 3585, 375});

    StackTopFirst({&setAccuracy, &findValue, &plot, &calculate, &equation, &prompt});
    SetTabOrder({&equation, &calculate, &plot, &findValue, &setAccuracy});
    equation.setFocus();

    connect(&calculate, &QPushButton::clicked, this, [this] { Calculate(app_); });
    connect(&plot, &QPushButton::clicked, this, [this] { Plot(app_); });
    connect(&findValue, &QPushButton::clicked, this,
            [this] { app_.Windows().MakeVisible<FindValueWindow>(); });
    connect(&setAccuracy, &QPushButton::clicked, this,
            [this] { app_.Windows().MakeVisible<AccuracyWindow>(); });
}

void MainWindow::AddShowWorking(QLineEdit& equation) {
    // The box's own menu (Undo, Cut, Copy, Paste ...) with Show working after it.
    equation.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&equation, &QWidget::customContextMenuRequested, this, [this, &equation](QPoint at) {
        QMenu* menu = equation.createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        QAction* showWorking = menu->addAction(ShowWorkingCommand());
        showWorking->setObjectName(QStringLiteral("ShowWorking"));
        connect(showWorking, &QAction::triggered, this,
                [this] { app_.Windows().Show<WorkingWindow>(); });
        menu->popup(equation.mapToGlobal(at));
    });
}

void MainWindow::BuildMenus() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("File"));
    QAction* exit = file->addAction(tr("Exit"));
    exit->setObjectName(QStringLiteral("Exit"));
    connect(exit, &QAction::triggered, this, [this] { app_.End(); });

    BuildViewMenu();

    QMenu* help = menuBar()->addMenu(tr("Help", "menu"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* about = help->addAction(tr("About"));
    about->setObjectName(QStringLiteral("About"));
    connect(about, &QAction::triggered, this, &MainWindow::ShowAbout);
    QAction* helpPage = help->addAction(tr("Help", "menu item"));
    helpPage->setObjectName(QStringLiteral("Help2"));
    connect(helpPage, &QAction::triggered, this, &MainWindow::ShowHelp);
    QAction* manual = help->addAction(tr("Manual"));
    manual->setObjectName(QStringLiteral("Manual"));
    // F1 is the desktops' key for help: it opens the manual from whichever window has the focus.
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::ApplicationShortcut);
    connect(manual, &QAction::triggered, this, &MainWindow::OpenManual);
}

// F8: the desktops' own keys leave it free (F1 help, F2 rename, F3 find again, F4 the address
// list, F5 reload, F6 the next pane, F7 caret browsing, F9 the side bar, F10 the menu bar, F11
// full screen, F12 developer tools), and the equation box has no use for it.
void MainWindow::BuildViewMenu() {
    QMenu* view = menuBar()->addMenu(tr("View", "menu"));
    view->setObjectName(QStringLiteral("View"));
    QAction* working = view->addAction(tr("Working", "menu item"));
    working->setObjectName(QStringLiteral("ViewWorking"));
    working->setShortcut(QKeySequence(Qt::Key_F8));
    connect(working, &QAction::triggered, this, [this] { app_.Windows().Show<WorkingWindow>(); });
}

void MainWindow::ShowAbout() {
    app_.Messages().Show(AboutMessage());
}

void MainWindow::ShowHelp() {
    app_.Messages().Show(HelpMessage(app_.UserManual().Page()));
}

void MainWindow::OpenManual() {
    if (!app_.UserManual().Open()) {
        app_.Messages().Show(ManualNotOpenedMessage(app_.UserManual().Page()));
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    SetWindow::closeEvent(event);
    app_.End();
}

MainWindow& ShowMainWindow(AppContext& app) {
    return app.Windows().Show<MainWindow>();
}

} // namespace veltrix::ui
