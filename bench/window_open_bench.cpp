// From a click on Calculate, Plot or Find a value of Y to the first paint of the window it opens,
// on the display there is (make bench runs it on Xvfb when there is none). One frame at 60 Hz is
// 16 ms: laying out a window for the user's font and fitting its texts must not cost one. Each
// iteration opens the window afresh, as the first click after its close box does; the counter
// "first" is the very first click of the program, which also meets the fonts for the first time.
#include "ui/accessibility.hpp"
#include "ui/app_context.hpp"
#include "ui/context_menu.hpp"
#include "ui/main_window.hpp"
#include "ui/style.hpp"

#include <QApplication>
#include <QEvent>
#include <QPushButton>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using veltrix::ui::AppContext;

class SilentMessageBoxes final : public veltrix::ui::MessageBoxes {
  public:
    void Show(const QString&) override {}
};

// Sees the first paint of any widget of the window with the given name.
class FirstPaint final : public QObject {
  public:
    explicit FirstPaint(const char* window) : window_(QString::fromLatin1(window)) {
        qApp->installEventFilter(this);
    }
    ~FirstPaint() override { qApp->removeEventFilter(this); }
    FirstPaint(const FirstPaint&) = delete;
    FirstPaint& operator=(const FirstPaint&) = delete;

    bool Seen() const { return seen_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window()->objectName() == window_) {
            seen_ = true;
        }
        return false;
    }

  private:
    QString window_;
    bool seen_ = false;
};

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
        const FirstPaint paint(window);
        const auto start = std::chrono::steady_clock::now();
        press->click();
        while (!paint.Seen()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
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
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
