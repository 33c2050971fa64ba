// Starting Qt on the chosen platform plugin, and ending the program in one line when the display
// server behind it does not answer.
#pragma once

#include "app/startup.hpp"

#include <QApplication>
#include <memory>

namespace veltrix {

// Makes the application object. Qt's messages while it starts are held back: on success they are
// passed on as Qt would have shown them; when no platform plugin could start, the program ends
// with status 1, saying in one line which display it could not reach (or, for a plugin of the
// user's choosing, in Qt's own words) instead of Qt's abort.
std::unique_ptr<QApplication> StartApplication(int& argc, char* argv[], const QString& platform,
                                               const SessionEnvironment& session);

} // namespace veltrix
