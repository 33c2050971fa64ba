// The Working window: opened from the equation box's and the Solution window's context menus,
// following the typing and the accuracy, saying why where there is no working, and copied as
// plain text and as LaTeX, printed and saved as PDF; and a worksheet's file read.
#include "ui/working/latex_document.hpp"
#include "ui/working/method_and_school.hpp"
#include "ui/working/sketch_view.hpp"
#include "ui/working/working_placement.hpp"
#include "ui/working/working_window.hpp"
#include "ui/working/worksheet.hpp"
#include "ui_test_support.hpp"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <array>
#include <ostream>

namespace veltrix::ui::testing {
namespace {

class WorkingWindowTest : public VeltrixTest {
  protected:
    // Right-clicks the equation box and chooses Show working from its menu.
    WorkingWindow* ShowWorkingFromTheBox() {
        auto& box = Find<QLineEdit>(*mainWindow, "Text1");
        QContextMenuEvent click(QContextMenuEvent::Mouse, box.rect().center(),
                                box.mapToGlobal(box.rect().center()));
        QApplication::sendEvent(&box, &click);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            ADD_FAILURE() << "no context menu";
            return nullptr;
        }
        // Qt's own items come first.
        EXPECT_TRUE(menu->actions().constFirst()->text().contains("Undo"));
        auto* item = menu->findChild<QAction*>("ShowWorking");
        EXPECT_EQ(menu->actions().constLast(), item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        return app.Windows().Find<WorkingWindow>();
    }

