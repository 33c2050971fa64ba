// Veltrix in the user's language: its own texts, and Qt's (a text box's context menu, the file
// dialog, a message box's button), in the first of the session's languages (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) that Veltrix speaks. English, the language of the source
// texts, needs no translation: a session whose first language is English, C or one Veltrix does
// not speak sees every text as written.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace veltrix::ui {

// Installs the translations for the first of `languages` that Veltrix speaks, itself or in another
// variant of the same language (Brazilian Portuguese for pt_PT), before any window is made; a
// right-to-left language turns the application's layout direction with them. Returns the language
// installed ("de", "pt_BR"), or nothing for English.
QString InstallTranslations(const QStringList& languages);

// The language of Veltrix's translation in use ("ru", "zh_CN"), or nothing for English.
QString InstalledLanguage();

// The session's languages, most wanted first.
QStringList SessionLanguages();

// The decimal separator the locale writes numbers with, where it is "," or "."; "." for any other
// (such as Arabic's "٫"), so that a result pasted anywhere is read back.
char16_t DecimalSeparatorOf(const QLocale& locale);

} // namespace veltrix::ui
