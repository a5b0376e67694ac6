#include "ResultsWindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace {

// Where the module lies beside the program: installed under the library folder, or in the
// build folder beside app/, tests/ and bench/.
QStringList ModuleFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + QStringLiteral("/../" CARROWBY_MODULE_FOLDER)),
            QDir::cleanPath(program + QStringLiteral("/../windows"))};
}

using Make = ResultsWindow*(const ResultsWindow::Setup&);

} // namespace

ResultsWindow* ResultsWindow::Open(const Setup& setup, QString& why)
{
    static QLibrary module;
    QString firstWhy; // where it is installed comes first, and says why it is not there
    for (const QString& folder : ModuleFolders()) {
        if (module.isLoaded())
            break;
        module.setFileName(folder + QStringLiteral("/results-window"));
        if (!module.load() && firstWhy.isEmpty())
            firstWhy = module.errorString();
    }
    auto* make = reinterpret_cast<Make*>(module.resolve("carrowby_results_window"));
    if (!make) {
        why = firstWhy.isEmpty() ? module.errorString() : firstWhy;
        return nullptr;
    }
    return make(setup);
}