    static QString Line(WorkingWindow& working, const QString& start) {
        for (const QString& line : working.Lines()) {
            if (line.startsWith(start)) {
                return line;
            }
        }
        return {};
    }
};

TEST_F(WorkingWindowTest, OpensOnceFromEitherContextMenuInFront) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    EXPECT_EQ(working->windowTitle(), "Working");
    EXPECT_EQ(Line(*working, "Roots:"),
              "Roots: x = (−b ± √(b² − 4ac))/(2a) = (2 ± √124)/20 = (1 ± √31)/10");
    // Every line is in view: the window grew for them.
    auto& lines = Find<WorkingView>(*working, "Lines");
    EXPECT_EQ(lines.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(lines.horizontalScrollBar()->maximum(), 0);
    // A screen reader finds the working by its name and reads it line by line.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&lines);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Name), "Working");
    EXPECT_EQ(reader->role(), QAccessible::List);
    ASSERT_EQ(reader->childCount(), working->Lines().size());
    QAccessibleInterface* rounded = reader->child(4);
    EXPECT_EQ(rounded->role(), QAccessible::ListItem);
    EXPECT_EQ(rounded->text(QAccessible::Name), "Rounded: x ≈ 0.66 or x ≈ -0.46");
    EXPECT_EQ(reader->indexOfChild(rounded), 4);

    Click(*mainWindow, "Command1");
    auto* showWorking = Solution()->findChild<QAction*>("ShowWorking");
    ASSERT_NE(showWorking, nullptr);
    showWorking->trigger();
    EXPECT_EQ(app.Windows().Find<WorkingWindow>(), working);
    EXPECT_TRUE(QTest::qWaitForWindowActive(working));
    EXPECT_EQ(app.Windows().ExistingNames().count("Form6"), 1);
}

// View > Working opens the window beside the main window, clear of its equation box and buttons;
// it takes the size its working needs, larger for a long working and smaller again after it,
// until the user moves it.
TEST_F(WorkingWindowTest, OpensFromTheViewMenuBesideTheMainWindowSizedToItsWorking) {
    ChooseMenuItem(*mainWindow, "View", "ViewWorking");
    WorkingWindow* working = app.Windows().Find<WorkingWindow>();
    ASSERT_NE(working, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    const auto coversTheMainWindow = [&] {
        QRegion controls;
        for (const char* name : {"Text1", "Command1", "Command2", "Command3", "Command4"}) {
            QWidget& control = Find(*mainWindow, name);
            controls += QRect(control.mapToGlobal(QPoint()), control.size());
        }
        return controls.intersects(working->frameGeometry());
    };
    EXPECT_FALSE(coversTheMainWindow());
    const QRect opened = working->geometry();

    TypeEquation("1e-30X^2+1X-1");
    QCoreApplication::processEvents();
    EXPECT_GT(working->height(), opened.height());
    EXPECT_FALSE(coversTheMainWindow());
    TypeEquation("10X^2-2X-3");
    QCoreApplication::processEvents();
    EXPECT_EQ(working->geometry(), opened);

    // Moved by the window manager, as a user's drag moves it: it stays where it was put.
    const QPoint put = opened.topLeft() + QPoint(0, 100);
    working->windowHandle()->setPosition(put);
    QCoreApplication::processEvents();
    TypeEquation("1e-30X^2+1X-1");
    QCoreApplication::processEvents();
    EXPECT_EQ(working->geometry(), QRect(put, opened.size()));
}

TEST_F(WorkingWindowTest, FollowsTheTypingAndTheAccuracyAndSaysWhyInItsPlace) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    TypeEquation("X^2+2X+5");
    EXPECT_EQ(Line(*working, "Roots:"),
              "Roots: x = (−b ± √(b² − 4ac))/(2a) = (-2 ± √(-16))/2 = -1 ± 2i, two complex roots");
    TypeEquation("X^2+2X+1.01");
    ChooseAccuracy(0);
    EXPECT_EQ(
        working->Lines().mid(4, 2),
        (QStringList{"Rounded: x ≈ -1 ± 0i", "The imaginary part is not 0, but it rounds to 0 "
                                             "at this accuracy: the roots are not real."}));
    TypeEquation("10X^2-2X-3");
    ChooseAccuracy(3);
    EXPECT_EQ(Line(*working, "Rounded:"), "Rounded: x ≈ 0.657 or x ≈ -0.457");
    // Closed, the Accuracy window takes its choice with it.
    app.Windows().Find<AccuracyWindow>()->close();
    EXPECT_EQ(Line(*working, "Rounded:"), "Rounded: x ≈ 0.66 or x ≈ -0.46");

    // The working reads what Calculate does not, and says what to type for Calculate after it,
    // where a plain copy keeps it and a LaTeX copy leaves it out; what it cannot read, it names
    // with its place.
    TypeEquation("X^2-4");
    const QString hint = "To use Calculate, Plot and Find a value, type X^2+0X-4";
    EXPECT_EQ(working->Lines().value(0), "Equation: y = x² − 4, where a = 1, b = 0, c = -4");
    EXPECT_EQ(working->Lines().constLast(), hint);
    EXPECT_TRUE(working->TextToCopy().endsWith('\n' + hint));
    EXPECT_FALSE(working->LatexToCopy().contains("Calculate"))
        << working->LatexToCopy().toStdString();
    EXPECT_EQ(Line(*working, "Rounded:"), "Rounded: x = 2 or x = -2");
    TypeEquation("x2-5x+6");
    EXPECT_EQ(working->Lines(),
              (QStringList{"The working cannot read this text: a number right after x, at "
                           "character 2",
                           "Calculate reads this text as y = x² + 5x + 6"}));
    EXPECT_TRUE(messages.prompts.isEmpty()) << messages.prompts.join('|').toStdString();
}

// An exercise's equation as the sheet prints it: the equation as given first, then each step to
// ax² + bx + c = 0 a line of its own; a function's zeros; a refusal named with its place.
// The method and the school are chosen above the lines, from the keyboard too, every method
// offered whatever the equation; the working follows them, and the choice is kept for the next
// run.
TEST_F(WorkingWindowTest, WorksByTheMethodChosenAndKeepsTheChoice) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    for (const char* name : {"Method", "School"}) {
        auto& box = Find<QComboBox>(*working, name);
        EXPECT_EQ(box.accessibleName(), name);
        EXPECT_EQ(Find<QLabel>(*working, (std::string(name) + "Label").c_str()).buddy(), &box);
    }
    auto& box = Find<QComboBox>(*working, "Method");
    EXPECT_EQ(box.count(), 7);
    EXPECT_EQ(working->Method(), std::nullopt);
    TypeEquation("x^2-5x+6");
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(working->Method(), WorkingMethod::Square);
    EXPECT_EQ(Line(*working, "The left side"),
              "The left side written as a square: (x − 2.5)² = 0.25");
    // Kept a moment later, once the working is painted.
    EXPECT_TRUE(
        QTest::qWaitFor([] { return MethodAndSchool::KeptMethod() == WorkingMethod::Square; }));
    // A method that does not apply says why, and the formula's working follows.
    working->ChooseMethod(WorkingMethod::HalfB);
    EXPECT_EQ(Line(*working, "The half-b"),
              "The half-b formula asks for an even b, and here b = -5. By the formula:");
    EXPECT_EQ(Line(*working, "Roots:"),
              "Roots: x = (−b ± √(b² − 4ac))/(2a) = (5 ± 1)/2 = 3 or x = 2");
    EXPECT_TRUE(
        QTest::qWaitFor([] { return MethodAndSchool(nullptr).Method() == WorkingMethod::HalfB; }));
    // The German school's own method where a = 1 is the pq-formula; an English window names the
    // forms as British schools do where the school is theirs.
    working->ChooseMethod(std::nullopt);
    working->ChooseSchool(*SchoolNamed("de"));
    EXPECT_FALSE(Line(*working, "pq-formula, with").isEmpty());
    working->ChooseSchool(*SchoolNamed("uk"));
    EXPECT_FALSE(Line(*working, "Completed square form: y = (x − 2.5)²").isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([] {
        const MethodAndSchool kept(nullptr);
        return kept.Method() == std::nullopt && kept.Choice().school == "uk";
    }));
    working->ChooseSchool(GeneralSchool());
    EXPECT_TRUE(QTest::qWaitFor([] { return MethodAndSchool::KeptSchool().id == "general"; }));
}

// Where the user has chosen no school, the session's: that of its locale, LC_ALL's over
// LC_MESSAGES' over LANG's.
TEST_F(WorkingWindowTest, TakesTheSchoolOfTheLocaleWhereNoneIsChosen) {
    const std::array<const char*, 3> variables = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::array<std::optional<QByteArray>, 3> before;
    for (std::size_t i = 0; i < variables.size(); ++i) {
        if (qEnvironmentVariableIsSet(variables[i])) {
            before[i] = qgetenv(variables[i]);
        }
    }
    QSettings("Veltrix", "Veltrix").remove("working/school");
    struct Session {
        std::array<const char*, 3> locales;
        std::string_view school;
    };
    for (const Session& session :
         {Session{{"de_AT.UTF-8", "", "fr_FR.UTF-8"}, "de"}, Session{{"", "pl_PL", "fr_FR"}, "pl"},
          Session{{"C.UTF-8", "ja_JP", "pt_PT"}, "general"}}) {
        for (std::size_t i = 0; i < variables.size(); ++i) {
            qputenv(variables[i], session.locales[i]);
        }
        EXPECT_EQ(SchoolOfSession().id, session.school) << session.locales[0];
        EXPECT_EQ(MethodAndSchool(nullptr).SchoolChosen().id, session.school);
    }
    for (std::size_t i = 0; i < variables.size(); ++i) {
        if (before[i]) {
            qputenv(variables[i], *before[i]);
        } else {
            qunsetenv(variables[i]);
        }
    }
    MethodAndSchool::KeepSchool(GeneralSchool());
}

// A long working, a small font and a height near where the lines just fit: each scroll bar that
// comes or goes rewraps the lines, which once called for the layout again from inside itself
// until the stack ran out.
TEST_F(WorkingWindowTest, ResizesWithoutLayingOutWithoutEnd) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    TypeEquation("3x^2-7x+0.25");
    working->ChooseMethod(WorkingMethod::Square);
    const QFont before = working->font();
    QFont small = before;
    small.setPointSize(9);
    working->setFont(small);
    for (int height = 400; height < 900; ++height) {
        working->resize(349, height);
        QCoreApplication::processEvents();
    }
    EXPECT_FALSE(working->Lines().isEmpty());
    working->setFont(before);
    // The choice is kept a moment after it is made: made and kept again before the test ends.
    working->ChooseMethod(std::nullopt);
    EXPECT_TRUE(QTest::qWaitFor([] { return MethodAndSchool::KeptMethod() == std::nullopt; }));
}

