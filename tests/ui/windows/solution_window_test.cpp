#include "ui_test_support.hpp"

#include <QAction>

namespace veltrix::ui::testing {
namespace {

using SolutionWindowTest = VeltrixTest;

TEST_F(SolutionWindowTest, CalculateOnTheDefaultEquationShowsItsRoots) {
    Click(*mainWindow, "Command1");
    SolutionWindow* solution = Solution();
    ASSERT_NE(solution, nullptr);
    EXPECT_TRUE(solution->isVisible());
    EXPECT_EQ(solution->windowTitle(), "Solution");
    EXPECT_EQ(Caption(*solution, "Label1"), "When Y=0  X=");
    EXPECT_EQ(Caption(*solution, "Label2"), "0.66");
    EXPECT_EQ(Caption(*solution, "Label3"), "or");
    EXPECT_EQ(Caption(*solution, "Label4"), "-0.46");
    EXPECT_TRUE(messages.prompts.isEmpty());
}

struct CalculateCase {
    const char* equation;
    int accuracy; // decimal places chosen in the Accuracy window; -1 leaves it unopened
    QStringList roots;
    QString message;
};

void PrintTo(const CalculateCase& c, std::ostream* os) {
    *os << '"' << c.equation << "\" at " << c.accuracy;
}

class CalculateTest : public VeltrixTest, public ::testing::WithParamInterface<CalculateCase> {};

TEST_P(CalculateTest, ShowsTheRootsOrOneMessage) {
    const CalculateCase& c = GetParam();
    if (c.accuracy >= 0) {
        ChooseAccuracy(c.accuracy);
    }
    TypeEquation(QString::fromLatin1(c.equation));
    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), c.roots);
    EXPECT_EQ(messages.prompts, c.message.isEmpty() ? QStringList{} : QStringList{c.message});
}

INSTANTIATE_TEST_SUITE_P(
    Equations, CalculateTest,
    ::testing::Values(CalculateCase{"10X^2-2X-3", 3, {"0.657", "-0.457"}, {}},
                      CalculateCase{"10X^2-2X-3", 0, {"1", "0"}, {}},
                      CalculateCase{"X^2-2X+1", -1, {"1", "1"}, {}},
                      CalculateCase{"2X^2-3X-2", -1, {"2", "-0.5"}, {}},
                      // With a negative a the first root is the smaller one: never sorted.
                      CalculateCase{"-2X^2+3X+2", -1, {"-0.5", "2"}, {}},
                      CalculateCase{"X^2-400X+1", 1, {"400", "0"}, {}},
                      CalculateCase{"-X^2+3X+2", -1, {}, kCalculateFailed},
                      CalculateCase{"X^2+0X+1", -1, {}, "There is no value of y for which x=0"},
                      CalculateCase{"X^2-400X+1", 2, {}, kCalculateFailed},
                      CalculateCase{"0X^2+2X+1", -1, {}, kCalculateFailed},
                      CalculateCase{"X^2-4", -1, {}, "Invalid Quadratic"},
                      CalculateCase{"", -1, {}, "Invalid Quadratic"}));

TEST_F(SolutionWindowTest, AFailedCalculateLeavesThePreviousRoots) {
    Click(*mainWindow, "Command1");
    SolutionWindow* solution = Solution();
    for (const char* failing : {"X^2+0X+1", "X^2-4", "-X^2+3X+2"}) {
        TypeEquation(QString::fromLatin1(failing));
        Click(*mainWindow, "Command1");
        EXPECT_EQ(Solution(), solution);
        EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"})) << failing;
    }
    EXPECT_EQ(messages.prompts.size(), 3);
}

TEST_F(SolutionWindowTest, EditingTheEquationLeavesTheRootsUntilTheNextCalculate) {
    Click(*mainWindow, "Command1");
    TypeEquation("X^2-2X+1");
    EXPECT_EQ(ShownRoots(), (QStringList{"0.66", "-0.46"}));
    Click(*mainWindow, "Command1");
    EXPECT_EQ(ShownRoots(), (QStringList{"1", "1"}));
}

