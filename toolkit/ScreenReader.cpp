#include "ScreenReader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

namespace toolkit {

bool ScreenReaderRuns()
{
    QDBusMessage ask = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    ask << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    ask.setAutoStartService(false);
    // A bus that does not answer at once is taken for none: the window is waiting to show.
    const QDBusMessage answer = QDBusConnection::sessionBus().call(ask, QDBus::Block, 250);
    return answer.type() == QDBusMessage::ReplyMessage &&
           answer.arguments().value(0).value<QDBusVariant>().variant().toBool();
}

} // namespace toolkit
