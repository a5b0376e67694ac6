// The Results window's module: what the main window's loader looks for in it.

#include "frmResults.h"

extern "C" Q_DECL_EXPORT ResultsWindow* carrowby_results_window(const ResultsWindow::Setup& setup)
{
    return new frmResults(setup);
}
