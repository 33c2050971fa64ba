// What the benchmarks of windows on a real display share: the program's own set-up around the
// benchmarks, message boxes that nobody answers, and a watch for a window's next paint.
#pragma once

#include "ui/shared/accessibility.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/message_boxes.hpp"
#include "ui/shared/style.hpp"

#include <QApplication>
#include <QEvent>
#include <QString>
#include <QWidget>
#include <benchmark/benchmark.h>

// Runs the benchmarks the command line chooses in an application set up as Veltrix sets up its own.
inline int RunOnADisplay(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

class SilentMessageBoxes final : public veltrix::ui::MessageBoxes {
  public:
    void Show(const QString&) override {}
};

// Sees the first paint of any widget of a window, by the window's name, from its construction on.
class PaintWatch final : public QObject {
  public:
    explicit PaintWatch(const char* window) : window_(QString::fromLatin1(window)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }
    PaintWatch(const PaintWatch&) = delete;
    PaintWatch& operator=(const PaintWatch&) = delete;

    bool Seen() const { return seen_; }

    // Runs the event loop until the window has painted.
    void Wait() const {
        while (!seen_) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

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
