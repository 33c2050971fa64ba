// What Veltrix settles before it opens any window: whether the command line asks only for the
// help or the version, which of Qt's platform plugins to run on, and whether anything on the
// command line is left that neither Veltrix nor Qt knows.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace veltrix {

// The variables through which a session tells which display servers it offers, and through which
// the user may choose a platform plugin. An empty value counts as unset, as it does for Qt.
struct SessionEnvironment {
    QString qtPlatform;     // QT_QPA_PLATFORM
    QString x11Display;     // DISPLAY
    QString waylandDisplay; // WAYLAND_DISPLAY
};

SessionEnvironment ReadSessionEnvironment();

QStringList CommandLineArguments(int argc, char* argv[]);

// The platform plugin, or Qt's list of plugins to try in turn, to run on. The user's own choice
// (a -platform argument, else QT_QPA_PLATFORM) always wins. Otherwise X whenever there is an X
// server, XWayland beside a Wayland compositor included, because only there do the windows open
// at their own places; then Wayland when it is all there is. Nothing when the session has no
// display at all. On Windows and macOS, without a choice of the user's, the empty name: Qt's
// default.
std::optional<QString> ChoosePlatform(const SessionEnvironment& session,
                                      const QStringList& arguments);

// Makes Qt load the chosen plugin (the empty name: Qt's default); to be called before the
// application object exists.
void UsePlatform(const QString& platform);

// Prints the help or the version when the command line asks for either, and tells whether it
// did; neither needs a display.
bool AnswerHelpOrVersion(const QStringList& arguments);

// Says on standard error, in one line, that Veltrix needs a graphical display.
void ReportNoDisplay();

// Checks what is left of the command line once Qt has taken its own options from it; anything
// else is reported on standard error, and false returned.
bool AcceptsRemainingArguments(const QStringList& arguments);

} // namespace veltrix
