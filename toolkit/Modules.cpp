#include "Modules.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QMutex>

#include <map>
#include <memory>

namespace toolkit {

namespace {

// The program's own folder, also before there is an application object to ask.
QString ProgramFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

} // namespace

QFunctionPointer ModuleFunction(const QString& module, const char* function, QString& why)
{
    static QMutex mutex; // asked for from the recorder's thread too
    static std::map<QString, std::unique_ptr<QLibrary>> loaded;
    const QMutexLocker locked(&mutex);
    auto& library = loaded[module];
    if (!library)
        library = std::make_unique<QLibrary>();
    QString firstWhy;
    for (const QString& folder :
         {QStringLiteral("/../" CARROWBY_MODULE_FOLDER), QStringLiteral("/../modules")}) {
        if (library->isLoaded())
            break;
        library->setFileName(QDir::cleanPath(ProgramFolder() + folder) + u'/' + module);
        if (!library->load() && firstWhy.isEmpty())
            firstWhy = library->errorString();
    }
    const QFunctionPointer found = library->resolve(function);
    if (!found)
        why = firstWhy.isEmpty() ? library->errorString() : firstWhy;
    return found;
}

} // namespace toolkit
