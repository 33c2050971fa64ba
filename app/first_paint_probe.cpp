#include "app/first_paint_probe.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace veltrix {

namespace {

// Watches the paints of the whole application: a window that its opaque children cover entirely
// is never painted itself, only they are.
class FirstPaintProbe final : public QObject {
  public:
    explicit FirstPaintProbe(QWidget& window) : QObject(&window), window_(window) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            seen_ = true;
            // Queued, so the time is taken after the painted window has been flushed to the
            // screen.
            QMetaObject::invokeMethod(this, &FirstPaintProbe::Report, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    static void Report() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first-paint-ns %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& window_;
    bool seen_ = false;
};

} // namespace

void InstallFirstPaintProbeIfRequested(QWidget& window) {
    if (qEnvironmentVariableIsSet("VELTRIX_FIRST_PAINT_PROBE")) {
        QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(window));
    }
}

} // namespace veltrix
