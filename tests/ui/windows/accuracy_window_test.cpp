#include "ui_test_support.hpp"

#include <QKeySequence>
#include <vector>

namespace veltrix::ui::testing {
namespace {

using AccuracyWindowTest = VeltrixTest;

TEST_F(AccuracyWindowTest, ReadingTheAccuracyCreatesTheWindowHiddenWithTwo) {
    Click(*mainWindow, "Command1");
    AccuracyWindow* accuracy = app.Windows().Find<AccuracyWindow>();
    ASSERT_NE(accuracy, nullptr);
    EXPECT_TRUE(accuracy->isHidden());
    EXPECT_EQ(accuracy->AccuracyText(), "2");
    EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));

    Click(*mainWindow, "Command4");
    EXPECT_EQ(app.Windows().Find<AccuracyWindow>(), accuracy);
    EXPECT_TRUE(accuracy->isVisible());
    EXPECT_TRUE(Find<QRadioButton>(*accuracy, "Option3").isChecked());
}

TEST_F(AccuracyWindowTest, OpensAtItsLayoutWithTheSelectedOptionFocused) {
    Click(*mainWindow, "Command4");
    AccuracyWindow& accuracy = *app.Windows().Find<AccuracyWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&accuracy));
    EXPECT_EQ(accuracy.windowTitle(), "Accuracy");
    EXPECT_EQ(accuracy.geometry(), QRect(327, 214, 104, 141));
    EXPECT_EQ(accuracy.palette().color(QPalette::Window), Qt::white);
    const struct {
        const char* name;
        QString caption;
        QRect pixels;
    } controls[] = {{"Label1", "Give answer to", {0, 0, 113, 17}},
                    {"Option1", "0", {0, 24, 73, 17}},
                    {"Option2", "1", {0, 40, 81, 17}},
                    {"Option3", "2", {0, 56, 89, 17}},
                    {"Option4", "3", {0, 72, 89, 17}},
                    {"Label2", "decimal places.", {0, 96, 97, 17}},
                    {"Command1", "OK", {0, 120, 81, 17}}};
    for (const auto& control : controls) {
        QWidget& widget = Find(accuracy, control.name);
        EXPECT_EQ(widget.geometry(), control.pixels) << control.name;
        EXPECT_EQ(widget.property("text").toString(), control.caption) << control.name;
        EXPECT_TRUE(widget.isVisible()) << control.name;
    }
    auto& text = Find<QLineEdit>(accuracy, "Text1");
    EXPECT_TRUE(text.isHidden());
    EXPECT_EQ(text.geometry(), QRect(128, 32, 41, 65));
    EXPECT_EQ(QApplication::focusWidget(), &Find(accuracy, "Option3"));

    // Later controls lie on top where they overlap, and a screen reader reads them in that order.
    QStringList bottomToTop;
    for (QWidget* child : accuracy.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isHidden()) {
            bottomToTop << child->objectName();
        }
    }
    EXPECT_EQ(bottomToTop, (QStringList{"Label1", "Option1", "Option2", "Option3", "Option4",
                                        "Label2", "Command1"}));
    // OK's face stays white, but for the slight shading the style gives a button's face.
    const QImage ok = Find(accuracy, "Command1").grab().toImage();
    for (int y = 2; y < ok.height() - 2; ++y) {
        EXPECT_GE(qGray(ok.pixel(4, y)), 245) << "row " << y;
    }
}

TEST_F(AccuracyWindowTest, AChoiceAppliesBeforeOk) {
    AccuracyWindow& accuracy = ChooseAccuracy(3);
    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), (QStringList{"0.657", "-0.457"}));
    EXPECT_TRUE(accuracy.isVisible());
    EXPECT_EQ(accuracy.AccuracyText(), "3");
}

TEST_F(AccuracyWindowTest, OkHidesTheWindowAndKeepsTheChoice) {
    AccuracyWindow& accuracy = ChooseAccuracy(0);
    Click(accuracy, "Command1");
    EXPECT_TRUE(accuracy.isHidden());
    EXPECT_TRUE(messages.prompts.isEmpty());

    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), (QStringList{"1", "0"}));
    Click(*mainWindow, "Command4");
    EXPECT_EQ(app.Windows().Find<AccuracyWindow>(), &accuracy);
    EXPECT_TRUE(Find<QRadioButton>(accuracy, "Option1").isChecked());
}

TEST_F(AccuracyWindowTest, TheCloseBoxForgetsTheChoice) {
    ChooseAccuracy(3).close();
    LetClosedWindowsGo();
    EXPECT_EQ(app.Windows().Find<AccuracyWindow>(), nullptr);

    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));
    Click(*mainWindow, "Command4");
    EXPECT_TRUE(Find<QRadioButton>(*app.Windows().Find<AccuracyWindow>(), "Option3").isChecked());
}

