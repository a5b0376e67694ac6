#include "DisplayOpening.h"

#include "Say.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace toolkit {

namespace {

QStringList HeldMessages;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The display Qt was to open, and why it did not: X11's where it is named and Qt was not sent to
// Wayland.
std::string DisplayNotOpened()
{
    const std::string platform = Environment("QT_QPA_PLATFORM");
    const std::string x11 = Environment("DISPLAY"), wayland = Environment("WAYLAND_DISPLAY");
    const std::string none = ": no X server or Wayland compositor answers there";
    if (platform.starts_with("wayland") || (x11.empty() && !wayland.empty()))
        return "the Wayland display " + (wayland.empty() ? std::string("wayland-0") : wayland) +
               none;
    return x11.empty() ? "an X display: DISPLAY is unset" : "the display " + x11 + none;
}

// The first group of pattern in what Qt said while the display opened.
QString Said(const QString& all, const char* pattern)
{
    return QRegularExpression(QLatin1String(pattern)).match(all).captured(1);
}

void SayHeld()
{
    for (const QString& held : HeldMessages)
        Say(held.toStdString());
    HeldMessages.clear();
}

void WhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        HeldMessages << qFormatLogMessage(type, context, message);
        return;
    }
    if (message.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        const QString all = HeldMessages.join(u'\n') + u'\n' + message;
        if (const QString missing = Said(all, "Could not find the Qt platform plugin \"([^\"]*)\"");
            !missing.isEmpty())
            Say("the Qt platform plugin \"" + missing.toStdString() +
                "\" is not installed (installed: " +
                Said(all, "Available platform plugins are: ([^\n]*)\\.").toStdString() + ")");
        else
            Say("cannot open " + DisplayNotOpened());
        std::_Exit(2);
    }
    HeldMessages << qFormatLogMessage(type, context, message);
    SayHeld();
    std::abort();
}

} // namespace

void OpenDisplay(const std::function<void()>& makeApplication)
{
    // The windows are classic fixed-size ones, which a Wayland compositor neither places nor
    // keeps from being maximized (Qt then draws their frames with a maximize button that ends
    // the program): where the session offers X11 too and no platform was chosen, use X11.
    if (!Environment("WAYLAND_DISPLAY").empty() && !Environment("DISPLAY").empty() &&
        Environment("QT_QPA_PLATFORM").empty())
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    const QtMessageHandler qtsOwn = qInstallMessageHandler(WhileOpening);
    makeApplication();
    qInstallMessageHandler(qtsOwn);
    SayHeld();
}

const char* NoDisplayNamed()
{
    if (!Environment("DISPLAY").empty() || !Environment("WAYLAND_DISPLAY").empty() ||
        !Environment("QT_QPA_PLATFORM").empty())
        return nullptr;
    return "no display to show its window on (DISPLAY and WAYLAND_DISPLAY are unset); "
           "start it from a desktop session, or on a machine without one under a virtual "
           "display: xvfb-run -a carrowby";
}

} // namespace toolkit
