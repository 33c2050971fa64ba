#include "ui_test_support.hpp"

#include <QAccessible>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <utility>

namespace veltrix::ui::testing {
namespace {

using MainWindowTest = VeltrixTest;

TEST_F(MainWindowTest, StartsWithOnlyItselfAndTheDefaultEquationFocused) {
    EXPECT_EQ(app.Windows().ExistingNames(), QStringList{"Form1"});
    EXPECT_EQ(mainWindow->objectName(), "Form1");
    EXPECT_EQ(mainWindow->windowTitle(), "Veltrix");
    EXPECT_EQ(mainWindow->windowIcon().availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}}));
    auto& equation = Find<QLineEdit>(*mainWindow, "Text1");
    EXPECT_EQ(equation.text(), "10X^2-2X-3");
    EXPECT_EQ(QApplication::focusWidget(), &equation);
}

TEST_F(MainWindowTest, ClientAreaAndControlsSitAtTheirLayoutPixels) {
    QWidget* client = mainWindow->centralWidget();
    EXPECT_EQ(QRect(client->mapToGlobal(QPoint(0, 0)), client->size()), QRect(241, 206, 243, 157));
    EXPECT_EQ(client->palette().color(QPalette::Window), QColor(192, 192, 192));
    const struct {
        const char* name;
        QRect pixels;
    } controls[] = {{"Label1", {0, 0, 239, 29}},     {"Text1", {0, 32, 239, 20}},
                    {"Command1", {0, 56, 239, 25}},  {"Command2", {0, 80, 239, 25}},
                    {"Command3", {0, 104, 239, 25}}, {"Command4", {0, 128, 239, 25}}};
    for (const auto& control : controls) {
        EXPECT_EQ(Find(*client, control.name).geometry(), control.pixels) << control.name;
    }
    EXPECT_TRUE(Find<QLabel>(*client, "Label1").wordWrap());
}

// Each button's last row of pixels is the next one's first, where the frames' rounded corners
// meet: the window draws that row as it looks with the later button on top.
TEST_F(MainWindowTest, LaterButtonsLieOnTopWhereTheyOverlap) {
    QWidget& client = *mainWindow->centralWidget();
    const QImage drawn = client.grab().toImage();
    for (const auto& [earlier, later] :
         {std::pair{"Command1", "Command2"}, {"Command2", "Command3"}, {"Command3", "Command4"}}) {
        QWidget& under = Find(client, earlier);
        QWidget& above = Find(client, later);
        ASSERT_EQ(under.geometry().bottom(), above.y()) << later;
        const auto overlap = [&](const QImage& image) {
            return image.copy(above.x(), above.y(), above.width(), 1);
        };
        under.raise();
        const QImage earlierOnTop = overlap(client.grab().toImage());
        above.raise();
        const QImage laterOnTop = overlap(client.grab().toImage());
        ASSERT_NE(earlierOnTop, laterOnTop) << later;
        EXPECT_EQ(overlap(drawn), laterOnTop) << later;
    }
}

TEST_F(MainWindowTest, TabVisitsEquationThenTheButtonsInOrder) {
    QStringList visited;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"Command1", "Command2", "Command3", "Command4", "Text1"}));
}

