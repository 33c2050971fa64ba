// The Graph window on Qt's headless platform: how long one Plot takes to draw into the window's
// picture (one frame is 16 ms), and how long the window takes to repaint once many curves have
// accumulated on it (an expose, as when another window moves off it).
#include "ui/shared/app_context.hpp"
#include "ui/windows/graph_window.hpp"
#include "ui/windows/main_window.hpp"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

using veltrix::ui::AppContext;
using veltrix::ui::GraphWindow;
using veltrix::ui::MainWindow;

class SilentMessageBoxes final : public veltrix::ui::MessageBoxes {
  public:
    void Show(const QString&) override {}
};

// A running program with its main window, and an equation typed into it.
class Program {
  public:
    Program() { veltrix::ui::ShowMainWindow(app_); }

    void Type(const QString& equation) {
        app_.Windows()
            .Get<MainWindow>()
            .findChild<QLineEdit*>(QStringLiteral("Text1"))
            ->setText(equation);
    }

    void PressPlot() {
        app_.Windows()
            .Get<MainWindow>()
            .findChild<QPushButton*>(QStringLiteral("Command2"))
            ->click();
    }

    void CloseGraph() {
        if (GraphWindow* old = app_.Windows().Find<GraphWindow>()) {
            old->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    // A Graph window that is open and still empty, as after the Plot that opened it.
    GraphWindow& FreshGraph() {
        CloseGraph();
        GraphWindow& graph = app_.Windows().MakeVisible<GraphWindow>();
        QCoreApplication::processEvents();
        return graph;
    }

    GraphWindow& Graph() { return app_.Windows().Get<GraphWindow>(); }

  private:
    SilentMessageBoxes messages_;
    veltrix::ui::QtFileDialogs files_; // never asked: nothing is saved
    AppContext app_{messages_, files_};
};

// Parse, axes, 1,991 curve points, each segment cut to the window and drawn into its picture.
void BM_PlotDefaultEquation(benchmark::State& state) {
    Program program;
    program.Type(QStringLiteral("10X^2-2X-3"));
    for (auto _ : state) {
        state.PauseTiming();
        program.FreshGraph();
        state.ResumeTiming();
        program.PressPlot();
    }
}
BENCHMARK(BM_PlotDefaultEquation)->Unit(benchmark::kMillisecond);

// The same, with the Graph window created and shown by the Plot itself, as at the first Plot.
void BM_FirstPlotOpeningTheWindow(benchmark::State& state) {
    Program program;
    program.Type(QStringLiteral("10X^2-2X-3"));
    for (auto _ : state) {
        state.PauseTiming();
        program.CloseGraph();
        state.ResumeTiming();
        program.PressPlot();
    }
}
BENCHMARK(BM_FirstPlotOpeningTheWindow)->Unit(benchmark::kMillisecond);

// 100 different parabolas, each a separate Plot.
GraphWindow& GraphWithHundredCurves(Program& program) {
    GraphWindow& graph = program.FreshGraph();
    for (int i = 0; i < 100; ++i) {
        program.Type(QStringLiteral("%1X^2-%2X-3").arg(0.1 + i * 0.2).arg(i % 7));
        program.PressPlot();
    }
    QCoreApplication::processEvents();
    return graph;
}

void BM_RepaintWithHundredCurves(benchmark::State& state) {
    Program program;
    GraphWindow& graph = GraphWithHundredCurves(program);
    for (auto _ : state) {
        graph.repaint();
    }
    state.counters["lines"] = static_cast<double>(graph.KeptLineCount());
}
BENCHMARK(BM_RepaintWithHundredCurves)->Unit(benchmark::kMillisecond);

// Dragging the window's edge outward, 4 pixels at a time: every 128 pixels the picture is
// redrawn from every kept line.
void BM_EnlargeWithHundredCurves(benchmark::State& state) {
    Program program;
    GraphWindow& graph = GraphWithHundredCurves(program);
    int width = graph.width();
    for (auto _ : state) {
        width += 4;
        graph.resize(width, graph.height());
    }
}
BENCHMARK(BM_EnlargeWithHundredCurves)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Headless: the benchmark measures drawing, not a display server.
    QByteArray platform = "-platform";
    QByteArray offscreen = "offscreen";
    int qtArgc = 3;
    char* qtArgv[] = {argv[0], platform.data(), offscreen.data(), nullptr};
    QApplication application(qtArgc, qtArgv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
