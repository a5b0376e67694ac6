#pragma once

#include <QString>

namespace toolkit {

// A function that one of the program's modules exports. The module is loaded the first time it
// is asked for, from the library folder it is installed in beside the program, or from the build
// folder; null, with why, where it cannot be (the installed place's reason first).
QFunctionPointer ModuleFunction(const QString& module, const char* function, QString& why);

} // namespace toolkit
