// Qt's own command-line options, as QApplication takes them out of argv while it starts. Veltrix
// reads its command line before Qt exists, and must know which arguments Qt will take (and with
// them which values) to tell what is left for itself. tests/app/startup_test.cpp gives every
// option here to a real QApplication of the Qt that is linked, and compares what it leaves.
#pragma once

#include <QString>
#include <QStringList>
#include <span>

namespace veltrix {

// How one of Qt's options takes its value. Qt is not consistent: some take the next argument
// even when nothing follows, some only when something does (and are left alone otherwise), some
// take it joined to the name after '='.
enum class Takes { Nothing, NextArgument, NextUnlessLast, JoinedValue };

// The passes in which QApplication's construction takes its options out of argv, one after the
// other, each over what the one before left.
enum class Pass {
    BeforeThePlugin, // QGuiApplication, choosing and loading the platform plugin
    XcbPlugin,       // the xcb plugin, when it is the one loaded
    Core,            // QCoreApplication
    Gui,             // QGuiApplication, once the plugin is loaded
    Widgets          // QApplication
};

struct QtOption {
    const char* name; // as Qt matches it: one dash; a JoinedValue one ends with '='
    Pass pass;
    Takes takes;
    bool onlyOnXcb = false; // taken only while the platform named so far starts with "xcb"
};

// Each of Qt's options once, pass by pass.
std::span<const QtOption> QtOptions();

// What QApplication leaves of `arguments`, the program's name first, once started with
// QT_QPA_PLATFORM set to `platform`.
QStringList ArgumentsLeftByQt(const QStringList& arguments, const QString& platform);

} // namespace veltrix
