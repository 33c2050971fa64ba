#include "app/qt_options.hpp"

namespace veltrix {

namespace {

// As Qt 6.4 has them. Each also accepts --name for -name.
constexpr QtOption kQtOptions[] = {
    {"-platformpluginpath", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-platform", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-platformtheme", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-qwindowgeometry", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-qwindowtitle", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-qwindowicon", Pass::BeforeThePlugin, Takes::NextArgument},
    {"-geometry", Pass::BeforeThePlugin, Takes::NextArgument, true},
    {"-title", Pass::BeforeThePlugin, Takes::NextArgument, true},
    {"-icon", Pass::BeforeThePlugin, Takes::NextArgument, true},
    {"-display", Pass::XcbPlugin, Takes::NextUnlessLast, true},
    {"-name", Pass::XcbPlugin, Takes::NextUnlessLast, true},
    {"-visual", Pass::XcbPlugin, Takes::NextUnlessLast, true},
    {"-nograb", Pass::XcbPlugin, Takes::Nothing, true},
    {"-dograb", Pass::XcbPlugin, Takes::Nothing, true},
    {"-qmljsdebugger=", Pass::Core, Takes::JoinedValue},
    {"-qmljsdebugger", Pass::Core, Takes::NextUnlessLast},
    {"-plugin", Pass::Gui, Takes::NextArgument},
    {"-reverse", Pass::Gui, Takes::Nothing},
    {"-session", Pass::Gui, Takes::NextUnlessLast},
    {"-testability", Pass::Gui, Takes::Nothing},
    {"-style=", Pass::Gui, Takes::JoinedValue},
    {"-style", Pass::Gui, Takes::NextUnlessLast},
    {"-qdevel", Pass::Widgets, Takes::Nothing},
    {"-qdebug", Pass::Widgets, Takes::Nothing},
    {"-stylesheet", Pass::Widgets, Takes::NextUnlessLast},
    {"-stylesheet=", Pass::Widgets, Takes::JoinedValue},
    {"-widgetcount", Pass::Widgets, Takes::Nothing}};

bool Matches(const QtOption& option, QStringView argument, const QString& platform) {
    if (option.onlyOnXcb && !platform.startsWith(QLatin1String("xcb"))) {
        return false;
    }
    const QLatin1String name(option.name);
    return option.takes == Takes::JoinedValue ? argument.startsWith(name) : argument == name;
}

const QtOption* FindQtOption(Pass pass, const QString& argument, const QString& platform) {
    QStringView spelled(argument);
    if (spelled.startsWith(QLatin1String("--"))) {
        spelled = spelled.mid(1);
    }
    for (const QtOption& option : kQtOptions) {
        if (option.pass == pass && Matches(option, spelled, platform)) {
            return &option;
        }
    }
    return nullptr;
}

// One pass: the arguments it leaves. `platform` follows the -platform options read so far, as the
// platform Qt will load does.
QStringList TakeOut(const QStringList& arguments, Pass pass, QString& platform) {
    if (arguments.isEmpty()) {
        return arguments;
    }
    QStringList left{arguments.first()};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const QtOption* option =
            argument.startsWith(u'-') ? FindQtOption(pass, argument, platform) : nullptr;
        if (option == nullptr ||
            (option->takes == Takes::NextUnlessLast && i == arguments.size() - 1)) {
            left.append(argument);
        } else if (option->takes == Takes::NextArgument || option->takes == Takes::NextUnlessLast) {
            if (++i < arguments.size() &&
                QLatin1String(option->name) == QLatin1String("-platform")) {
                platform = arguments[i];
            }
        }
    }
    return left;
}

} // namespace

std::span<const QtOption> QtOptions() {
    return kQtOptions;
}

QStringList ArgumentsLeftByQt(const QStringList& arguments, const QString& platform) {
    QString platformSoFar = platform;
    QStringList left = arguments;
    for (const Pass pass :
         {Pass::BeforeThePlugin, Pass::XcbPlugin, Pass::Core, Pass::Gui, Pass::Widgets}) {
        // The plugin Qt loads is the first one named, as the first pass left the name.
        if (pass != Pass::XcbPlugin || platformSoFar.section(u';', 0, 0) == QLatin1String("xcb")) {
            left = TakeOut(left, pass, platformSoFar);
        }
    }
    return left;
}

} // namespace veltrix
