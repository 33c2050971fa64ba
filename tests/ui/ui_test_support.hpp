// A running Veltrix for each test: the main window shown as at start, message boxes recorded
// instead of shown, and helpers that drive the real widgets with mouse clicks and key presses.
#pragma once

#include "engine/sketch/sketch.hpp"
#include "ui/shared/app_context.hpp"
#include "ui/windows/accuracy_window.hpp"
#include "ui/windows/find_value_window.hpp"
#include "ui/windows/main_window.hpp"
#include "ui/windows/solution_window.hpp"
#include "ui/working/working_view.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << '{' << texts.join(QStringLiteral(" | ")).toStdString() << '}';
}
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ')';
}
inline void PrintTo(const QRegion& region, std::ostream* os) {
    *os << "QRegion{";
    for (const QRect& r : region) {
        PrintTo(r, os);
    }
    *os << '}';
}
QT_END_NAMESPACE

namespace veltrix::ui::testing {

class RecordingMessageBoxes final : public MessageBoxes {
  public:
    void Show(const QString& prompt) override { prompts << prompt; }
    QStringList prompts;
};

// Answers the save dialog with `answer` (nothing: the user cancels) and keeps what it offered.
class ScriptedFileDialogs final : public FileDialogs {
  public:
    std::optional<SaveTarget> AskSaveName(QWidget&, const QString&,
                                          const QStringList& filters) override {
        offered = filters;
        return answer;
    }
    // Prints to the PDF file `printTo`, as a print dialog's Print to File does; none: cancels.
    bool AskPrinter(QWidget&, QPrinter& printer) override {
        if (printTo.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printTo);
        return true;
    }
    std::optional<SaveTarget> answer;
    QStringList offered;
    QString printTo;
};

inline const QString kCalculateFailed = QStringLiteral(
    "You have either entered an invalid quadratic, or have specified too higher accuracy.");
inline const QString kFindValueFailed = QStringLiteral(
    "You have either entered an invalid quadratic, have specified an invalid or overly large "
    "value for x, or have specified too higher accuracy.");

// The sketch of the default equation, 10x² − 2x − 3, with the working's values written out by
// hand: its roots are (1 ± √31)/10.
inline SketchInput DefaultEquationSketch() {
    using Kind = SketchPointKind;
    return {u"10",
            u"-2",
            u"-3",
            {{Kind::Minimum, u"0.1", u"-3.1", u"(0.1, -3.1)"},
             {Kind::Root, u"0.65677643628300219", u"0", u"0.66"},
             {Kind::Root, u"-0.45677643628300219", u"0", u"-0.46"},
             {Kind::YIntercept, u"0", u"-3", u"(0, -3)"}}};
}

// The text a label, a button or a text box shows, and a new one for it.
inline QString ControlText(QWidget& control) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        return label->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        return button->text();
    }
    if (auto* lines = qobject_cast<WorkingView*>(&control)) {
        return lines->Lines().join(u'\n');
    }
    return qobject_cast<QLineEdit*>(&control)->text();
}

inline void SetControlText(QWidget& control, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&control)) {
        button->setText(text);
    } else if (auto* lines = qobject_cast<WorkingView*>(&control)) {
        std::vector<WorkingTextLine> words;
        for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
            words.push_back({line, {}, line, line});
        }
        lines->SetLines(std::move(words));
    } else {
        qobject_cast<QLineEdit*>(&control)->setText(text);
    }
}

class VeltrixTest : public ::testing::Test {
  protected:
    void SetUp() override {
        mainWindow = &ShowMainWindow(app);
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow));
    }

    template <class Control = QWidget> static Control& Find(QWidget& window, const char* name) {
        auto* control = window.findChild<Control*>(QString::fromLatin1(name));
        if (!control) {
            ADD_FAILURE() << "no control " << name << " in " << window.objectName().toStdString();
            throw std::runtime_error("missing control");
        }
        return *control;
    }

    // Clicks the middle of a button; an option button where its round indicator is.
    static void Click(QWidget& control) {
        const bool option = qobject_cast<QRadioButton*>(&control) != nullptr;
        const QPoint point = option ? QPoint(6, control.height() / 2) : control.rect().center();
        QTest::mouseClick(&control, Qt::LeftButton, {}, point);
    }
    static void Click(QWidget& window, const char* name) { Click(Find(window, name)); }

    // Replaces the text box's contents by typing, as a person would.
    static void Type(QWidget& window, const char* name, const QString& text) {
        auto& box = Find<QLineEdit>(window, name);
        box.selectAll();
        QTest::keyClick(&box, Qt::Key_Delete);
        QTest::keyClicks(&box, text);
    }

    // Ctrl+A, then Ctrl+V with the text on the clipboard.
    static void Paste(QLineEdit& box, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }

    // Clears the box, then sends one key press per character, a surrogate pair as one character,
    // as a keyboard or an input method hands them over. (QTest::keyClicks would split an emoji
    // into two halves, which the box rejects.)
    static void TypeCharacters(QLineEdit& box, const QString& text) {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Delete);
        for (qsizetype i = 0; i < text.size();) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const qsizetype length = pair ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, text.mid(i, length), {});
            i += length;
        }
    }

    // Selects a label's text with the mouse, dragging from its left edge to its right.
    static void DragAcross(QWidget& label) {
        const int y = label.height() / 2;
        QTest::mousePress(&label, Qt::LeftButton, {}, {0, y});
        QTest::mouseMove(&label, {label.width() - 1, y});
        QTest::mouseRelease(&label, Qt::LeftButton, {}, {label.width() - 1, y});
    }

    // Opens the menu `menuName` on the main window's menu bar and clicks its item `itemName`.
    static void ChooseMenuItem(MainWindow& window, const char* menuName, const char* itemName) {
        auto* menu = window.menuBar()->findChild<QMenu*>(menuName);
        ASSERT_NE(menu, nullptr);
        QMenuBar* bar = window.menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        QAction* item = menu->findChild<QAction*>(itemName);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
    }

    static QString Caption(QWidget& window, const char* name) {
        return Find<QLabel>(window, name).text();
    }

    void TypeEquation(const QString& text) { Type(*mainWindow, "Text1", text); }

    // Opens the Accuracy window with "Set accuracy" and clicks the option for `places`.
    AccuracyWindow& ChooseAccuracy(int places) {
        Click(*mainWindow, "Command4");
        auto& accuracy = *app.Windows().Find<AccuracyWindow>();
        const QByteArray option = "Option" + QByteArray::number(places + 1);
        Click(accuracy, option.constData());
        return accuracy;
    }

    SolutionWindow* Solution() { return app.Windows().Find<SolutionWindow>(); }

    // Label2 and Label4 of the Solution window, or nothing when it does not exist.
    QStringList ShownRoots() {
        SolutionWindow* solution = Solution();
        if (!solution) {
            return {};
        }
        return {Caption(*solution, "Label2"), Caption(*solution, "Label4")};
    }

    // Deletes the windows that were closed, as the event loop would before the next click.
    static void LetClosedWindowsGo() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RecordingMessageBoxes messages;
    ScriptedFileDialogs files;
    AppContext app{messages, files};
    MainWindow* mainWindow = nullptr;
};

} // namespace veltrix::ui::testing
