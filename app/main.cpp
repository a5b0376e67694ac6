#include "ShutdownSignals.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool NoDisplay()
{
    auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (NoDisplay()) {
        std::fprintf(stderr, "carrowby: no display to show its window on (DISPLAY and "
                             "WAYLAND_DISPLAY are unset); on a machine without one, run it "
                             "under a virtual display: xvfb-run -a make run\n");
        return 2;
    }
    QApplication app(argc, argv);
    toolkit::SetUpApplication();

    frmMain window;
    // Every way of leaving passes through the window's unload handler, which saves.
    ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &ShutdownSignals::received, &window, &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &window, &QWidget::close);
    window.show();
    return app.exec();
}
