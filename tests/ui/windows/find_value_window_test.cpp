#include "ui_test_support.hpp"

namespace veltrix::ui::testing {
namespace {

class FindValueTest : public VeltrixTest {
  protected:
    FindValueWindow& Open() {
        Click(*mainWindow, "Command3");
        return *app.Windows().Find<FindValueWindow>();
    }

    // Types x into the window and presses its Calculate.
    void CalculateAt(FindValueWindow& window, const QString& x) {
        Type(window, "Text1", x);
        Click(window, "Command1");
    }
};

TEST_F(FindValueTest, OpensEmptyAtItsLayoutWithTheXBoxFocused) {
    FindValueWindow& window = Open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.windowTitle(), "Find a value");
    EXPECT_EQ(window.geometry(), QRect(231, 223, 163, 64));
    const struct {
        const char* name;
        QString text;
        QRect pixels;
    } controls[] = {{"Label1", "X=", {8, 8, 73, 25}},
                    {"Text1", "", {24, 8, 57, 19}},
                    {"Command1", "Calculate", {88, 8, 65, 17}},
                    {"Label2", "Y=", {8, 40, 193, 25}},
                    {"Label3", "", {24, 40, 129, 17}}};
    for (const auto& control : controls) {
        QWidget& widget = Find(window, control.name);
        EXPECT_EQ(widget.geometry(), control.pixels) << control.name;
        EXPECT_EQ(widget.property("text").toString(), control.text) << control.name;
    }
    EXPECT_EQ(QApplication::focusWidget(), &Find(window, "Text1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Find(window, "Command1"));

    QStringList bottomToTop;
    for (QObject* child : window.children()) {
        bottomToTop << child->objectName();
    }
    EXPECT_EQ(bottomToTop, (QStringList{"Label1", "Text1", "Command1", "Label2", "Label3"}));
}

TEST_F(FindValueTest, TheResultIsSelectedWithTheMouseWithoutTakingTheFocus) {
    FindValueWindow& window = Open();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    CalculateAt(window, "1.234");
    QWidget* focused = QApplication::focusWidget();
    auto& y = Find<QLabel>(window, "Label3");
    DragAcross(y);
    EXPECT_EQ(y.selectedText(), "9.76");
    EXPECT_EQ(QApplication::focusWidget(), focused);
}

struct ValueCase {
    const char* equation;
    const char* x;
    int accuracy; // decimal places chosen in the Accuracy window; -1 leaves it unopened
    QString shown;
    QString message;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" at x \"" << c.x << "\", accuracy " << c.accuracy;
}

class FindValueCaseTest : public FindValueTest, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(FindValueCaseTest, ShowsYOrOneMessage) {
    const ValueCase& c = GetParam();
    if (c.accuracy >= 0) {
        ChooseAccuracy(c.accuracy);
    }
    TypeEquation(QString::fromLatin1(c.equation));
    FindValueWindow& window = Open();
    CalculateAt(window, QString::fromLatin1(c.x));
    EXPECT_EQ(Caption(window, "Label3"), c.shown);
    EXPECT_EQ(messages.prompts, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Values, FindValueCaseTest,
    ::testing::Values(
        ValueCase{"10X^2-2X-3", "1", -1, "5", {}}, ValueCase{"10X^2-2X-3", "1.234", -1, "9.76", {}},
        ValueCase{"10X^2-2X-3", "0.5", -1, "-1.5", {}},
        ValueCase{"10X^2-2X-3", "-0.5", -1, "0.5", {}}, ValueCase{"10X^2-2X-3", "2", 2, "33", {}},
        ValueCase{"10X^2-2X-3", "10", 0, "977", {}}, ValueCase{"10x^2-2x-3", "1", -1, "5", {}},
        ValueCase{"X^2+0X+0", "1.5", 1, "2.2", {}}, ValueCase{"X^2+0X-4", "2", -1, "0", {}},
        ValueCase{"10X^2-2X-3", "2", 3, "", kFindValueFailed},
        ValueCase{"10X^2-2X-3", "6", -1, "", kFindValueFailed},
        ValueCase{"10X^2-2X-3", "", -1, "", kFindValueFailed},
        ValueCase{"10X^2-2X-3", "abc", -1, "", kFindValueFailed},
        ValueCase{"-X^2+2X+3", "1", -1, "", kFindValueFailed},
        ValueCase{"XXX", "1", -1, "", kFindValueFailed},
        ValueCase{"X^2-4", "1", -1, "", "Invalid Quadratic"},
        ValueCase{"10X^2-2x-3", "1", -1, "", "Invalid Quadratic"}));

TEST_F(FindValueTest, AFailureLeavesThePreviousResult) {
    FindValueWindow& window = Open();
    CalculateAt(window, "2");
    ASSERT_EQ(Caption(window, "Label3"), "33");

    ChooseAccuracy(3);
    Click(window, "Command1");
    EXPECT_EQ(Caption(window, "Label3"), "33");
    TypeEquation("X^2-4");
    Click(window, "Command1");
    EXPECT_EQ(Caption(window, "Label3"), "33");
    EXPECT_EQ(messages.prompts, (QStringList{kFindValueFailed, "Invalid Quadratic"}));
    EXPECT_EQ(Find<QLineEdit>(window, "Text1").text(), "2");
}

TEST_F(FindValueTest, EnterInTheXBoxStartsNothing) {
    FindValueWindow& window = Open();
    Type(window, "Text1", "1");
    QTest::keyClick(&Find(window, "Text1"), Qt::Key_Return);
    QTest::keyClick(&Find(window, "Text1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Caption(window, "Label3"), "");
    EXPECT_TRUE(messages.prompts.isEmpty());
}

TEST_F(FindValueTest, ClosingAndReopeningGivesAnEmptyWindow) {
    FindValueWindow& window = Open();
    CalculateAt(window, "1");
    window.close();
    LetClosedWindowsGo();

    FindValueWindow& reopened = Open();
    EXPECT_EQ(Find<QLineEdit>(reopened, "Text1").text(), "");
    EXPECT_EQ(Caption(reopened, "Label3"), "");
}

} // namespace
} // namespace veltrix::ui::testing
