// What every window shows at one moment, read from the real widgets, so that a test can check in
// one comparison that a command changed what it should and nothing else.
#pragma once

#include "ui/windows/graph_window.hpp"
#include "ui_test_support.hpp"

#include <QAbstractButton>
#include <algorithm>
#include <optional>
#include <ostream>

namespace veltrix::ui::testing {

struct SolutionShown {
    QString plusRoot, minusRoot; // Label2, Label4
    bool visible = true;
    friend bool operator==(const SolutionShown&, const SolutionShown&) = default;
};

struct FindValueShown {
    QString x, y; // Text1, Label3
    bool visible = true;
    friend bool operator==(const FindValueShown&, const FindValueShown&) = default;
};

struct AccuracyShown {
    QString text;           // the hidden Text1 every rounding command reads
    QString selectedOption; // "Option1".."Option4", empty when none is selected
    bool visible = true;
    friend bool operator==(const AccuracyShown&, const AccuracyShown&) = default;
};

struct GraphShown {
    std::size_t keptLines = 0; // the lines it holds, a batch drawn twice counted once
    QString description;       // what it tells screen readers: the equations plotted on it
    bool visible = true;
    friend bool operator==(const GraphShown&, const GraphShown&) = default;
};

struct WindowsShown {
    QStringList existing;        // the program's windows, sorted by name
    QStringList visibleTopLevel; // every visible top-level widget, sorted by name
    QString equation;            // Text1 of Form1
    std::optional<GraphShown> graph;
    std::optional<SolutionShown> solution;
    std::optional<FindValueShown> findValue;
    std::optional<AccuracyShown> accuracy;
    friend bool operator==(const WindowsShown&, const WindowsShown&) = default;
};

// A long text as its start and its length, so that a failure message stays readable.
inline std::string Abbreviated(const QString& text) {
    constexpr qsizetype kShown = 40;
    if (text.size() <= kShown) {
        return '"' + text.toStdString() + '"';
    }
    return '"' + text.first(kShown).toStdString() + "\"... (" + std::to_string(text.size()) +
           " units)";
}

inline void PrintTo(const WindowsShown& shown, std::ostream* os) {
    *os << "\n  existing {" << shown.existing.join(' ').toStdString() << "} visible {"
        << shown.visibleTopLevel.join(' ').toStdString() << "}\n  Form1.Text1 "
        << Abbreviated(shown.equation);
    if (shown.graph) {
        *os << "\n  Form2" << (shown.graph->visible ? "" : " (hidden)") << ' '
            << shown.graph->keptLines << " lines, description "
            << Abbreviated(shown.graph->description);
    }
    if (shown.solution) {
        *os << "\n  Form4" << (shown.solution->visible ? "" : " (hidden)") << " Label2 "
            << Abbreviated(shown.solution->plusRoot) << " Label4 "
            << Abbreviated(shown.solution->minusRoot);
    }
    if (shown.findValue) {
        *os << "\n  Form3" << (shown.findValue->visible ? "" : " (hidden)") << " Text1 "
            << Abbreviated(shown.findValue->x) << " Label3 " << Abbreviated(shown.findValue->y);
    }
    if (shown.accuracy) {
        *os << "\n  Form5" << (shown.accuracy->visible ? "" : " (hidden)") << " Text1 "
            << Abbreviated(shown.accuracy->text) << ' '
            << shown.accuracy->selectedOption.toStdString();
    }
    *os << '\n';
}

// The Graph window's description after plotting these equations: each as typed, a long one cut
// short at 80 characters.
inline QString GraphDescription(const QStringList& plotted) {
    if (plotted.isEmpty()) {
        return {};
    }
    QStringList spoken;
    for (const QString& equation : plotted) {
        spoken << (equation.size() <= 80 ? equation : equation.first(80) + QChar(0x2026));
    }
    return QStringLiteral("Curves plotted, in order: ") + spoken.join(QStringLiteral("; "));
}

inline QString SelectedOption(QWidget& window) {
    for (auto* option : window.findChildren<QAbstractButton*>()) {
        if (option->isCheckable() && option->isChecked()) {
            return option->objectName();
        }
    }
    return {};
}

inline QString CaptionOf(QWidget& window, const char* label) {
    auto* control = window.findChild<QLabel*>(QString::fromLatin1(label));
    return control ? control->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

inline QString TextOf(QWidget& window, const char* box) {
    auto* control = window.findChild<QLineEdit*>(QString::fromLatin1(box));
    return control ? control->text() : QStringLiteral("<no %1>").arg(QLatin1String(box));
}

inline WindowsShown WhatTheWindowsShow(AppContext& app) {
    WindowsShown shown;
    shown.existing = app.Windows().ExistingNames();
    shown.existing.sort();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            shown.visibleTopLevel << widget->objectName();
        }
    }
    shown.visibleTopLevel.sort();
    if (auto* main = app.Windows().Find<MainWindow>()) {
        shown.equation = TextOf(*main, "Text1");
    }
    if (auto* graph = app.Windows().Find<GraphWindow>()) {
        shown.graph =
            GraphShown{graph->KeptLineCount(), graph->accessibleDescription(), graph->isVisible()};
    }
    if (auto* solution = app.Windows().Find<SolutionWindow>()) {
        shown.solution = SolutionShown{CaptionOf(*solution, "Label2"),
                                       CaptionOf(*solution, "Label4"), solution->isVisible()};
    }
    if (auto* findValue = app.Windows().Find<FindValueWindow>()) {
        shown.findValue = FindValueShown{TextOf(*findValue, "Text1"),
                                         CaptionOf(*findValue, "Label3"), findValue->isVisible()};
    }
    if (auto* accuracy = app.Windows().Find<AccuracyWindow>()) {
        shown.accuracy = AccuracyShown{accuracy->AccuracyText(), SelectedOption(*accuracy),
                                       accuracy->isVisible()};
    }
    return shown;
}

} // namespace veltrix::ui::testing
