#include "ui/shared/translations.hpp"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <optional>

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

QString OwnFolder() {
    return QStringLiteral(":/translations");
}

// Another variant of the language `locale` is written in, in the same script, that Veltrix has a
// translation for: Brazilian Portuguese for a reader in Portugal or Angola, who reads it far more
// easily than English. Nothing across scripts: Simplified Chinese is no translation for a reader
// of Traditional Chinese.
std::optional<QLocale> VariantOf(const QLocale& locale) {
    const QStringList files =
        QDir(OwnFolder()).entryList({QStringLiteral("veltrix_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QLocale variant(file.sliced(8).chopped(3)); // "veltrix_pt_BR.qm" → pt_BR
        if (variant.language() == locale.language() && variant.script() == locale.script()) {
            return variant;
        }
    }
    return std::nullopt;
}

// Veltrix's translation for the reader of `locale`: its own language's, or a variant's.
const QTranslator* InstallOwn(const QLocale& locale) {
    const QString file = QStringLiteral("veltrix");
    if (const QTranslator* own = Install(locale, file, OwnFolder())) {
        return own;
    }
    const std::optional<QLocale> variant = VariantOf(locale);
    return variant ? Install(*variant, file, OwnFolder()) : nullptr;
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
        if (const QTranslator* own = InstallOwn(locale)) {
            // Qt's own texts in the reader's language, where Qt's translations are installed, or
            // else in the variant Veltrix speaks.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            const QString qt = QStringLiteral("qtbase");
            if (!Install(locale, qt, qtFolder)) {
                Install(QLocale(own->language()), qt, qtFolder);
            }
            return own->language();
        }
    }
    return {};
}

QString InstalledLanguage() {
    // Qt asks the translator installed last first.
    const QList<QTranslator*> translators = qApp->findChildren<QTranslator*>();
    for (auto it = translators.crbegin(); it != translators.crend(); ++it) {
        if ((*it)->filePath().startsWith(OwnFolder() + QStringLiteral("/veltrix_"))) {
            return (*it)->language();
        }
    }
    return {};
}

} // namespace veltrix::ui