TEST_F(MainWindowTest, NoButtonIsADefaultButton) {
    for (QPushButton* button : mainWindow->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, EnterInTheEquationBoxStartsNoCommand) {
    auto& equation = Find<QLineEdit>(*mainWindow, "Text1");
    QTest::keyClick(&equation, Qt::Key_Return);
    QTest::keyClick(&equation, Qt::Key_Enter);
    EXPECT_EQ(app.Windows().ExistingNames(), QStringList{"Form1"});
    EXPECT_TRUE(messages.prompts.isEmpty());
    EXPECT_EQ(equation.text(), "10X^2-2X-3");
}

TEST_F(MainWindowTest, EquationBoxTakesAnyLength) {
    const QString longEquation = QString(40000, u'1') + "X^2-2X-3";
    Find<QLineEdit>(*mainWindow, "Text1").setText(longEquation);
    EXPECT_EQ(app.EquationText(), longEquation);
}

// What a screen reader gets. It asks first about objects that are not widgets: the application,
// and a window's handle, which Qt answers for through the window itself. Then about each control.
TEST_F(MainWindowTest, ScreenReadersGetEachControlsRoleNameDescriptionAndLabel) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(qApp)->role(), QAccessible::Application);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mainWindow->windowHandle()), nullptr);
    for (const char* opens : {"Command1", "Command2", "Command3", "Command4"}) {
        Click(*mainWindow, opens);
    }
    const struct {
        const char* window;
        const char* control; // empty: the window itself
        QAccessible::Role role;
        QString name, description, labelledBy;
    } rows[] = {
        {"Form1", "Text1", QAccessible::EditableText, "Equation", "",
         "Type in a quadratic in the form ax^2+ bx + c. EG 10X^2-2X-3"},
        {"Form2", "", QAccessible::Window, "Graph", "Curves plotted, in order: 10X^2-2X-3", ""},
        {"Form3", "Text1", QAccessible::EditableText, "x", "", "X="},
        {"Form3", "Label3", QAccessible::StaticText, "", "value of y", ""},
        {"Form4", "", QAccessible::Window, "Solution", "", ""},
        {"Form4", "Label2", QAccessible::StaticText, "0.66", "first value of x", ""},
        {"Form4", "Label4", QAccessible::StaticText, "-0.46", "second value of x", ""},
        {"Form5", "", QAccessible::Window, "Accuracy", "", ""},
        {"Form5", "Option1", QAccessible::RadioButton, "0", "decimal places", ""},
        {"Form5", "Option4", QAccessible::RadioButton, "3", "decimal places", ""},
        {"Form5", "Text1", QAccessible::EditableText, "Accuracy", "", ""},
    };
    for (const auto& row : rows) {
        QWidget& window = *app.Windows().FindByName(QString::fromLatin1(row.window));
        QWidget& control = row.control[0] != '\0' ? Find(window, row.control) : window;
        SCOPED_TRACE(std::string(row.window) + ' ' + row.control);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&control);
        ASSERT_NE(reader, nullptr);
        QStringList labels;
        for (const auto& [label, relation] : reader->relations(QAccessible::Label)) {
            labels << label->text(QAccessible::Name);
        }
        EXPECT_EQ(reader->role(), row.role);
        EXPECT_EQ(reader->text(QAccessible::Name), row.name);
        EXPECT_EQ(reader->text(QAccessible::Description), row.description);
        EXPECT_EQ(labels.join(' '), row.labelledBy);
    }
}

// Only View > Working and Help > Manual have shortcuts, which their menus show.
TEST_F(MainWindowTest, MenusHoldTheirItemsAndTheirShortcuts) {
    QStringList items;
    for (QAction* menuAction : mainWindow->menuBar()->actions()) {
        QMenu* menu = menuAction->menu();
        items << menu->objectName() + ":" + menu->title();
        for (QAction* item : menu->actions()) {
            items << (item->objectName() + ":" + item->text() + " " + item->shortcut().toString())
                         .trimmed();
        }
    }
    EXPECT_EQ(items, (QStringList{"File:File", "Exit:Exit", "View:View", "ViewWorking:Working F8",
                                  "Help1:Help", "About:About", "Help2:Help", "Manual:Manual F1"}));
}

TEST_F(MainWindowTest, AboutAndHelpShowTheirMessages) {
    app.UserManual().SetFolder(VELTRIX_MANUAL_DIR);
    ChooseMenuItem(*mainWindow, "Help1", "About");
    ChooseMenuItem(*mainWindow, "Help1", "Help2");
    EXPECT_EQ(messages.prompts,
              (QStringList{"Veltrix by Ostrell, E-mail veltrix@example.org",
                           "For help see " VELTRIX_MANUAL_DIR "/en/index.html or email us at "
                           "veltrix@example.org"}));
}

// Remembers the addresses it is asked to open; opens them or fails as told.
class RecordingUrlOpener final : public UrlOpener {
  public:
    bool Open(const QUrl& url) override {
        opened << url;
        return opens;
    }
    QList<QUrl> opened;
    bool opens = true;
};