TEST_F(WorkingWindowTest, StartsFromTheEquationAsGivenAndBringsItToStandardForm) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    TypeEquation("(x-1)^2=4");
    EXPECT_EQ(
        working->Lines().mid(0, 5),
        (QStringList{"Equation as given: (x − 1)² = 4", "Square root of both sides: x − 1 = ±2",
                     "Brackets expanded: x² − 2x + 1 = 4",
                     "Every term brought to one side: x² − 2x + 1 − 4 = 0",
                     "Equation: x² − 2x − 3 = 0, where a = 1, b = -2, c = -3"}));
    const struct {
        const char* text;
        QString line;
    } rows[] = {
        {"(x+2)(x-3)=0", "A product is 0 where a factor is 0: x = -2 or x = 3"},
        {"(x+1)/2 = x^2", "Both sides multiplied by 2: x + 1 = 2x²"},
        {"1/2x^2 - 2", "1/2x^2 is read as (1/2)x²: what follows the fraction multiplies it."},
        {"1/2x^2 - 2", "Its zeros are the solutions of 0.5x² − 2 = 0"},
        {"1/x = x", "The working cannot read this text: x in a denominator, at character 3"},
    };
    for (const auto& row : rows) {
        TypeEquation(row.text);
        EXPECT_TRUE(working->Lines().contains(row.line))
            << row.text << ": " << working->Lines().join(u'|').toStdString();
    }
}

