// The user manual: an HTML page for each language Veltrix speaks, with the pictures and the style
// sheet they share. It is installed in share/veltrix/manual beside the program's bin folder, not
// under share/doc, which a system may leave out, and the build copies it to the same place in its
// own tree, so that a program run from either finds its manual the same way. Its pages open in the
// desktop's browser, through an opener that tests replace.
#pragma once

#include <QString>

class QUrl;

namespace veltrix::ui {

class UrlOpener {
  public:
    virtual ~UrlOpener() = default;
    // Shows `url` to the user; false when nothing could, as on a desktop without a browser.
    virtual bool Open(const QUrl& url) = 0;
};

// The desktop's own handler of the address: its web browser for a page.
class DesktopUrlOpener final : public UrlOpener {
  public:
    bool Open(const QUrl& url) override;
};

// The manual's folder for the program that runs from `programFolder`.
QString ManualFolderBeside(const QString& programFolder);

// The manual's page in `language` ("de", "pt_BR"), or its English page where it has none in that
// language; English for an empty one.
QString ManualPage(const QString& folder, const QString& language);

// The manual of the running program, in the language its windows speak.
class Manual {
  public:
    // The manual beside the running program, in English, opened by the desktop.
    Manual();

    QString Page() const { return ManualPage(folder_, language_); }
    // Asks the opener to show the page; false when it could not.
    bool Open() const;

    void SetLanguage(const QString& language) { language_ = language; }
    void SetFolder(const QString& folder) { folder_ = folder; }
    void SetOpener(UrlOpener& opener) { opener_ = &opener; }

  private:
    QString folder_;
    QString language_;
    DesktopUrlOpener desktop_;
    UrlOpener* opener_ = &desktop_;
};

} // namespace veltrix::ui
