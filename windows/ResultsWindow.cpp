#include "ResultsWindow.h"

#include "toolkit/Modules.h"

ResultsWindow* ResultsWindow::Open(const Setup& setup, QString& why)
{
    using Make = ResultsWindow*(const Setup&);
    auto* make = reinterpret_cast<Make*>(
        toolkit::ModuleFunction(QStringLiteral("results-window"), "carrowby_results_window", why));
    return make ? make(setup) : nullptr;
}
