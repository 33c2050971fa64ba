// Thousands of clicks, key presses and close boxes in a random order (from a fixed seed), each
// followed by a comparison of every window with a small model of what it must show. The engine
// gives the model its results, so what is checked here is the windows' plumbing: where a result
// goes, what a window keeps, and what closing it forgets.
#include "engine/core/engine.hpp"
#include "ui/windows/graph_window.hpp"
#include "ui_test_support.hpp"
#include "windows_shown.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>

namespace veltrix::ui::testing {
namespace {

const QString kOptionDigits[] = {"0", "1", "2", "3"};

// What the windows must show, kept the way the program is described: windows come into being at
// their first use with their initial contents, and closing one forgets what it held.
class Model {
  public:
    QString equation = QStringLiteral("10X^2-2X-3");
    // The Graph window by the curves it holds, each distinct one once after the axes, and by the
    // equations plotted on it, every one that drew a curve.
    struct Graph {
        std::vector<std::vector<GraphPoint>> curves;
        QStringList plotted;
    };
    std::optional<Graph> graph;
    std::optional<SolutionShown> solution;
    std::optional<FindValueShown> findValue;
    std::optional<AccuracyShown> accuracy;
    QStringList prompts; // the messages the current step must give

    // Reading the accuracy creates the Accuracy window hidden when it does not exist.
    QString ReadAccuracy() {
        if (!accuracy) {
            accuracy = AccuracyShown{"2", "Option3", false};
        }
        return accuracy->text;
    }

    void OpenAccuracy() {
        ReadAccuracy();
        accuracy->visible = true;
    }

    void SelectOption(int index) {
        accuracy->text = kOptionDigits[index];
        accuracy->selectedOption = "Option" + QString::number(index + 1);
    }

    int SelectedOption() const { return accuracy->selectedOption.back().digitValue() - 1; }

    void Calculate() {
        const QString places = ReadAccuracy();
        const SolveOutcome outcome =
            SolveQuadratic(equation.toStdU16String(), places.toStdU16String());
        if (const auto* roots = std::get_if<Roots>(&outcome)) {
            solution = SolutionShown{QString::fromStdU16String(roots->plus),
                                     QString::fromStdU16String(roots->minus), true};
        } else if (std::holds_alternative<InvalidQuadratic>(outcome)) {
            prompts << "Invalid Quadratic";
        } else if (std::holds_alternative<NoRealRoots>(outcome)) {
            prompts << "There is no value of y for which x=0";
        } else {
            prompts << kCalculateFailed;
        }
    }

    void FindValue() {
        const QString places = ReadAccuracy();
        const ValueOutcome outcome = ValueOfYAtX(
            equation.toStdU16String(), findValue->x.toStdU16String(), places.toStdU16String());
        if (const auto* value = std::get_if<ValueFound>(&outcome)) {
            findValue->y = QString::fromStdU16String(value->text);
        } else if (std::holds_alternative<InvalidQuadratic>(outcome)) {
            prompts << "Invalid Quadratic";
        } else {
            prompts << kFindValueFailed;
        }
    }

    // Plot reads the equation and nothing else: not the accuracy.
    void Plot() {
        const ParseOutcome parsed = ParseQuadratic(equation.toStdU16String());
        const auto* coefficients = std::get_if<QuadraticCoefficients>(&parsed);
        if (!coefficients) {
            prompts << (std::holds_alternative<InvalidQuadratic>(parsed) ? "Invalid Quadratic"
                                                                         : kCalculateFailed);
            return;
        }
        if (!graph) {
            graph = Graph{};
        }
        const CurvePoints curve = PlotCurve(*coefficients);
        if (!curve.points.empty()) {
            graph->plotted << equation;
            if (std::ranges::find(graph->curves, curve.points) == graph->curves.end()) {
                graph->curves.push_back(curve.points);
            }
        }
        if (curve.failedAtX) {
            prompts << kCalculateFailed;
        }
    }

