#include "CommandLine.h"
#include "ShutdownSignals.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"
#include "toolkit/DisplayOpening.h"
#include "toolkit/Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

frmMain* ShownWindow = nullptr;

// Qt ends the program through exit() when the connection to the display breaks: the settings
// as the user left them are saved first.
void SaveBeforeExit()
{
    if (ShownWindow)
        ShownWindow->SaveBeforeLostDisplay();
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto status = AnswerCommandLine(argc, argv))
        return *status;
    if (const char* why = toolkit::NoDisplayNamed()) {
        std::fprintf(stderr, "%s\n", why);
        return 2;
    }
    std::unique_ptr<QApplication> app;
    toolkit::OpenDisplay([&] { app = std::make_unique<QApplication>(argc, argv); });
    toolkit::SetUpApplication();
    toolkit::InstallTranslations();

    frmMain window;
    // Every way of leaving passes through the window's unload handler, which saves. A session
    // manager's checkpoint leaves the program running; when the session really ends, Qt leaves
    // the event loop and the window unloads as it goes.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, &QWidget::close);
    ShownWindow = &window;
    std::atexit(SaveBeforeExit);
    window.show();
    const int status = app->exec();
    ShownWindow = nullptr;
    return status;
}
