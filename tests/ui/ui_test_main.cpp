// The UI tests need one QApplication for the whole run, set up as the program sets up its own;
// listing the tests needs none, so test discovery works without a display.
#include "ui/shared/accessibility.hpp"
#include "ui/shared/context_menu.hpp"
#include "ui/shared/style.hpp"
#include "ui/working/method_and_school.hpp"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QFont>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <typeinfo>

namespace {

using ClipboardContents = QList<std::pair<QString, QByteArray>>;

ClipboardContents Clipboard() {
    ClipboardContents contents;
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData()) {
        for (const QString& format : data->formats()) {
            contents.emplaceBack(format, data->data(format));
        }
    }
    return contents;
}

void SetClipboard(const ClipboardContents& contents) {
    if (contents.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        return;
    }
    auto* data = new QMimeData;
    for (const auto& [format, bytes] : contents) {
        data->setData(format, bytes);
    }
    QGuiApplication::clipboard()->setMimeData(data);
}

// What a test may change for the whole application, put back after each test as the test found
// it: each test sees the program as it starts, whichever tests ran before it in the process, and a
// test that forgets to undo a change, or stops half-way through, cannot hide a fault from the next.
class ApplicationStateGuard final : public ::testing::EmptyTestEventListener {
  public:
    void OnTestStart(const ::testing::TestInfo&) override {
        translators_ = qApp->findChildren<QTranslator*>();
        font_ = QApplication::font();
        palette_ = QApplication::palette();
        style_ = &typeid(*QApplication::style());
        locale_ = QLocale();
        clipboard_ = Clipboard();
        method_ = veltrix::ui::MethodAndSchool::KeptMethod();
        school_ = &veltrix::ui::MethodAndSchool::KeptSchool();
    }

    void OnTestEnd(const ::testing::TestInfo&) override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RemoveNewTranslators();
        // The program leaves the direction to its translation. Once a direction is set, Qt keeps
        // it whatever translation is installed next; unset, it follows the translation again.
        QGuiApplication::setLayoutDirection(Qt::LayoutDirectionAuto);
        if (QApplication::font() != font_) {
            QApplication::setFont(font_);
        }
        if (QApplication::palette() != palette_) {
            QApplication::setPalette(palette_);
        }
        if (typeid(*QApplication::style()) != *style_) {
            QApplication::setStyle(new veltrix::ui::VeltrixStyle);
        }
        QLocale::setDefault(locale_);
        if (Clipboard() != clipboard_) {
            SetClipboard(clipboard_);
        }
        if (veltrix::ui::MethodAndSchool::KeptMethod() != method_) {
            veltrix::ui::MethodAndSchool::KeepMethod(method_);
        }
        if (&veltrix::ui::MethodAndSchool::KeptSchool() != school_) {
            veltrix::ui::MethodAndSchool::KeepSchool(*school_);
        }
        // The font, palette and language change events of the changes put back.
        QCoreApplication::sendPostedEvents();
        ForgetExit();
    }

  private:
    // Exit ends the application's event loop. Asked for while that loop is not running, as where a
    // test ends the program, it leaves every loop started later (a message box's, a menu's) to end
    // at once, until the application's loop has run again.
    static void ForgetExit() {
        QEventLoop probe;
        QTimer::singleShot(0, &probe, [&probe] { probe.exit(0); });
        if (probe.exec() == 0) {
            return;
        }
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QApplication::exec();
    }

    void RemoveNewTranslators() const {
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            if (!translators_.contains(translator)) {
                QCoreApplication::removeTranslator(translator);
                delete translator;
            }
        }
    }

    QList<QTranslator*> translators_;
    QFont font_;
    QPalette palette_;
    const std::type_info* style_ = nullptr;
    QLocale locale_;
    ClipboardContents clipboard_;
    std::optional<veltrix::WorkingMethod> method_;
    const veltrix::School* school_ = nullptr;
};

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    // The settings the tests write (the Working window's method and school) go to a folder of this
    // run's own, never into the user's, and no run starts from what an earlier one, or one stopped
    // half-way, left there.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // The working in the general school's notation, whatever the locale of the machine.
    veltrix::ui::MethodAndSchool::KeepSchool(veltrix::GeneralSchool());
    QApplication application(argc, argv);
    QApplication::setStyle(new veltrix::ui::VeltrixStyle);
    veltrix::ui::InstallAccessibleWindows();
    veltrix::ui::InstallContextMenuKeys();
    testing::UnitTest::GetInstance()->listeners().Append(new ApplicationStateGuard);
    return RUN_ALL_TESTS();
}
