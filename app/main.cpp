#include "CommandLine.h"
#include "ShutdownSignals.h"
#include "drill/frmMain.h"
#include "toolkit/Application.h"
#include "toolkit/DisplayOpening.h"
#include "toolkit/FontsReadAhead.h"
#include "toolkit/Say.h"
#include "toolkit/Translations.h"

#include <QApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>

namespace {

frmMain* ShownWindow = nullptr;

// A standard stream left closed by whoever started the program would be the next file opened
// (the X connection, say), and what is meant for it would go there. Each is held on /dev/null,
// opened the wrong way round as the GNU tools do, so that using it still fails as a closed one.
void HoldClosedStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF)
            open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
}

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
    HoldClosedStandardStreams();
    if (const auto status = AnswerCommandLine(argc, argv))
        return *status;
    if (const char* why = toolkit::NoDisplayNamed()) {
        toolkit::Say(why);
        return 2;
    }
    toolkit::FontsReadAhead fonts;
    std::unique_ptr<QApplication> app;
    toolkit::OpenDisplay([&] { app = std::make_unique<QApplication>(argc, argv); });
    toolkit::SetUpApplication();
    toolkit::InstallTranslations();
    fonts.Wait();

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
