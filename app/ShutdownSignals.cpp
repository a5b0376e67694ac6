#include "ShutdownSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler only writes a byte here; the event loop reads it.
int g_pipe[2] = {-1, -1};

bool HandledBy(int signal, void (*handler)(int))
{
    struct sigaction current;
    return sigaction(signal, nullptr, &current) == 0 && current.sa_handler == handler;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    if (pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char drained[16];
        while (read(g_pipe[0], drained, sizeof drained) > 0) {
        }
        emit received();
    });
    struct sigaction action = {};
    action.sa_handler = &ShutdownSignals::Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    // One ignored as the program starts stays ignored: SIGHUP under nohup, SIGINT for a program
    // that a script started in the background.
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        if (!HandledBy(signal, SIG_IGN))
            sigaction(signal, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals()
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        if (HandledBy(signal, &ShutdownSignals::Handle))
            std::signal(signal, SIG_DFL);
}

void ShutdownSignals::Handle(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
}
