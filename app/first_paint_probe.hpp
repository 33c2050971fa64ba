// Start-up timing for the benchmark in bench/. Only when the environment variable
// VELTRIX_FIRST_PAINT_PROBE is set does the program watch for the first paint of its main window;
// it then prints "first-paint-ns N", N being std::chrono::steady_clock nanoseconds, once that
// paint has reached the screen, and quits. Otherwise nothing is installed and nothing is paid.
#pragma once

class QWidget;

namespace veltrix {

void InstallFirstPaintProbeIfRequested(QWidget& window);

} // namespace veltrix
