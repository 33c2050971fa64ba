#include "ui/shared/modules.hpp"

#include <QCoreApplication>
#include <QLibrary>

namespace veltrix::ui {

std::variant<QFunctionPointer, QString> ModuleFunction(const QString& fileName,
                                                       const char* function) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    QString why;
    for (const QString& folder :
         {programFolder, programFolder + QLatin1String("/" VELTRIX_MODULES_FROM_PROGRAM)}) {
        QLibrary module(folder + u'/' + fileName);
        if (const QFunctionPointer found = module.resolve(function)) {
            return found;
        }
        // The installed folder's reason is the one worth telling: a build has no such folder.
        why = module.errorString();
    }
    return why;
}

} // namespace veltrix::ui
