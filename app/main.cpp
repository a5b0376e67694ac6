#include "CommandLine.h"
#include "ShutdownSignals.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool Set(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value;
}

} // namespace

int main(int argc, char* argv[])
{
    if (const auto status = AnswerCommandLine(argc, argv))
        return *status;
    if (!Set("DISPLAY") && !Set("WAYLAND_DISPLAY") && !Set("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "carrowby: no display to show its window on (DISPLAY and "
                             "WAYLAND_DISPLAY are unset); on a machine without one, run it "
                             "under a virtual display: xvfb-run -a make run\n");
        return 2;
    }
    // The windows are classic fixed-size ones, which a Wayland compositor neither places nor
    // keeps from being maximized (Qt then draws their frames with a maximize button that ends
    // the program): where the session offers X11 too and no platform was chosen, use X11.
    if (Set("WAYLAND_DISPLAY") && Set("DISPLAY") && !Set("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    QApplication app(argc, argv);
    toolkit::SetUpApplication();

    frmMain window;
    // Every way of leaving passes through the window's unload handler, which saves. A session
    // manager's checkpoint leaves the program running; when the session really ends, Qt leaves
    // the event loop and the window unloads as it goes.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, &QWidget::close);
    window.show();
    return app.exec();
}
