// Every command of every window runs from the keyboard alone: Tab to the control, Space, Enter
// or Return to press it, the arrow keys in the option group, and Alt for the menu bar.
#include "ui/windows/graph_window.hpp"
#include "ui/working/working_window.hpp"
#include "ui_test_support.hpp"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

namespace veltrix::ui::testing {
namespace {

class KeyboardTest : public VeltrixTest {
  protected:
    static QWidget* Focused() { return QApplication::focusWidget(); }

    static void Press(Qt::Key key) {
        QWidget* target = QApplication::activePopupWidget();
        QTest::keyClick(target ? target : Focused(), key);
    }

    // Tabs from the current focus until `name` has it; fails after a whole round.
    static void TabTo(const char* name) {
        for (int i = 0; i < 10; ++i) {
            if (Focused() && Focused()->objectName() == QLatin1String(name)) {
                return;
            }
            Press(Qt::Key_Tab);
        }
        ADD_FAILURE() << "Tab never reaches " << name;
    }

    // Opens the menu bar with Alt, as on Windows and in KDE, then moves to the menu and item.
    void ChooseMenuItem(int menuSteps, int itemSteps) {
        QTest::keyClick(Focused(), Qt::Key_Alt);
        ASSERT_NE(mainWindow->menuBar()->activeAction(), nullptr) << "Alt does not reach the menus";
        for (int i = 0; i < menuSteps; ++i) {
            Press(Qt::Key_Right);
        }
        Press(Qt::Key_Down);
        ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "Down does not open the menu";
        for (int i = 0; i < itemSteps; ++i) {
            Press(Qt::Key_Down);
        }
        Press(Qt::Key_Return);
    }
};

// A key that presses the focused push button, as a keyboard sends it.
struct PressKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const PressKey& k, std::ostream* os) {
    *os << k.name;
}

class ButtonKeyTest : public KeyboardTest, public ::testing::WithParamInterface<PressKey> {
  protected:
    static void PressButton() { QTest::keyClick(Focused(), GetParam().key, GetParam().modifiers); }
};

INSTANTIATE_TEST_SUITE_P(Keys, ButtonKeyTest,
                         ::testing::Values(PressKey{"Space", Qt::Key_Space, Qt::NoModifier},
                                           PressKey{"Return", Qt::Key_Return, Qt::NoModifier},
                                           PressKey{"KeypadEnter", Qt::Key_Enter,
                                                    Qt::KeypadModifier}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_P(ButtonKeyTest, CalculateRunsFromTheKeyboard) {
    TabTo("Command1");
    PressButton();
    EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));
}

TEST_P(ButtonKeyTest, PlotRunsFromTheKeyboard) {
    TabTo("Command2");
    PressButton();
    GraphWindow* graph = app.Windows().Find<GraphWindow>();
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->KeptLineCount(), kAxesAndTicks.size() + kCurvePointCount);
}

TEST_P(ButtonKeyTest, FindAValueRunsFromTheKeyboard) {
    TabTo("Command3");
    PressButton();
    FindValueWindow* find = app.Windows().Find<FindValueWindow>();
    ASSERT_NE(find, nullptr);
    find->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(find));
    QTest::keyClicks(Focused(), "1.234");
    TabTo("Command1");
    PressButton();
    EXPECT_EQ(Caption(*find, "Label3"), "9.76");
}

TEST_P(ButtonKeyTest, AccuracyIsChosenAndConfirmedFromTheKeyboard) {
    TabTo("Command4");
    PressButton();
    AccuracyWindow* accuracy = app.Windows().Find<AccuracyWindow>();
    ASSERT_NE(accuracy, nullptr);
    accuracy->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(accuracy));
    Press(Qt::Key_Down);
    EXPECT_EQ(accuracy->AccuracyText(), "3");
    TabTo("Command1");
    PressButton();
    EXPECT_TRUE(accuracy->isHidden());
}

TEST_F(KeyboardTest, HelpMenuItemsRunFromTheKeyboard) {
    ChooseMenuItem(2, 0);
    ChooseMenuItem(2, 1);
    EXPECT_EQ(messages.prompts,
              (QStringList{AboutMessage(), HelpMessage(app.UserManual().Page())}));
}

TEST_F(KeyboardTest, ViewWorkingRunsFromTheMenuAndItsKey) {
    ChooseMenuItem(1, 0);
    ASSERT_NE(app.Windows().Find<WorkingWindow>(), nullptr);
    app.Windows().Find<WorkingWindow>()->close();
    mainWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
    QTest::keyClick(Focused(), Qt::Key_F8);
    EXPECT_NE(app.Windows().Find<WorkingWindow>(), nullptr);
}

TEST_F(KeyboardTest, ExitRunsFromTheKeyboard) {
    ChooseMenuItem(0, 0);
    EXPECT_TRUE(app.Windows().ExistingNames().isEmpty());
}

// Both keys open the context menu of the window without a focusable control, and of the control
// with the focus elsewhere; screen readers hear each item's name.
TEST_F(KeyboardTest, MenuKeyAndShiftF10OpenTheContextMenu) {
    Click(*mainWindow, "Command1");
    Click(*mainWindow, "Command2");
    Click(*mainWindow, "Command3");
    const struct {
        QWidget* window;
        QStringList items; // empty: the text box's own menu, whatever Qt puts in it
    } windows[] = {{Solution(), {"Copy", "Show working"}},
                   {app.Windows().Find<GraphWindow>(), {"Copy", "Save As…"}},
                   {app.Windows().Find<FindValueWindow>(), {}}};
    const std::pair<Qt::Key, Qt::KeyboardModifier> keys[] = {{Qt::Key_Menu, Qt::NoModifier},
                                                             {Qt::Key_F10, Qt::ShiftModifier}};
    for (const auto& w : windows) {
        ASSERT_NE(w.window, nullptr);
        w.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w.window));
        for (const auto& [key, modifier] : keys) {
            QWidget* focused = Focused() ? Focused() : w.window;
            QTest::keyClick(focused, key, modifier);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr) << w.window->objectName().toStdString() << ' ' << key;
            EXPECT_EQ(menu->parentWidget(), focused);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(menu);
            QStringList names;
            for (int i = 0; i < accessible->childCount(); ++i) {
                if (accessible->child(i)->role() != QAccessible::Separator) {
                    names << accessible->child(i)->text(QAccessible::Name);
                    EXPECT_FALSE(names.back().isEmpty());
                }
            }
            if (!w.items.isEmpty()) {
                EXPECT_EQ(names, w.items);
            }
            menu->close();
        }
    }
}

TEST_F(KeyboardTest, MessageBoxClosesWithEnterSpaceOrEscape) {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
        const std::unique_ptr<QMessageBox> box = QtMessageBoxes::Build("Invalid Quadratic");
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
        QTest::keyClick(Focused(), key);
        EXPECT_TRUE(box->isHidden()) << QKeySequence(key).toString().toStdString();
    }
}

} // namespace
} // namespace veltrix::ui::testing