TEST_F(WorkingWindowTest, CopiesTheWorkingAsPlainTextAndAsLatex) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    TypeEquation("X^2-2X+1");
    working->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(working, Qt::Key_C, Qt::ControlModifier);
    const QStringList plain = QGuiApplication::clipboard()->text().split('\n');
    EXPECT_EQ(plain, working->Lines());
    EXPECT_EQ(plain.value(2), "Roots: x = (−b ± √(b² − 4ac))/(2a) = (2 ± 0)/2 = 1, a double root");

    working->findChild<QAction*>("CopyLatex")->trigger();
    const QStringList latex = QGuiApplication::clipboard()->text().split(QStringLiteral("\n\n"));
    // What a document needs around them, the lines, then the sketch as a TikZ picture.
    EXPECT_EQ(latex.size(), plain.size() + 2);
    EXPECT_EQ(latex.constFirst(), "% Compile with pdflatex, with these lines before "
                                  "\\begin{document}:\n% \\usepackage[T1]{fontenc}\n"
                                  "% \\usepackage{lmodern}\n% \\usepackage{tikz}");
    EXPECT_TRUE(latex.constLast().startsWith("% The sketch, in TikZ."));
    EXPECT_EQ(latex.value(2), "Discriminant: $b^2 - 4ac = (-2)^2 - 4 \\cdot 1 \\cdot 1 = 0$");
}