TEST_F(AccuracyWindowTest, TheWindowIsForgottenAsSoonAsItsCloseBoxIsPressed) {
    // Before the event loop has deleted it, a command must already get a fresh window.
    ChooseAccuracy(0).close();
    EXPECT_EQ(CurrentAccuracy(app), "2");
}

struct ArrowCase {
    std::vector<Qt::Key> keys;
    const char* selected;
    const char* accuracy;
};

void PrintTo(const ArrowCase& c, std::ostream* os) {
    for (Qt::Key key : c.keys) {
        *os << QKeySequence(key).toString().toStdString() << ' ';
    }
    *os << "to " << c.selected;
}

class AccuracyArrowKeysTest : public VeltrixTest,
                              public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(AccuracyArrowKeysTest, MoveTheSelectionAsAClickDoes) {
    Click(*mainWindow, "Command4");
    AccuracyWindow& accuracy = *app.Windows().Find<AccuracyWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&accuracy));
    for (Qt::Key key : GetParam().keys) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    auto& selected = Find<QRadioButton>(accuracy, GetParam().selected);
    EXPECT_TRUE(selected.isChecked());
    EXPECT_EQ(QApplication::focusWidget(), &selected);
    EXPECT_EQ(accuracy.AccuracyText(), GetParam().accuracy);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AccuracyArrowKeysTest,
    ::testing::Values(ArrowCase{{Qt::Key_Down}, "Option4", "3"},
                      ArrowCase{{Qt::Key_Right}, "Option4", "3"},
                      ArrowCase{{Qt::Key_Up}, "Option2", "1"},
                      ArrowCase{{Qt::Key_Left, Qt::Key_Left}, "Option1", "0"},
                      // The selection wraps round at either end of the group.
                      ArrowCase{{Qt::Key_Down, Qt::Key_Down}, "Option1", "0"},
                      ArrowCase{{Qt::Key_Up, Qt::Key_Up, Qt::Key_Up}, "Option4", "3"},
                      // Tab leaves the group for OK and comes back at the selected option.
                      ArrowCase{{Qt::Key_Up, Qt::Key_Tab, Qt::Key_Tab}, "Option2", "1"}));

// An option selected with the mouse is where Tab and Shift+Tab come back into the group, as for
// the arrows.
TEST_F(AccuracyWindowTest, TheTabStopFollowsAnOptionClickedWithTheMouse) {
    AccuracyWindow& accuracy = ChooseAccuracy(1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&accuracy));
    QStringList visited;
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"Command1", "Option2", "Command1", "Option2"}));
}

TEST_F(AccuracyWindowTest, TheOptionGroupIsOneTabStop) {
    Click(*mainWindow, "Command4");
    AccuracyWindow& accuracy = *app.Windows().Find<AccuracyWindow>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&accuracy));
    QStringList visited;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited, (QStringList{"Command1", "Option3", "Command1", "Option3"}));
    EXPECT_EQ(accuracy.AccuracyText(), "2");
}

struct OkCheckCase {
    const char* accuracyText;
    bool accepted;
};

void PrintTo(const OkCheckCase& c, std::ostream* os) {
    *os << '"' << c.accuracyText << '"';
}

class AccuracyOkCheckTest : public VeltrixTest,
                            public ::testing::WithParamInterface<OkCheckCase> {};

// The option buttons write only "0" to "3"; the check still guards whatever the text holds.
TEST_P(AccuracyOkCheckTest, AcceptsOnlyATextThatConvertsAndDoubles) {
    Click(*mainWindow, "Command4");
    AccuracyWindow& accuracy = *app.Windows().Find<AccuracyWindow>();
    Find<QLineEdit>(accuracy, "Text1").setText(QString::fromLatin1(GetParam().accuracyText));
    Click(accuracy, "Command1");
    EXPECT_EQ(accuracy.isHidden(), GetParam().accepted);
    EXPECT_EQ(messages.prompts,
              GetParam().accepted
                  ? QStringList{}
                  : QStringList{"You have entered an invalid value for the accuracy"});
    EXPECT_EQ(accuracy.AccuracyText(), QString::fromLatin1(GetParam().accuracyText));
}

INSTANTIATE_TEST_SUITE_P(Texts, AccuracyOkCheckTest,
                         ::testing::Values(OkCheckCase{"3", true}, OkCheckCase{"-1", true},
                                           OkCheckCase{"2.5", true}, OkCheckCase{"abc", false},
                                           OkCheckCase{"", false}, OkCheckCase{"1e308", false},
                                           OkCheckCase{"6e307", true}));

} // namespace
} // namespace veltrix::ui::testing
