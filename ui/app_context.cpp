#include "ui/app_context.hpp"

#include <QCoreApplication>

namespace veltrix::ui {

void AppContext::End() {
    // Closing the main window ends the program too, so End is re-entered from there.
    if (ending_) {
        return;
    }
    ending_ = true;
    windows_.CloseAll();
    QCoreApplication::quit();
    ending_ = false;
}

} // namespace veltrix::ui