// Whole lines are selected with the mouse and the keyboard; Copy and Copy as LaTeX take those
// lines, and every line again once the user selects them all.
TEST_F(WorkingWindowTest, CopiesTheSelectedLines) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    auto& lines = Find<WorkingView>(*working, "Lines");
    QWidget* page = lines.viewport();
    const QStringList all = working->Lines();
    const int last = lines.LineCount() - 1;
    const auto copied = [&] {
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(&lines, Qt::Key_C, Qt::ControlModifier);
        return QGuiApplication::clipboard()->text();
    };
    QTest::mouseClick(page, Qt::LeftButton, {}, lines.LineRect(2).center());
    QTest::mouseClick(page, Qt::LeftButton, Qt::ShiftModifier, lines.LineRect(1).center());
    EXPECT_EQ(copied(), all.mid(1, 2).join(u'\n'));
    working->findChild<QAction*>("CopyLatex")->trigger();
    const QStringList latex = QGuiApplication::clipboard()->text().split(QStringLiteral("\n\n"));
    ASSERT_EQ(latex.size(), 3);
    EXPECT_TRUE(latex[0].startsWith("% Compile with pdflatex")) << latex[0].toStdString();
    EXPECT_TRUE(latex[1].startsWith("Discriminant: $b^2")) << latex[1].toStdString();
    EXPECT_TRUE(latex[2].startsWith("Roots: $x = \\frac")) << latex[2].toStdString();

    QTest::keyClick(&lines, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&lines, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(copied(), all.mid(2, 2).join(u'\n'));
    QTest::keyClick(&lines, Qt::Key_Up);
    EXPECT_EQ(copied(), all.value(2));
    QTest::mousePress(page, Qt::LeftButton, {}, lines.LineRect(5).center());
    QTest::mouseMove(page, lines.LineRect(last).center());
    QTest::mouseRelease(page, Qt::LeftButton, {}, lines.LineRect(last).center());
    EXPECT_EQ(copied(), all.mid(5).join(u'\n'));
    // A right click, which opens the window's menu, leaves the selection for its Copy.
    QTest::mouseClick(page, Qt::RightButton, {}, lines.LineRect(0).center());
    EXPECT_EQ(copied(), all.mid(5).join(u'\n'));
    QTest::keyClick(&lines, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(copied(), all.join(u'\n'));
}

// The sketch stands below the lines, the window grown to show both; the points it has no room to
// label are named in a line of their own, and without a sketch the window shrinks back.
TEST_F(WorkingWindowTest, ShowsTheSketchBelowTheLinesNamingThePointsItCannotLabel) {
    ChooseMenuItem(*mainWindow, "View", "ViewWorking");
    WorkingWindow* working = app.Windows().Find<WorkingWindow>();
    ASSERT_NE(working, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    auto* sketch = working->findChild<SketchView*>();
    auto& lines = Find<WorkingView>(*working, "Lines");
    WorkingText text = WorkingTextOf("10X^2-2X-3", 2, u'.', false);
    text.sketch.reset();
    working->ShowText(text);
    const QRect bare = working->geometry();
    const QStringList worked = working->Lines();
    text.sketch = DefaultEquationSketch();
    working->ShowText(text);
    QCoreApplication::processEvents();
    ASSERT_TRUE(sketch->isVisible());
    EXPECT_TRUE(working->rect().contains(sketch->geometry()));
    // Nor does a gap open above the sketch where the window is held to the sketch's width.
    EXPECT_LE(lines.height(), lines.HeightForWidth(lines.width()));
    EXPECT_EQ(lines.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(working->Lines(), worked);

    // A root 10^400 away: its label finds no place on the sketch.
    const QString far = u'1' + QString(400, u'0');
    text.sketch = SketchInput{u"1E-400",
                              u"-1",
                              u"0",
                              {{SketchPointKind::Minimum, u"5E+399", u"-2.5E+399", u"(5E+399, 0)"},
                               {SketchPointKind::Root, u"1E+400", u"0", far.toStdU16String()},
                               {SketchPointKind::Root, u"0", u"0", u"0"},
                               {SketchPointKind::YIntercept, u"0", u"0", u"(0, 0)"}}};
    working->ShowText(text);
    EXPECT_EQ(working->Lines().mid(0, worked.size()), worked);
    ASSERT_EQ(working->Lines().size(), worked.size() + 1);
    EXPECT_TRUE(working->Lines().last().startsWith("Not labelled on the sketch: "));
    EXPECT_TRUE(working->Lines().last().contains(far));
    EXPECT_TRUE(working->LatexToCopy().contains(far));
    // Every digit of it can be scrolled to.
    EXPECT_GT(lines.horizontalScrollBar()->maximum(), 0);

    text.sketch.reset();
    working->ShowText(text);
    QCoreApplication::processEvents();
    EXPECT_TRUE(sketch->isHidden());
    EXPECT_EQ(working->geometry(), bare);
}

// The text a PDF holds, page after page, as pdftotext extracts it.
QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VELTRIX_PDFTOTEXT), {path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished()) << "pdftotext (poppler-utils) is needed";
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// Print and Save as PDF, in the context menu and the File menu, put the lines selected, or else
// all of them, on paper with the sketch; cancelling either dialog writes nothing.
TEST_F(WorkingWindowTest, PrintsAndSavesAsPdfTheLinesSelectedWithTheSketch) {
    WorkingWindow* working = ShowWorkingFromTheBox();
    ASSERT_NE(working, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(working));
    auto* print = working->findChild<QAction*>("Print");
    auto* save = working->findChild<QAction*>("SavePdf");
    const QMenu* file = working->findChild<QMenuBar*>()->actions().value(0)->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->actions(), (QList<QAction*>{print, save}));
    const QTemporaryDir folder;
    const QString saved = folder.filePath("saved.pdf");
    const QString printed = folder.filePath("printed.pdf");
    save->trigger();
    print->trigger();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());

    files.answer = SaveTarget{saved, {}};
    save->trigger();
    const QString whole = PdfText(saved);
    // Each number once, though each piece of a formula is drawn apart.
    for (const char* shown : {"where a = 10, b = −2, c = −3", "Rounded", "(0.1, −3.1)"}) {
        EXPECT_TRUE(whole.contains(shown)) << shown << " in " << whole.toStdString();
    }
    auto& lines = Find<WorkingView>(*working, "Lines");
    QTest::mouseClick(lines.viewport(), Qt::LeftButton, {}, lines.LineRect(1).center());
    files.printTo = printed;
    print->trigger();
    const QString selected = PdfText(printed);
    EXPECT_TRUE(selected.contains("Discriminant")) << selected.toStdString();
    EXPECT_FALSE(selected.contains("Rounded")) << selected.toStdString();
    EXPECT_TRUE(selected.contains("(0.1, −3.1)")) << selected.toStdString();
    EXPECT_TRUE(messages.prompts.isEmpty());
}