    WindowsShown Expected() const {
        WindowsShown shown;
        shown.equation = equation;
        if (graph) {
            shown.graph = GraphShown{kAxesAndTicks.size(), GraphDescription(graph->plotted), true};
            for (const std::vector<GraphPoint>& curve : graph->curves) {
                shown.graph->keptLines += curve.size();
            }
        }
        shown.solution = solution;
        shown.findValue = findValue;
        shown.accuracy = accuracy;
        shown.existing << "Form1";
        shown.visibleTopLevel << "Form1";
        const auto add = [&shown](const char* name, const auto& window) {
            if (window) {
                shown.existing << name;
                if (window->visible) {
                    shown.visibleTopLevel << name;
                }
            }
        };
        add("Form2", shown.graph);
        add("Form3", findValue);
        add("Form4", solution);
        add("Form5", accuracy);
        return shown;
    }
};

// Equations and x texts the steps type: results at every accuracy, each of the messages, roots
// and values too large for some accuracies, curves that leave the single-precision range at their
// first point or only at their last, and texts a careless paste could bring.
const QString kEquations[] = {"10X^2-2X-3",
                              "X^2-2X+1",
                              "2X^2-3X-2",
                              "-2X^2+3X+2",
                              "X^2+0X+1",
                              "X^2-400X+1",
                              "X^2-100X+1",
                              "X^2-4",
                              "-X^2+3X+2",
                              "10x^2-2x-3",
                              "10X^2-2x-3",
                              "XXX",
                              "0X^2+2X+1",
                              "X^2-26X+25",
                              "",
                              "X^2X+1",
                              "10X^3-2X-3",
                              "1e3X^2-X-1",
                              QString::fromUtf16(u"10X😀-2X-3"),
                              "x^2-x+1",
                              "X^X+1",
                              "1e300X^2+0X+0",
                              "3.4e36X^2+0X+0",
                              " 1 X^2 - 5 X + 6 ",
                              QString::fromUtf16(u"10X^2-2X-3\u200F")};
const QString kXTexts[] = {"1",
                           "2",
                           "1.234",
                           "-0.5",
                           "0.5",
                           "6",
                           "10",
                           "",
                           "-3",
                           "abc",
                           "1e400",
                           "1E2",
                           " 3 ",
                           "0.25",
                           "-2",
                           "99999",
                           "7",
                           "-0.1",
                           QString::fromUtf16(u"1😀")};

class WindowSequenceTest : public VeltrixTest {
  protected:
    std::mt19937 random{20261208};

    std::size_t Pick(std::size_t count) { return random() % count; }
    template <class T, std::size_t N> const T& PickFrom(const T (&items)[N]) {
        return items[Pick(N)];
    }

    template <class Steps> const typename Steps::value_type* PickStep(const Steps& steps) {
        int total = 0;
        for (const auto& step : steps) {
            total += step.possible() ? step.weight : 0;
        }
        int ticket = static_cast<int>(Pick(static_cast<std::size_t>(total)));
        for (const auto& step : steps) {
            if (step.possible() && (ticket -= step.weight) < 0) {
                return &step;
            }
        }
        return nullptr;
    }

    FindValueWindow* FindValue() { return app.Windows().Find<FindValueWindow>(); }
    AccuracyWindow* Accuracy() { return app.Windows().Find<AccuracyWindow>(); }

    // The window system's close event, as the close box in the title bar sends it.
    static void PressCloseBox(QWidget& window) {
        QCloseEvent close;
        QCoreApplication::sendEvent(window.windowHandle(), &close);
    }

    void Enter(QLineEdit& box, const QString& text) {
        Pick(2) == 0 ? Paste(box, text) : TypeCharacters(box, text);
    }

    struct Step {
        const char* name;
        int weight; // how often it is taken, relative to the others possible at the moment
        std::function<bool()> possible;
        std::function<void()> act; // on the windows, then on the model
    };

    std::vector<Step> Steps();

    // One of the steps possible now, by weight.
    const Step* PickStep(const std::vector<Step>& steps) {
        int total = 0;
        for (const Step& step : steps) {
            total += step.possible() ? step.weight : 0;
        }
        int ticket = static_cast<int>(Pick(static_cast<std::size_t>(total)));
        for (const Step& step : steps) {
            if (step.possible() && (ticket -= step.weight) < 0) {
                return &step;
            }
        }
        return nullptr;
    }

