// The Working window following the typing: from a change of the equation box's text to the
// window's next paint, its formulas laid out and its sketch planned and drawn, for the equation
// Veltrix starts with, the longest coefficients that still get exact forms (kMaxExactDigits places
// each), one digit longer (the working without its exact forms), an exercise's equation with
// brackets, the longest exact coefficients that brackets multiply out to, and a pasted megabyte.
// One frame at 60 Hz is 16 ms. Beside it, the engine's share: the working alone, without a window.
// Each method of the working too, for a keystroke and for a change of the method chosen; and a
// worksheet of a hundred equations drawn to a PDF, and written as a LaTeX document.
#include "engine/working/working.hpp"
#include "on_a_display.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/windows/accuracy_window.hpp"
#include "ui/windows/main_window.hpp"
#include "ui/working/latex_document.hpp"
#include "ui/working/working_window.hpp"
#include "ui/working/worksheet_pages.hpp"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>

namespace {

// A coefficient of `places` random digits after "0.", the last one not 0.
QString LongCoefficient(std::mt19937& random, int places) {
    QString text = QStringLiteral("0.");
    for (int i = 0; i < places; ++i) {
        text += QChar(u'0' + static_cast<char16_t>(random() % 10));
    }
    text[text.size() - 1] = u'7';
    return text;
}

// The equations timed, each as two of the same kind, so that each iteration changes the text.
enum class Kind {
    Default,
    LongestExact,
    DecimalOnly,
    Megabyte,
    MegabyteWorkingOnly,
    Exercise,
    LongestExactInBrackets
};

// Three coefficients of `places` random digits after the point each.
QStringList LongEquations(int places) {
    std::mt19937 random(2026);
    QStringList equations;
    for (int i = 0; i < 2; ++i) {
        equations << LongCoefficient(random, places) + "X^2-" + LongCoefficient(random, places) +
                         "X-" + LongCoefficient(random, places);
    }
    return equations;
}

QStringList Equations(Kind kind) {
    constexpr int kMegabyte = 1 << 20;
    const int exact = static_cast<int>(veltrix::kMaxExactDigits);
    switch (kind) {
    case Kind::Default:
        return {QStringLiteral("10X^2-2X-3"), QStringLiteral("10X^2-2X-4")};
    case Kind::LongestExact: // the longest coefficients that still get exact forms
        return LongEquations(exact);
    case Kind::DecimalOnly: // one digit more: the working goes on without the exact forms
        return LongEquations(exact + 1);
    case Kind::Megabyte: // a pasted megabyte, a third of it each coefficient
    case Kind::MegabyteWorkingOnly:
        return LongEquations(kMegabyte / 3 - 8);
    case Kind::Exercise: // an exercise sheet's equation, a bracket squared
        return {QStringLiteral("2(x+1)^2-8=0"), QStringLiteral("2(x+1)^2-9=0")};
    case Kind::LongestExactInBrackets: { // two roots of half as many places, whose product has
                                         // the most an exact coefficient takes
        std::mt19937 random(2026);
        QStringList equations;
        for (int i = 0; i < 2; ++i) {
            equations << "(x-" + LongCoefficient(random, exact / 2) + ")(x+" +
                             LongCoefficient(random, exact / 2) + ")=0";
        }
        return equations;
    }
    }
    return {};
}

void WorkingWindowFollowsTheBox(benchmark::State& state, Kind kind) {
    SilentMessageBoxes messages;
    veltrix::ui::QtFileDialogs files; // never asked
    veltrix::ui::AppContext app(messages, files);
    auto& main = veltrix::ui::ShowMainWindow(app);
    auto* box = main.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const QStringList equations = Equations(kind);
    box->setText(equations.last());
    app.Windows().Show<veltrix::ui::WorkingWindow>();
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const PaintWatch paint(veltrix::ui::WorkingWindow::kName);
        const auto start = std::chrono::steady_clock::now();
        if (kind == Kind::MegabyteWorkingOnly) {
            // Most of a pasted megabyte's time is the equation box laying out its own text; the
            // working's share is the window following the box's text as it stands.
            emit app.Inputs().EquationChanged();
        } else {
            box->setText(equations[next]);
        }
        paint.Wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        next = 1 - next;
    }
}

// F8 to the Working window's first paint: the window made, the working's module loaded (where
// this is the process's first working, as it is when this benchmark runs first, or alone with
// --benchmark_filter=F8ToFirstPaint), the default equation worked out, laid out and drawn.
void F8ToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        SilentMessageBoxes messages;
        veltrix::ui::QtFileDialogs files; // never asked
        veltrix::ui::AppContext app(messages, files);
        auto& main = veltrix::ui::ShowMainWindow(app);
        QCoreApplication::processEvents();
        auto* f8 = main.findChild<QAction*>(QStringLiteral("ViewWorking"));
        const PaintWatch paint(veltrix::ui::WorkingWindow::kName);
        const auto start = std::chrono::steady_clock::now();
        f8->trigger();
        paint.Wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
    }
}
// Registered before every other benchmark of the file, so that it is the one that loads the
// module.
BENCHMARK(F8ToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

// Keystroke to paint with the window working by `method`; or, with `changeMethod`, the choice of
// the method to paint, between it and the formula in turn.
void WorkingWindowByMethod(benchmark::State& state, veltrix::WorkingMethod method, Kind kind,
                           bool changeMethod) {
    SilentMessageBoxes messages;
    veltrix::ui::QtFileDialogs files; // never asked
    veltrix::ui::AppContext app(messages, files);
    auto& main = veltrix::ui::ShowMainWindow(app);
    auto* box = main.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const QStringList equations = Equations(kind);
    box->setText(equations.last());
    auto& working = app.Windows().Show<veltrix::ui::WorkingWindow>();
    const std::optional<veltrix::WorkingMethod> kept = working.Method();
    working.ChooseMethod(method);
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const PaintWatch paint(veltrix::ui::WorkingWindow::kName);
        const auto start = std::chrono::steady_clock::now();
        if (changeMethod) {
            working.ChooseMethod(next == 0 ? veltrix::WorkingMethod::Formula : method);
        } else {
            box->setText(equations[next]);
        }
        paint.Wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        next = 1 - next;
    }
    working.ChooseMethod(kept);
}