struct WorksheetCase {
    const char* what;
    const char* text;
    QStringList questions;
    QStringList faults;
};

void PrintTo(const WorksheetCase& c, std::ostream* os) {
    *os << c.what;
}

class WorksheetTest : public ::testing::TestWithParam<WorksheetCase> {};

// A worksheet's file: an equation a line, in any notation the working reads, whatever line break
// ends it; blank lines and comments left out, and a line that cannot be read named by its number
// among the others worked out.
TEST_P(WorksheetTest, WorksOutEveryLineItCanRead) {
    const WorksheetCase& c = GetParam();
    const Worksheet sheet = WorksheetOf(c.text, 2, u'.', false);
    QStringList questions;
    for (std::size_t i = 0; i < sheet.exercises.size(); ++i) {
        questions << QuestionLine(static_cast<int>(i) + 1, sheet.exercises[i], false).plain;
        EXPECT_TRUE(sheet.exercises[i].worked && sheet.exercises[i].sketch);
        EXPECT_TRUE(std::ranges::none_of(sheet.exercises[i].lines, &WorkingTextLine::hint));
    }
    EXPECT_EQ(questions, c.questions);
    EXPECT_EQ(sheet.faults, c.faults);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WorksheetTest,
    ::testing::Values(
        WorksheetCase{"comments, blank lines and CRLF",
                      "# Exercise 1\r\nx^2-1\r\n\r\n  # indented\n \t\n2x^2+3x-2=0\r\n",
                      {"1. y = x² − 1", "2. 2x² + 3x − 2 = 0"},
                      {}},
        WorksheetCase{"a bad line among good ones, the last without its line break",
                      "(x-1)^2=4\nx2-5x+6\n\n(x+1)/2 = x^2",
                      {"1. (x − 1)² = 4", "2. (x + 1)/2 = x²"},
                      {"Line 2: The working cannot read this text: a number right after x, at "
                       "character 2"}},
        WorksheetCase{"no equation", "#x^2\n\r\n", {}, {}},
        WorksheetCase{"nothing read",
                      "x^3\n1/x",
                      {},
                      {"Line 1: The working cannot read this text: a power of x above 2, at "
                       "character 3",
                       "Line 2: The working cannot read this text: x in a denominator, at "
                       "character 3"}}));