    Model model;
    QString detail; // what the step typed or chose, for the failure message
};

std::vector<WindowSequenceTest::Step> WindowSequenceTest::Steps() {
    const auto always = [] { return true; };
    const auto findValueOpen = [this] { return model.findValue.has_value(); };
    const auto accuracyVisible = [this] { return model.accuracy && model.accuracy->visible; };
    return {
        {"type an equation", 4, always,
         [this] {
             model.equation = PickFrom(kEquations);
             Enter(Find<QLineEdit>(*mainWindow, "Text1"), model.equation);
             detail = model.equation;
         }},
        {"Calculate", 3, always,
         [this] {
             Click(*mainWindow, "Command1");
             model.Calculate();
         }},
        {"Plot", 4, always,
         [this] {
             Click(*mainWindow, "Command2");
             model.Plot();
         }},
        {"Find a value of Y", 2, always,
         [this] {
             Click(*mainWindow, "Command3");
             if (!model.findValue) {
                 model.findValue = FindValueShown{};
             }
         }},
        {"Set accuracy", 2, always,
         [this] {
             Click(*mainWindow, "Command4");
             model.OpenAccuracy();
         }},
        {"click an option", 3, accuracyVisible,
         [this] {
             const int option = static_cast<int>(Pick(4));
             const QByteArray name = "Option" + QByteArray::number(option + 1);
             Click(*Accuracy(), name.constData());
             model.SelectOption(option);
             detail = QString::fromLatin1(name);
         }},
        {"arrow key in the options", 2, accuracyVisible,
         [this] {
             const bool down = Pick(2) == 0;
             const QByteArray name = "Option" + QByteArray::number(model.SelectedOption() + 1);
             QTest::keyClick(&Find(*Accuracy(), name.constData()),
                             down ? Qt::Key_Down : Qt::Key_Up);
             model.SelectOption((model.SelectedOption() + (down ? 1 : 3)) % 4);
             detail = QString::fromLatin1(down ? "down" : "up");
         }},
        {"OK", 2, accuracyVisible,
         [this] {
             Click(*Accuracy(), "Command1");
             model.accuracy->visible = false;
         }},
        {"type x", 3, findValueOpen,
         [this] {
             model.findValue->x = PickFrom(kXTexts);
             Enter(Find<QLineEdit>(*FindValue(), "Text1"), model.findValue->x);
             detail = model.findValue->x;
         }},
        {"Find a value's Calculate", 3, findValueOpen,
         [this] {
             Click(*FindValue(), "Command1");
             model.FindValue();
         }},
        {"close Find a value", 1, findValueOpen,
         [this] {
             PressCloseBox(*FindValue());
             model.findValue.reset();
         }},
        {"close Graph", 1, [this] { return model.graph.has_value(); },
         [this] {
             PressCloseBox(*app.Windows().Find<GraphWindow>());
             model.graph.reset();
         }},
        {"close Solution", 1, [this] { return model.solution.has_value(); },
         [this] {
             PressCloseBox(*Solution());
             model.solution.reset();
         }},
        {"close Accuracy", 1, accuracyVisible,
         [this] {
             PressCloseBox(*Accuracy());
             model.accuracy.reset();
         }},
    };
}

TEST_F(WindowSequenceTest, EveryWindowShowsWhatTheModelSaysAfterEachStep) {
    constexpr int kSteps = 4000;
    const std::vector<Step> steps = Steps();
    std::vector<int> taken(steps.size(), 0);
    QStringList recent;
    for (int i = 0; i < kSteps; ++i) {
        const Step* step = PickStep(steps);
        ++taken[static_cast<std::size_t>(step - steps.data())];
        messages.prompts.clear();
        model.prompts.clear();
        detail.clear();
        step->act();
        recent << QString::fromLatin1(step->name) + (detail.isEmpty() ? "" : " \"" + detail + '"');
        if (recent.size() > 8) {
            recent.removeFirst();
        }
        // Mostly the event loop deletes a closed window before the next click; now and then the
        // click comes first.
        if (Pick(4) != 0) {
            LetClosedWindowsGo();
        }
        ASSERT_EQ(WhatTheWindowsShow(app), model.Expected())
            << "after step " << i << ", the last ones: " << recent.join(", ").toStdString();
        ASSERT_EQ(messages.prompts, model.prompts)
            << "after step " << i << ", the last ones: " << recent.join(", ").toStdString();
    }
    // Every kind of step was taken many times.
    for (std::size_t k = 0; k < steps.size(); ++k) {
        EXPECT_GE(taken[k], 30) << steps[k].name;
    }

    // Exit closes everything, hidden windows too, without a word.
    auto* exit = mainWindow->findChild<QAction*>("Exit");
    ASSERT_NE(exit, nullptr);
    messages.prompts.clear();
    exit->trigger();
    EXPECT_TRUE(app.Windows().ExistingNames().isEmpty());
    EXPECT_TRUE(messages.prompts.isEmpty());
}

} // namespace
} // namespace veltrix::ui::testing