// Every method, with the equation Veltrix starts with and the longest exact coefficients, for a
// keystroke and for a change of method.
const bool kByMethod = [] {
    for (const auto& [method, id] : veltrix::kNamedMethods) {
        for (const auto& [kind, equation] :
             {std::pair{Kind::Default, "DefaultEquation"},
              std::pair{Kind::LongestExact, "LongestExactCoefficients"}}) {
            for (const bool change : {false, true}) {
                const std::string name =
                    std::string(change ? "ChangeOfMethodToPaint/" : "KeystrokeToPaintByMethod/") +
                    std::string(id) + "/" + equation;
                benchmark::RegisterBenchmark(name.c_str(), WorkingWindowByMethod, method, kind,
                                             change)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond)
                    ->Iterations(kind == Kind::Default ? 60 : 20);
            }
        }
    }
    return true;
}();

void EngineWorksItOut(benchmark::State& state, Kind kind) {
    const std::u16string equation = Equations(kind).first().toStdU16String();
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::WorkOut(equation, 2));
    }
}

BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, DefaultEquation, Kind::Default)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, LongestExactCoefficients, Kind::LongestExact)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, DecimalOnlyCoefficients, Kind::DecimalOnly)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, ExerciseWithBrackets, Kind::Exercise)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, LongestExactInBrackets, Kind::LongestExactInBrackets)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, PastedMegabyte, Kind::Megabyte)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, PastedMegabyteWorkingOnly, Kind::MegabyteWorkingOnly)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
// A teacher's worksheet of a hundred equations, in the forms a textbook sets them, worked out and
// drawn to a PDF document with their sketches, the questions first and the workings after them,
// as veltrix --worksheet FILE --pdf OUT --answers after does it. Under 2 s.
// " + 3" or " - 3", as the term is written after the one before it.
QString Term(int value) {
    return (value < 0 ? QStringLiteral(" - ") : QStringLiteral(" + ")) +
           QString::number(std::abs(value));
}

QString HundredEquations() {
    QString text = QStringLiteral("# A hundred exercises\n");
    for (int i = 0; i < 100; ++i) {
        const int a = i % 5 + 1, b = i % 7 - 3, c = i % 11 - 5;
        text += i % 4 == 3 ? QStringLiteral("(x%1)^2 = %2\n").arg(Term(b)).arg(c + 6)
                           : QString::number(a) + "x^2" + Term(b) + "x" + Term(c) + " = 0\n";
    }
    return text;
}

void WorksheetToPdf(benchmark::State& state) {
    const QString text = HundredEquations();
    const QTemporaryDir folder;
    for (auto _ : state) {
        const veltrix::ui::Worksheet sheet = veltrix::ui::WorksheetOf(text, 2, u'.', false);
        const auto failure =
            veltrix::ui::WritePdf(folder.filePath(QStringLiteral("sheet.pdf")),
                                  veltrix::ui::WorksheetTitle(), [&sheet](QPagedPaintDevice& pdf) {
                                      return veltrix::ui::PaintWorksheet(
                                          pdf, sheet, veltrix::ui::WorksheetAnswers::After, false);
                                  });
        if (failure || sheet.exercises.size() != 100) {
            state.SkipWithError("the worksheet was not written whole");
        }
    }
}

// The same worksheet as a whole LaTeX document, in English.
void WorksheetToLatexDocument(benchmark::State& state) {
    const QString text = HundredEquations();
    for (auto _ : state) {
        const veltrix::ui::Worksheet sheet = veltrix::ui::WorksheetOf(text, 2, u'.', false);
        const QString document = veltrix::ui::LatexDocumentOf(
            QList<veltrix::ui::WorkingText>(sheet.exercises.begin(), sheet.exercises.end()),
            veltrix::ui::WorksheetAnswers::After, {});
        benchmark::DoNotOptimize(document.size());
    }
}

BENCHMARK(WorksheetToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WorksheetToLatexDocument)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(EngineWorksItOut, DefaultEquation, Kind::Default)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EngineWorksItOut, LongestExactCoefficients, Kind::LongestExact)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EngineWorksItOut, ExerciseWithBrackets, Kind::Exercise)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EngineWorksItOut, LongestExactInBrackets, Kind::LongestExactInBrackets)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(EngineWorksItOut, PastedMegabyte, Kind::Megabyte)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunOnADisplay(argc, argv);
}
