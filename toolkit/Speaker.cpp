#include "Speaker.h"

#include "Modules.h"

#include <QCoreApplication>

namespace toolkit {

std::unique_ptr<Speaker> Speaker::Open(QObject* context, Told told, QString& why)
{
    using Make = Speaker*(QObject*, Told);
    auto* make = reinterpret_cast<Make*>(
        ModuleFunction(QStringLiteral("read-aloud"), "carrowby_read_aloud", why));
    if (!make)
        why = QCoreApplication::translate("Speaker", "Qt's speech library cannot be loaded: %1")
                  .arg(why);
    return std::unique_ptr<Speaker>(make ? make(context, std::move(told)) : nullptr);
}

} // namespace toolkit