// F1 opens the manual from any window, in the browser or else by naming its file.
TEST_F(MainWindowTest, F1OpensTheManualInTheBrowserOrNamesItsFile) {
    RecordingUrlOpener browser;
    app.UserManual().SetOpener(browser);
    app.UserManual().SetFolder(VELTRIX_MANUAL_DIR);
    app.UserManual().SetLanguage("de");
    const QString page = VELTRIX_MANUAL_DIR "/de/index.html";
    QTest::keyClick(mainWindow, Qt::Key_F1);
    EXPECT_EQ(browser.opened, QList{QUrl::fromLocalFile(page)});
    EXPECT_TRUE(messages.prompts.isEmpty());

    browser.opens = false;
    Click(*mainWindow, "Command4");
    AccuracyWindow* accuracy = app.Windows().Find<AccuracyWindow>();
    accuracy->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(accuracy));
    QTest::keyClick(accuracy, Qt::Key_F1);
    EXPECT_EQ(browser.opened.size(), 2);
    EXPECT_EQ(messages.prompts, QStringList{ManualNotOpenedMessage(page)});
}

// Each language the windows speak has its page of the manual, written in it; any other language
// reads the English one.
TEST(ManualTest, EveryLanguageOfTheWindowsHasItsPage) {
    QStringList languages{"en"};
    for (const QString& file : QDir(":/translations").entryList({"veltrix_*.qm"})) {
        languages << file.sliced(8).chopped(3);
    }
    ASSERT_EQ(languages.size(), 11);
    for (const QString& language : languages) {
        const QString page = VELTRIX_MANUAL_DIR "/" + language + "/index.html";
        EXPECT_EQ(ManualPage(VELTRIX_MANUAL_DIR, language), page);
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString written = "<html lang=\"" + QString(language).replace('_', '-') + '"';
        EXPECT_TRUE(file.readAll().contains(written.toUtf8())) << page.toStdString();
    }
    EXPECT_EQ(ManualPage(VELTRIX_MANUAL_DIR, "xh"), VELTRIX_MANUAL_DIR "/en/index.html");
}

TEST_F(MainWindowTest, OpeningAnOpenWindowAgainKeepsItAndItsContents) {
    Click(*mainWindow, "Command3");
    FindValueWindow* findValue = app.Windows().Find<FindValueWindow>();
    ASSERT_NE(findValue, nullptr);
    Type(*findValue, "Text1", "1");
    Click(*findValue, "Command1");
    ChooseAccuracy(0);

    Click(*mainWindow, "Command3");
    Click(*mainWindow, "Command4");
    EXPECT_EQ(app.Windows().Find<FindValueWindow>(), findValue);
    EXPECT_EQ(Find<QLineEdit>(*findValue, "Text1").text(), "1");
    EXPECT_EQ(Caption(*findValue, "Label3"), "5");
    EXPECT_TRUE(Find<QRadioButton>(*app.Windows().Find<AccuracyWindow>(), "Option1").isChecked());
    int form3Count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        form3Count += window->objectName() == "Form3" ? 1 : 0;
    }
    EXPECT_EQ(form3Count, 1);
}

// Runs the event loop as the program does, starts `end` from it, and reports whether the loop
// was left normally within a few seconds.
bool EndsTheEventLoop(const std::function<void()>& end) {
    QTimer::singleShot(0, end);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    return QApplication::exec() == 0;
}

TEST_F(MainWindowTest, ExitClosesEveryWindowHiddenOnesTooAndEndsTheProgram) {
    Click(*mainWindow, "Command1"); // Solution shown, Accuracy created hidden
    Click(*mainWindow, "Command3"); // Find a value shown
    ASSERT_EQ(app.Windows().ExistingNames(), (QStringList{"Form1", "Form5", "Form4", "Form3"}));
    const QPointer<QWidget> hiddenAccuracy = app.Windows().Find<AccuracyWindow>();
    ASSERT_TRUE(hiddenAccuracy->isHidden());

    EXPECT_TRUE(EndsTheEventLoop([this] { ChooseMenuItem(*mainWindow, "File", "Exit"); }));
    EXPECT_TRUE(app.Windows().ExistingNames().isEmpty());
    LetClosedWindowsGo();
    EXPECT_TRUE(hiddenAccuracy.isNull());
    EXPECT_TRUE(messages.prompts.isEmpty());
}

TEST_F(MainWindowTest, ClosingTheMainWindowEndsTheProgramWithAHiddenAccuracyWindow) {
    Click(*mainWindow, "Command4");
    Click(*app.Windows().Find<AccuracyWindow>(), "Command1"); // OK hides it
    ASSERT_TRUE(app.Windows().Find<AccuracyWindow>()->isHidden());

    EXPECT_TRUE(EndsTheEventLoop([this] { mainWindow->close(); }));
    EXPECT_TRUE(app.Windows().ExistingNames().isEmpty());
}

} // namespace
} // namespace veltrix::ui::testing
