#include "ui/translations.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace veltrix::ui {

namespace {

// Which way a language is written, for Qt to turn the layout direction by: "RTL" in the
// translation of a right-to-left language, "LTR" in the others.
[[maybe_unused]] const char* const kLayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool SpeaksSourceLanguage(const QLocale& locale) {
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// Loads `file` for `locale` from `folder` (ending in "_de_DE", "_de" and so on) and installs it;
// nothing when there is none.
QTranslator* Install(const QLocale& locale, const QString& file, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, file, QStringLiteral("_"), folder)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

QStringList SessionLanguages() {
    return QLocale::system().uiLanguages();
}

char16_t DecimalSeparatorOf(const QLocale& locale) {
    const QString separator = locale.decimalPoint();
    return separator == QLatin1String(",") ? u',' : u'.';
}

QString InstallTranslations(const QStringList& languages) {
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (SpeaksSourceLanguage(locale)) {
            return {};
        }
        if (const QTranslator* own =
                Install(locale, QStringLiteral("veltrix"), QStringLiteral(":/translations"))) {
            // Qt's own texts in the same language, where Qt's translations are installed.
            Install(locale, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return own->language();
        }
    }
    return {};
}

} // namespace veltrix::ui
