// The program's own modules: parts it loads the first time they are needed rather than at every
// start (the SVG writer, the working's exact arithmetic).
#pragma once

#include <QString>
#include <QtGlobal>
#include <variant>

namespace veltrix::ui {

// `function` of the module `fileName`, from the program's own folder, where a build puts it, or
// from the folder the program's installation puts it in; or why neither gives it. A module once
// loaded stays loaded.
std::variant<QFunctionPointer, QString> ModuleFunction(const QString& fileName,
                                                       const char* function);

} // namespace veltrix::ui