// A worksheet's LaTeX: one exercise is its working alone; several are numbered, the workings
// under their questions, after them all behind a heading, or none, with room to write.
TEST(LatexDocumentTest, PutsTheWorkingsWhereTheAnswersGo) {
    const WorkingText parabola = WorkingTextOf("x^2=1", 2, u'.', false);
    const WorkingText line = WorkingTextOf("2x-4", 2, u'.', false);
    const struct {
        QList<WorkingText> sheet;
        WorksheetAnswers answers;
        QStringList inOrder;
        QStringList absent;
    } cases[] = {
        {{parabola},
         WorksheetAnswers::With,
         {"\\begin{minipage}", "Equation as given", "\\begin{tikzpicture}"},
         {"\\item", "\\section"}},
        {{parabola, line},
         WorksheetAnswers::With,
         {"\\item \\begin{minipage}", "$x^2 = 1$", "Discriminant", "\\end{tikzpicture}",
          "\\end{minipage}", "\\item \\begin{minipage}", "$y = 2x - 4$", "Not a quadratic"},
         {"\\section", "\\vspace"}},
        {{parabola, line},
         WorksheetAnswers::After,
         {"\\item $x^2 = 1$", "\\item $y = 2x - 4$", "\\section*{Answers}",
          "\\item \\begin{minipage}", "Discriminant", "\\item \\begin{minipage}",
          "Not a quadratic"},
         {"\\vspace"}},
        {{parabola, line},
         WorksheetAnswers::None,
         {"\\item $x^2 = 1$\n\\vspace", "\\item $y = 2x - 4$\n\\vspace"},
         {"Discriminant", "Not a quadratic", "tikzpicture", "\\section"}},
    };
    for (const auto& c : cases) {
        const QString document = LatexDocumentOf(c.sheet, c.answers, {});
        SCOPED_TRACE(document.toStdString());
        qsizetype at = 0;
        for (const QString& part : c.inOrder) {
            at = document.indexOf(part, at);
            ASSERT_GE(at, 0) << part.toStdString();
            at += part.size();
        }
        for (const QString& part : c.absent) {
            EXPECT_FALSE(document.contains(part)) << part.toStdString();
        }
    }
}

// Framed by a window manager, the window stands just beside the main window's frame on each side,
// its frame touching that frame and covering none of it.
TEST(WorkingPlacementTest, PutsTheFrameAgainstTheMainWindowsFrame) {
    struct Fixed final : PreferredSize {
        int UnwrappedWidth() const override { return 300; }
        int HeightForWidth(int) const override { return 200; }
    } view;
    const QRect neighbour(600, 100, 400, 300);
    for (const QMargins frame : {QMargins(), QMargins(4, 28, 6, 5)}) {
        const Surroundings around{neighbour, QRect(0, 0, 1920, 1080), frame};
        for (const Side side : {Side::Right, Side::Left, Side::Below}) {
            SCOPED_TRACE(static_cast<int>(side));
            const QRect framed =
                ClientAreaOn(side, around, view, {{200, 100}, {100, 50}}).marginsAdded(frame);
            // No gap between the two frames, and no overlap.
            const int gap = side == Side::Right  ? framed.left() - neighbour.right() - 1
                            : side == Side::Left ? neighbour.left() - framed.right() - 1
                                                 : framed.top() - neighbour.bottom() - 1;
            EXPECT_EQ(gap, 0);
            EXPECT_EQ(framed.top(), side == Side::Below ? neighbour.bottom() + 1 : neighbour.top());
        }
    }
}

} // namespace
} // namespace veltrix::ui::testing