TEST_F(SolutionWindowTest, ClosingItThenCalculatingOpensAFreshOneAtItsLayoutPlace) {
    Click(*mainWindow, "Command1");
    Solution()->move(10, 10);
    Solution()->close();
    LetClosedWindowsGo();
    EXPECT_EQ(Solution(), nullptr);

    TypeEquation("X^2-2X+1");
    Click(*mainWindow, "Command1");
    ASSERT_NE(Solution(), nullptr);
    EXPECT_EQ(Solution()->geometry(), QRect(233, 260, 289, 21));
    EXPECT_EQ(ShownRoots(), (QStringList{"1", "1"}));
}

TEST_F(SolutionWindowTest, EachSuccessBringsItToTheFront) {
    Click(*mainWindow, "Command1");
    mainWindow->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
    Click(*mainWindow, "Command1");
    EXPECT_TRUE(QTest::qWaitForWindowActive(Solution()));
}

TEST_F(SolutionWindowTest, LabelsAreOpaqueAndStackedSoThatOrStaysVisible) {
    Click(*mainWindow, "Command1");
    SolutionWindow& solution = *Solution();
    QStringList bottomToTop;
    for (QLabel* label : solution.findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        bottomToTop << label->objectName();
    }
    EXPECT_EQ(bottomToTop, (QStringList{"Label1", "Label2", "Label3", "Label4"}));
    const struct {
        const char* name;
        QRect box;
        QRegion uncovered; // what the labels above leave of it inside the client area
    } labels[] = {
        // Label2 is shorter than Label1, which shows again below it down to the window's edge.
        {"Label1", {0, 0, 145, 33}, QRegion(0, 0, 104, 21) + QRegion(104, 17, 41, 4)},
        {"Label2", {104, 0, 57, 17}, QRegion(104, 0, 56, 17)},
        {"Label3", {160, 0, 49, 17}, QRegion(160, 0, 24, 17)},
        {"Label4", {184, 0, 97, 17}, QRegion(184, 0, 97, 17)}};
    for (const auto& label : labels) {
        auto& widget = Find<QLabel>(solution, label.name);
        EXPECT_EQ(widget.geometry(), label.box) << label.name;
        EXPECT_TRUE(widget.autoFillBackground()) << label.name;
        EXPECT_EQ(widget.palette().color(QPalette::Window), Qt::white) << label.name;
        EXPECT_EQ(widget.font().pointSize(), 12) << label.name;
        EXPECT_EQ(widget.visibleRegion().translated(widget.pos()), label.uncovered) << label.name;
    }
    EXPECT_EQ(solution.geometry(), QRect(233, 260, 289, 21));
}

// The font is narrowed only as far as the lead-in needs: one step less would not fit.
TEST_F(SolutionWindowTest, TheLeadInStaysWholeBesideTheFirstRoot) {
    Click(*mainWindow, "Command1");
    auto& leadIn = Find<QLabel>(*Solution(), "Label1");
    const int room = Find(*Solution(), "Label2").x();
    EXPECT_LE(leadIn.fontMetrics().horizontalAdvance(leadIn.text()), room);
    QFont wider = leadIn.font();
    if (wider.stretch() != QFont::AnyStretch && wider.stretch() < QFont::Unstretched) {
        wider.setStretch(wider.stretch() + 1);
        EXPECT_GT(QFontMetrics(wider).horizontalAdvance(leadIn.text()), room);
    }
}

// Ctrl+C and the window's Copy take the root selected with the mouse, or else both roots as the
// line shows them; selecting in one root gives up the selection in the other.
TEST_F(SolutionWindowTest, CopyTakesTheSelectedRootOrBothRoots) {
    Click(*mainWindow, "Command1");
    SolutionWindow& solution = *Solution();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&solution));
    QAction* copy = solution.findChild<QAction*>("Copy");
    ASSERT_NE(copy, nullptr);
    const struct {
        bool firstSelectedBefore; // part of the first root selected before the drag
        const char* dragged;      // the root dragged across, if any
        QString copied;
    } cases[] = {
        {false, nullptr, "0.66 or -0.46"}, {false, "Label2", "0.66"}, {true, "Label4", "-0.46"}};
    for (const auto& c : cases) {
        if (c.firstSelectedBefore) {
            Find<QLabel>(solution, "Label2").setSelection(0, 2);
        }
        if (c.dragged) {
            DragAcross(Find(solution, c.dragged));
        }
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&solution, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);
        QGuiApplication::clipboard()->clear();
        copy->trigger();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), c.copied);
        EXPECT_EQ(QApplication::focusWidget(), nullptr) << "a root took the focus";
    }
}

} // namespace
} // namespace veltrix::ui::testing
