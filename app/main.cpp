#include "CommandLine.h"
#include "ShutdownSignals.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"
#include "toolkit/DisplayOpening.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

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
    // The windows are classic fixed-size ones, which a Wayland compositor neither places nor
    // keeps from being maximized (Qt then draws their frames with a maximize button that ends
    // the program): where the session offers X11 too and no platform was chosen, use X11.
    if (Set("WAYLAND_DISPLAY") && Set("DISPLAY") && !Set("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::unique_ptr<QApplication> app;
    toolkit::OpenDisplay([&] { app = std::make_unique<QApplication>(argc, argv); });
    toolkit::SetUpApplication();

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
