#include "app/first_paint_probe.hpp"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace veltrix {

namespace {

class FirstPaintProbe final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Queued, so the time is taken after the painted window has been flushed to the
            // screen.
            QMetaObject::invokeMethod(
                this,
                [] {
                    const auto now = std::chrono::steady_clock::now().time_since_epoch();
                    std::printf(
                        "first-paint-ns %lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                    std::fflush(stdout);
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool seen_ = false;
};

} // namespace

void InstallFirstPaintProbeIfRequested(QWidget& window) {
    if (qEnvironmentVariableIsSet("VELTRIX_FIRST_PAINT_PROBE")) {
        window.installEventFilter(new FirstPaintProbe(&window));
    }
}

} // namespace veltrix
