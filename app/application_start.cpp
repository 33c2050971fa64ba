#include "app/application_start.hpp"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace veltrix {

namespace {

// A message of Qt's kept with copies of what its context points to, to be shown later.
struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// What the message handler needs while the application object is made. The handler is a plain
// function, so this is the one place it can find it.
struct StartWatch {
    std::mutex mutex; // the xcb plugin's event thread may log too
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
    std::optional<QString> unreachableDisplayText;
};

StartWatch& Watch() {
    static StartWatch watch;
    return watch;
}

// The message Qt ends with, by qFatal, when every plugin it was told to try has failed.
bool SaysNoPlatformPluginStarted(const QString& message) {
    return message.contains(QLatin1String("no Qt platform plugin could be initialized"));
}

// Qt's note that the session gave no runtime folder (XDG_RUNTIME_DIR), so that it takes one of its
// own under /tmp: everything works all the same, and there is nothing for the user to do about it.
bool SaysNothingForTheUser(QtMsgType type, const QString& message) {
    return type == QtWarningMsg &&
           message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void ShowWithPreviousHandler(const HeldMessage& message) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    if (Watch().previous != nullptr) {
        Watch().previous(message.type, context, message.text);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(message.text));
    }
}

void ShowHeldMessages() {
    for (const HeldMessage& message : Watch().held) {
        ShowWithPreviousHandler(message);
    }
    Watch().held.clear();
}

[[noreturn]] void EndForNoPlatform(const HeldMessage& fatal) {
    if (const std::optional<QString>& text = Watch().unreachableDisplayText) {
        std::fprintf(stderr, "%s\n", qPrintable(*text));
    } else {
        ShowHeldMessages();
        ShowWithPreviousHandler(fatal);
    }
    std::_Exit(EXIT_FAILURE);
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(Watch().mutex);
    if (SaysNothingForTheUser(type, text)) {
        return;
    }
    HeldMessage message{type,
                        QByteArray(context.file),
                        context.line,
                        QByteArray(context.function),
                        QByteArray(context.category),
                        text};
    if (type == QtFatalMsg && SaysNoPlatformPluginStarted(text)) {
        EndForNoPlatform(message);
    }
    if (type == QtFatalMsg) {
        // Any other fatal message ends the program as it always did, after what came before it.
        ShowHeldMessages();
        ShowWithPreviousHandler(message);
        return;
    }
    Watch().held.push_back(std::move(message));
}

} // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char* argv[], const QString& platform,
                                               const SessionEnvironment& session) {
    Watch().unreachableDisplayText = UnreachableDisplayText(platform, session);
    Watch().previous = qInstallMessageHandler(HoldBack);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(Watch().previous);
    const std::lock_guard lock(Watch().mutex);
    ShowHeldMessages();
    return application;
}

} // namespace veltrix
