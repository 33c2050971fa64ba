#include "app/working_command.hpp"

#include "ui/translations.hpp"
#include "ui/working_text.hpp"

#include <QCoreApplication>
#include <QLocale>
#include <cstdio>
#include <cstdlib>

namespace veltrix {

int PrintWorking(int& argc, char* argv[], const QString& equation, int places) {
    // The application object holds the translations; no window system is started.
    const QCoreApplication application(argc, argv);
    const QString language = ui::InstallTranslations(ui::SessionLanguages());
    const bool rightToLeft =
        !language.isEmpty() && QLocale(language).textDirection() == Qt::RightToLeft;
    const ui::WorkingText text =
        ui::WorkingTextOf(equation, places, ui::DecimalSeparatorOf(QLocale::system()), rightToLeft);
    // UTF-8, as Qt writes every 8-bit text on these systems, whatever the locale.
    if (!text.failure.isEmpty()) {
        std::fputs((text.failure + u'\n').toUtf8().constData(), stderr);
        return EXIT_FAILURE;
    }
    std::fputs((ui::PlainTextOf(text) + u'\n').toUtf8().constData(), stdout);
    return EXIT_SUCCESS;
}

} // namespace veltrix
