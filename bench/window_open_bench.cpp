// From a click on Calculate, Plot or Find a value of Y to the first paint of the window it opens,
// on the display there is (make bench runs it on Xvfb when there is none). One frame at 60 Hz is
// 16 ms: laying out a window for the user's font and fitting its texts must not cost one. Each
// iteration opens the window afresh, as the first click after its close box does; the counter
// "first" is the very first click of the program, which also meets the fonts for the first time.
#include "on_a_display.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/windows/main_window.hpp"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using veltrix::ui::AppContext;

void OpenWindow(benchmark::State& state, const char* button, const char* window) {
    SilentMessageBoxes messages;
    veltrix::ui::QtFileDialogs files; // never asked: nothing is saved
    AppContext app(messages, files);
    auto& main = veltrix::ui::ShowMainWindow(app);
    auto* press = main.findChild<QPushButton*>(QString::fromLatin1(button));
    QCoreApplication::processEvents();
    double first = -1;
    for (auto _ : state) {
        if (QWidget* open = app.Windows().FindByName(QString::fromLatin1(window))) {
            open->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        const PaintWatch paint(window);
        const auto start = std::chrono::steady_clock::now();
        press->click();
        paint.Wait();
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(took.count());
        if (first < 0) {
            first = took.count();
        }
    }
    state.counters["first_ms"] = first * 1000;
}

// One benchmark a process run (--benchmark_filter), so that "first" is the program's first click.
BENCHMARK_CAPTURE(OpenWindow, Calculate_Solution, "Command1", "Form4")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(OpenWindow, Plot_Graph, "Command2", "Form2")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);
BENCHMARK_CAPTURE(OpenWindow, FindAValueOfY, "Command3", "Form3")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

} // namespace

int main(int argc, char** argv) {
    return RunOnADisplay(argc, argv);
}
