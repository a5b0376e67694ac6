#include "Application.h"

#include "Accessibility.h"
#include "ClassicFrames.h"
#include "PhysicalPresses.h"
#include "Version.h"

#include <QApplication>
#include <QVersionNumber>

namespace toolkit {

void SetUpApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Carrowby"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CARROWBY_VERSION));
    // Ties the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qzv.carrowby"));
    NameLabelsByTheirText();
    OnePressOneAction();
    QApplication::setStyle(new ClassicFrames);
}

VersionNumbers ApplicationVersion()
{
    const QVersionNumber version =
        QVersionNumber::fromString(QCoreApplication::applicationVersion());
    return {version.segmentAt(0), version.segmentAt(1), version.segmentAt(3)};
}

std::string VersionText()
{
    return CARROWBY_SHOWN_VERSION;
}

} // namespace toolkit
