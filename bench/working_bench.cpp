// The Working window following the typing: from a change of the equation box's text to the
// window's next paint, its formulas laid out and its sketch planned and drawn, for the equation
// Veltrix starts with and for the longest coefficients that still get an exact working
// (kMaxExactDigits places each). One frame at 60 Hz is 16 ms. Beside it, the engine's share: the
// working alone, without a window.
#include "engine/text_concat.hpp"
#include "engine/working.hpp"
#include "on_a_display.hpp"
#include "ui/accuracy_window.hpp"
#include "ui/app_context.hpp"
#include "ui/main_window.hpp"
#include "ui/working_window.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

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

// Two equations of the same kind, so that each iteration changes the text.
QStringList Equations(bool longest) {
    if (!longest) {
        return {QStringLiteral("10X^2-2X-3"), QStringLiteral("10X^2-2X-4")};
    }
    std::mt19937 random(2026);
    const int places = static_cast<int>(veltrix::kMaxExactDigits);
    QStringList equations;
    for (int i = 0; i < 2; ++i) {
        equations << LongCoefficient(random, places) + "X^2-" + LongCoefficient(random, places) +
                         "X-" + LongCoefficient(random, places);
    }
    return equations;
}

// A sketch with points as long as the coefficients' exact values make them, for a working that
// comes without one.
veltrix::SketchInput SketchOf(const QString& equation, bool longest) {
    using Kind = veltrix::SketchPointKind;
    if (!longest) {
        return {u"10",
                u"-2",
                u"-3",
                {{Kind::Minimum, u"0.1", u"-3.1", u"(0.1, -3.1)"},
                 {Kind::Root, u"0.65677643628300219", u"0", u"0.66"},
                 {Kind::Root, u"-0.45677643628300219", u"0", u"-0.46"},
                 {Kind::YIntercept, u"0", u"-3", u"(0, -3)"}}};
    }
    const QStringList terms = equation.split(QRegularExpression(QStringLiteral("X\\^2-|X-")));
    const std::u16string a = terms[0].toStdU16String(), b = terms[1].toStdU16String();
    const std::u16string c = terms[2].toStdU16String();
    const std::u16string twice = veltrix::Concat({a, std::u16string_view(a).substr(2)});
    const std::u16string negative = veltrix::Concat({u"-", twice});
    return {
        a,
        veltrix::Concat({u"-", b}),
        veltrix::Concat({u"-", c}),
        {{Kind::Minimum, twice, negative, u"(0.5, -1.23)"},
         {Kind::Root, veltrix::Concat({u"1", std::u16string_view(twice).substr(1)}), u"0", u"1.21"},
         {Kind::Root, negative, u"0", u"-0.21"},
         {Kind::YIntercept, u"0", veltrix::Concat({u"-", c}), u"(0, -0.66)"}}};
}

void WorkingWindowFollowsTheBox(benchmark::State& state, bool longest) {
    SilentMessageBoxes messages;
    veltrix::ui::QtFileDialogs files; // never asked
    veltrix::ui::AppContext app(messages, files);
    auto& main = veltrix::ui::ShowMainWindow(app);
    auto* box = main.findChild<QLineEdit*>(QStringLiteral("Text1"));
    const QStringList equations = Equations(longest);
    box->setText(equations.last());
    auto& working = app.Windows().Show<veltrix::ui::WorkingWindow>();
    // The window follows the box as it does, its working given a sketch where the engine gave
    // none, once a keystroke.
    QObject::disconnect(&app.Inputs(), &veltrix::ui::InputSignals::EquationChanged, &working,
                        nullptr);
    QObject::connect(&app.Inputs(), &veltrix::ui::InputSignals::EquationChanged, &working, [&] {
        veltrix::ui::WorkingText text = veltrix::ui::WorkingTextOf(
            box->text(), 2, app.DecimalSeparator(), working.isRightToLeft());
        if (!text.sketch) {
            text.sketch = SketchOf(box->text(), longest);
        }
        working.ShowText(std::move(text));
    });
    QCoreApplication::processEvents();
    int next = 0;
    for (auto _ : state) {
        QCoreApplication::processEvents();
        const PaintWatch paint(veltrix::ui::WorkingWindow::kName);
        const auto start = std::chrono::steady_clock::now();
        box->setText(equations[next]);
        paint.Wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        next = 1 - next;
    }
}

void EngineWorksItOut(benchmark::State& state, bool longest) {
    const std::u16string equation = Equations(longest).first().toStdU16String();
    for (auto _ : state) {
        benchmark::DoNotOptimize(veltrix::WorkOut(equation, 2));
    }
}

BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, DefaultEquation, false)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(100);
BENCHMARK_CAPTURE(WorkingWindowFollowsTheBox, LongestExactCoefficients, true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(EngineWorksItOut, DefaultEquation, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(EngineWorksItOut, LongestExactCoefficients, true)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return RunOnADisplay(argc, argv);
}
